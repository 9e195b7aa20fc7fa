#pragma once
// Python's re module as re.sub runs it on str patterns and texts, what the line "copy as code"
// prints: regexes and format strings.
//
// \d is a decimal digit of any script, \w a letter, a number or "_" of any script, \s Unicode's
// white space, \b takes word characters as \w does (and \B matches nothing in an empty text); "."
// matches anything but a line feed, "^" the beginning of the text, "$" its end or a line feed that
// ends it, \A and \Z the edges only. Escapes: \a \f \n \r \t \v, \xHH, \uXXXX, \UXXXXXXXX, octal
// ones; an escape of an ASCII letter that means nothing is an error. Groups: (?:...), (?P<name>...)
// with (?P=name), lookahead and lookbehind, atomic (?>...), comments (?#...); lazy and possessive
// repetitions; "{" that begins no repetition stands for itself, and "]" first in a bracket
// expression too.
//
// Formats: \g<n>, \g<name>, \1 to \99, octal escapes, \a \b \f \n \r \t \v and \\; an escape of any
// other ASCII letter is an error, of anything else a backslash and that character.
//
// Where Varnel's runner parts from Python: inline flags such as (?i) and \N{...} are refused, and a
// lookbehind may hold alternatives of different lengths.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

class PythonSyntax : public IRegexSyntax {
public:
    std::optional<RegexError> read_regex(const std::wstring& regex,
                                         IRegexBuilder& builder) const override;
    FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const override;
};

} // namespace varnel
