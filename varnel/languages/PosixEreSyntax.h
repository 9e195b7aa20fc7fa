#pragma once
// POSIX extended regular expressions as GNU sed -E reads them, one line at a time, and the
// replacement of its "s" command:
//
//   ( ) group   |  or   * + ? {n} {n,} {n,m} greedy repetitions   .  any character
//   ^ $ the edges of the line   [ ] a set with [:class:] members, the locale's, and "\" itself
//   \1-\9 back reference   \< \> \b \B word edges   \w \W \s \S   \n \t   \c c itself
//
// Formats: "\1".."\9" a group, "&" and "\0" the whole match, "\&" and "\\" themselves, "\n" and
// "\t" a line feed and a tab, "\c" c itself (the case conversions "\U", "\L" and the like
// included, which are read as their letters).
//
// sed takes the longest of the matches that begin leftmost; the runner takes the first its
// alternatives and repetitions give. Both agree on the regexes read here; the ones on which they
// could part are refused: alternatives that could begin with the same character, and a repeated
// group.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

class PosixEreSyntax : public IRegexSyntax {
public:
    std::optional<RegexError> read_regex(const std::wstring& regex,
                                         IRegexBuilder& builder) const override;
    FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const override;

    // What "." matches: any character.
    static const CharSet& dot();
};

} // namespace varnel
