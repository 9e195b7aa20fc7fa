#pragma once
// Runs a translated regex with PCRE2's 16-bit library, which works on UTF-16 code units as Varnel
// does, compiled by its JIT where the machine has one. Each search stops at a match limit, a depth
// limit and a heap limit and then reports the regex as too complex for the text, rather than
// running on for minutes on a pattern like "(a*)*b".
//
// The pattern is compiled without UTF and without Unicode properties for classes: every code unit
// is a character, as for std::wregex on Varnel's strings, and the translators write classes out.

#include "varnel/replace/IRegexMatcher.h"
#include "varnel/replace/PatternWriter.h"

#include <memory>

struct pcre2_real_code_16;

namespace varnel {

class Pcre2Matcher : public IRegexMatcher {
public:
    struct Failure {
        std::wstring message;
        std::size_t offset; // in the user's regex
        bool too_large;     // the compiled pattern would exceed PCRE2's size limit
    };

    static std::variant<std::shared_ptr<const Pcre2Matcher>, Failure>
    compile(const TranslatedRegex& regex);

    Found find(std::u16string_view text, std::size_t start, bool not_empty_at_start,
               std::vector<std::size_t>& spans) const override;

private:
    Pcre2Matcher(pcre2_real_code_16* code, unsigned groups);

    std::shared_ptr<const pcre2_real_code_16> code;
    unsigned groups;
};

} // namespace varnel
