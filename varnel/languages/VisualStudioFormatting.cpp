#include "varnel/languages/VisualStudioFormatting.h"

#include "varnel/common/DBC.h"

namespace varnel {

VisualStudioFormatting::VisualStudioFormatting()
    : CommonFormatting(L'{', L'}', L"\\^$.*+?()[]{}|:<>#~@",
                       {FormatSyntax::References::OneDigit, L'\\', L'\\', L"\\", 0}) {}

std::wstring VisualStudioFormatting::one_of(CharacterClass kind) const {
    switch (kind) {
    case CharacterClass::Digit:
        return L":Nu";
    case CharacterClass::Letter:
        return L":Al";
    case CharacterClass::Uppercase:
        return L":Lu";
    case CharacterClass::Lowercase:
        return L":Ll";
    case CharacterClass::Alphanumeric:
        // A set of the locale's classes, not :a, which knows only English letters: the same
        // characters as ECMAScript's [[:alnum:]].
        return L"[:Al:Nu]";
    case CharacterClass::Whitespace:
        return L":Wh";
    case CharacterClass::Punctuation:
        return L":Pu";
    }
    DBC_UNREACHABLE();
}

std::wstring VisualStudioFormatting::run_of(CharacterClass kind) const {
    // The integer pattern of the table; every other run is its one-character class repeated.
    return kind == CharacterClass::Digit ? L":z" : one_of(kind) + L"+";
}

std::wstring VisualStudioFormatting::any_text(bool lazy) const {
    return lazy ? L".@" : L".*";
}

} // namespace varnel
