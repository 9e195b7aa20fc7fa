#pragma once
// JavaScript as a RegExp with the flags "g" and "u" reads its regexes, and String.prototype.replace
// its format strings: what the line "copy as code" prints runs.
//
// \d and \w are ASCII, \s is Unicode's white space with the line terminators, \b takes word
// characters as \w does; "." matches anything but the line terminators, "^" and "$" only the edges
// of the text. Escapes: \uXXXX, \u{...}, \xHH, \cX, \0, \p{...} and \P{...}; an escape of a letter
// or a digit that means nothing is an error, as the flag "u" has it. Groups: (?:...), (?<name>...)
// with \k<name>, lookahead and lookbehind. A back reference to a group that took no part, is still
// open or comes later matches nothing.
//
// Formats: "$n" and "$nn" for groups that exist ("$12" is group 1 and a "2" when there is no group
// 12), "$<name>", "$&", "$`" (all the text before the match), "$'" and "$$"; any other dollar
// stands for itself. After an empty match, the next is searched from the next character on.
//
// Where Varnel's runner parts from JavaScript: a lookbehind must have a fixed length (PCRE2 runs no
// other), a group inside a repetition keeps what it took in an earlier round rather than being
// emptied at each, a repeated group may take an optional round that matches nothing (JavaScript
// refuses such a round and tries its alternatives), and \p{...} takes PCRE2's Unicode tables and
// its looser spelling of names.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

class JavaScriptSyntax : public IRegexSyntax {
public:
    std::optional<RegexError> read_regex(const std::wstring& regex,
                                         IRegexBuilder& builder) const override;
    FormatRead read_format(const std::wstring& format, const RegexGroups& groups) const override;
    // String.prototype.replace moves on by a character.
    AfterEmptyMatch after_empty_match() const override { return AfterEmptyMatch::NextCharacter; }
};

} // namespace varnel
