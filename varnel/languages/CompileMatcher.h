#pragma once
// Compiles the matchers of the language tables.

#include <regex>
#include <string>

namespace varnel {

// The pattern in the ECMAScript grammar, case-sensitive, run by the library's non-recursive
// engine. The default engine recurses once per character it consumes and overflows the stack on a
// match of a few ten thousand characters (a long word, an unclosed quote); the table patterns
// have no back references, and for them both engines find the same leftmost, longest match.
std::wregex compile_matcher(const std::wstring& pattern);

} // namespace varnel
