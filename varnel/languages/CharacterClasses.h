#pragma once
// The one-character classes that several languages write alike.

#include "varnel/languages/IRegexFormatting.h"

#include <string>

namespace varnel {

// As a POSIX bracket expression ("[[:digit:]]"), classified by the locale.
std::wstring posix_class(IRegexFormatting::CharacterClass kind);
// As Unicode properties where a property says it ("\p{L}"), "\d" and "\s" for digits and spaces.
std::wstring unicode_property_class(IRegexFormatting::CharacterClass kind);

} // namespace varnel
