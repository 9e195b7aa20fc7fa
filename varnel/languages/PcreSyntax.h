#pragma once
// PCRE as Perl runs the line "copy as code" prints: perl -CSD -Mutf8 -lpe 's/.../.../ga', on
// characters, with \d, \w, \s, \b and the POSIX classes in ASCII (the flag "a").
//
// "." matches anything but a line feed, "^" and \A the beginning of the text, "$" and \Z its end or
// a line feed that ends it, \z the end only. Escapes: \a \e \f \n \r \t, \xHH, \x{...}, \o{...},
// octal ones, \cX, \h \H \v \V (horizontal and vertical white space), \N (not a line feed),
// \p{...}, \Q...\E. Groups: (?:...), (?<name>...), (?'name'...) and (?P<name>...) with \k<name>,
// \g{name} and (?P=name), \g{n} and \g{-n}, lookahead and lookbehind, atomic (?>...), comments;
// lazy and possessive repetitions. A "{" that begins no repetition stands for itself.
//
// Formats, as the line hands them to Perl: $n and ${n}, $&, $` (all the text before the match) and
// $', \1 to \9, \n \t \r \f \e
// \a \b, \xHH, \x{...}, octal escapes and \cX; \E ends nothing and is dropped; a backslash before
// anything else is that character. A group the regex lacks stands for nothing.
//
// Where Varnel's runner parts from Perl: a dollar that would read a Perl variable ($0, $x, ${x},
// and in the regex $x), the case changes \U \L \u \l \F and \Q in a format, \N{...}, \G, \K, \R,
// \X, inline flags and a letter escape that means nothing are refused; a lookbehind must have a
// fixed length; a group captured inside a negative lookahead is forgotten once it is left (Perl
// keeps it); and where Perl's optimiser gives up on a match its rules allow (an optional atomic
// group inside a lookahead), the runner keeps to the rules.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

class PcreSyntax : public IRegexSyntax {
public:
    std::optional<RegexError> read_regex(const std::wstring& regex,
                                         IRegexBuilder& builder) const override;
    FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const override;
};

} // namespace varnel
