#include "varnel/languages/CharacterClasses.h"

#include "varnel/common/DBC.h"

namespace varnel {

using CharacterClass = IRegexFormatting::CharacterClass;

std::wstring posix_class(CharacterClass kind) {
    switch (kind) {
    case CharacterClass::Digit:
        return L"[[:digit:]]";
    case CharacterClass::Letter:
        return L"[[:alpha:]]";
    case CharacterClass::Uppercase:
        return L"[[:upper:]]";
    case CharacterClass::Lowercase:
        return L"[[:lower:]]";
    case CharacterClass::Alphanumeric:
        return L"[[:alnum:]]";
    case CharacterClass::Whitespace:
        return L"[[:space:]]";
    case CharacterClass::Punctuation:
        return L"[[:punct:]]";
    }
    DBC_UNREACHABLE();
}

std::wstring unicode_property_class(CharacterClass kind) {
    switch (kind) {
    case CharacterClass::Digit:
        return L"\\d";
    case CharacterClass::Letter:
        return L"\\p{L}";
    case CharacterClass::Uppercase:
        return L"\\p{Lu}";
    case CharacterClass::Lowercase:
        return L"\\p{Ll}";
    case CharacterClass::Alphanumeric:
        return L"[\\p{L}\\d]";
    case CharacterClass::Whitespace:
        return L"\\s";
    case CharacterClass::Punctuation:
        // Symbols too: what the locale's [:punct:] holds besides punctuation ("+", "$", "©").
        return L"[\\p{P}\\p{S}]";
    }
    DBC_UNREACHABLE();
}

} // namespace varnel
