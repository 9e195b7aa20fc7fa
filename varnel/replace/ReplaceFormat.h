#pragma once
// A format string of one language, read once by the language's own syntax and expanded for each
// match. Varnel expands it itself rather than through PCRE2's substitution, which reads digits
// differently.

#include "varnel/languages/IRegexSyntax.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

class ReplaceFormat {
public:
    // Precondition: the pieces are read without error.
    explicit ReplaceFormat(std::vector<FormatPiece> pieces);

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
    std::vector<FormatPiece> pieces;
};

} // namespace varnel
