#pragma once
// A pattern compiled by PCRE2's 16-bit library, which works on UTF-16 code units as Varnel does,
// and by its JIT where the machine has one, run with limits: each search stops at a match limit,
// a depth limit and a heap limit and then reports so, rather than running on for minutes on a
// pattern like "(a*)*b". The one place Varnel calls PCRE2; its header stays inside this part.

#define PCRE2_CODE_UNIT_WIDTH 16
#include <cstddef>
#include <memory>
#include <pcre2.h>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel {

class Pcre2Code {
public:
    struct Failure {
        int error;
        std::size_t offset; // in the pattern
    };

    // "^" and "$" in line mode end a line at CR, LF and CR LF. Without jit, or where the JIT
    // fails, PCRE2's interpreter runs the pattern.
    static std::variant<std::shared_ptr<const Pcre2Code>, Failure>
    compile(std::u16string_view pattern, std::uint32_t options, bool jit);

    ~Pcre2Code();
    Pcre2Code(const Pcre2Code&) = delete;
    Pcre2Code& operator=(const Pcre2Code&) = delete;

    // PCRE2's result of a search of subject from start (pcre2_match, or pcre2_dfa_match with
    // longest: the longest of the matches at the leftmost position). On a match, spans holds the
    // begin and end of the match and then of each of the first groups, npos for one that took no
    // part. Every call keeps its state to itself: one code serves several threads at once.
    int match(std::u16string_view subject, std::size_t start, std::uint32_t options, bool longest,
              unsigned groups, std::vector<std::size_t>& spans) const;

    // The fewest code units a match can hold; 0 when a match may be empty.
    std::size_t min_length() const;

    // PCRE2's text for an error code.
    static std::wstring message(int error);

private:
    explicit Pcre2Code(pcre2_code* code) : code(code) {}

    pcre2_code* const code;
};

} // namespace varnel
