#pragma once
// Compiles the matchers of the language tables.

#include "varnel/languages/IRegexLanguage.h"

#include <regex>
#include <string>

namespace varnel {

// The pattern in the ECMAScript grammar, case-sensitive, run by the library's non-recursive
// engine. The default engine recurses once per character it consumes and overflows the stack on a
// match of a few ten thousand characters (a long word, an unclosed quote); the table patterns
// have no back references, and for them both engines find the same leftmost, longest match.
std::wregex compile_matcher(const std::wstring& pattern);

// A named pattern whose matcher is compiled from the ECMAScript text matcher: the regex itself
// where the language reads it as ECMAScript does, or a text written to match the same.
RegexDescription table_row(const std::wstring& matcher, const std::wstring& regex,
                           const std::wstring& description, const std::wstring& name);

} // namespace varnel
