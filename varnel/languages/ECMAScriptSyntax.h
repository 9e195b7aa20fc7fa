#pragma once
// ECMAScript as the standard library's std::wregex reads it (ECMAScript grammar, default flags,
// classes by the global locale), and its format strings as std::regex_replace reads them.
//
// Where engines read a regex differently, the standard library's reading is what the builder is
// given: "." without line terminators, "^" and "$" only at the edges of the text, "{" always a
// repetition, two quantifiers in a row as a repeated repetition, back references only to groups
// closed before them. "\cX" is the control character X modulo 32, as ECMAScript defines it (the
// standard library reads it as X).
//
// Formats: "$n" and "$nn" (two digits whenever two follow, so "$01" is group 1 and "$12" group
// 12), "$&" the match, "$`" the text between the previous match (or the beginning) and the match,
// "$'" the text after the match, "$$" a dollar; a dollar before anything else stands for itself.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

class ECMAScriptSyntax : public IRegexSyntax {
public:
    std::optional<RegexError> read_regex(const std::wstring& regex,
                                         IRegexBuilder& builder) const override;
    FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const override;

    // What "." matches: any character but a line terminator.
    static const CharSet& dot();
};

} // namespace varnel
