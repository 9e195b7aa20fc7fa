#pragma once
// The Visual Studio language, the find-and-replace syntax of the Visual Studio editor as Varnel
// writes it and as its menus and named patterns offer it:
//
//   {x}  tagged expression (a capturing group)     (x)   grouping
//   ~(x) prevents a match of x here                \1-\9 the text a tagged expression matched
//   * +  greedy repetitions                        @ #   lazy zero or more, lazy one or more
//   x^n  n times                                   |     or
//   ^ $  beginning and end of a line               < >   beginning and end of a word
//   .    any character but a line break            [ ]   a set, [^ ] its complement
//   \t   tab                                       \n    line break (CR LF, LF or CR)
//   \c   c itself for any other c
//
// and the classes, which a set may hold too where they stand for one character:
//
//   :Zs  space separator (Unicode)    :b   space or tab          :Wh  whitespace
//   :Lu  uppercase letter             :Ll  lowercase letter      :Al  letter
//   :c   ASCII letter                 :a   ASCII letter or digit :Nu  digit
//   :Pu  punctuation                  :w   ASCII letters         :i   C/C++ identifier
//   :q   quoted string                :z   integer (digits)      :h   hexadecimal digits
//   :n   rational number
//
// Whitespace, letters, digits, punctuation and word characters follow the global locale, as the
// language's named patterns classify them. A back reference must refer to a tagged expression
// closed before it. A class that stands for a string is one item: a quantifier after it repeats
// the string.
//
// Formats: a backslash and one digit, "\0" the match; "\\" a backslash; a backslash before
// anything else stands for itself.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

class VisualStudioSyntax : public IRegexSyntax {
public:
    std::optional<RegexError> read_regex(const std::wstring& regex,
                                         IRegexBuilder& builder) const override;
    FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const override;

    // What "." matches: any character but a line break.
    static const CharSet& dot();
};

} // namespace varnel
