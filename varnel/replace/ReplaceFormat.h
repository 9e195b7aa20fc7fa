#pragma once
// A format string of one language, read once and expanded for each match. Varnel reads it itself,
// as each language writes it, rather than through PCRE2's substitution, which reads digits
// differently:
//
// - ECMAScript, as std::regex_replace reads it by default: "$n" and "$nn" (two digits whenever
//   two follow, so "$01" is group 1 and "$12" group 12), "$&" the match, "$`" the text between the
//   previous match (or the beginning) and the match, "$'" the text after the match, "$$" a dollar;
//   a dollar before anything else stands for itself.
// - Visual Studio: a backslash and one digit, "\0" the match; "\\" a backslash; a backslash
//   before anything else stands for itself.

#include "varnel/languages/LanguageFactory.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

class ReplaceFormat {
public:
    ReplaceFormat(const std::wstring& format, Language language);

    struct MissingGroup {
        unsigned number;
        std::size_t offset; // of the reference in the format
    };
    // The first reference to a group beyond groups (the number of groups of the regex), if any.
    std::optional<MissingGroup> missing_group(unsigned groups) const;

    // Appends the expansion for one match of text. spans holds the begin and end of the match and
    // of each group, npos for a group that took no part (it expands to nothing); previous_end is
    // where the text before the match begins.
    void append(std::wstring& out, const std::wstring& text, const std::vector<std::size_t>& spans,
                std::size_t previous_end) const;

private:
    struct Piece {
        enum Kind { Text, Group, Before, After };
        Kind kind;
        std::wstring text;   // Text
        unsigned number = 0; // Group
        std::size_t offset = 0;
    };

    void add_text(wchar_t c);

    std::vector<Piece> pieces;
};

} // namespace varnel
