#pragma once
// A Unicode property as "\p{...}" names it in JavaScript and Perl: a general category by its short
// or long name ("Lu", "Uppercase_Letter", "General_Category=Lu"), a script ("Script=Greek",
// "Script_Extensions=Greek") or a binary property ("Alphabetic").

#include "varnel/languages/IRegexBuilder.h"

#include <string>
#include <variant>

namespace varnel {

// The characters with the property, or why the name is refused.
std::variant<CharSet, std::wstring> unicode_property(const std::wstring& name);

} // namespace varnel
