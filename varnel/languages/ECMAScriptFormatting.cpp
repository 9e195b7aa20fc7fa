#include "varnel/languages/ECMAScriptFormatting.h"

#include "varnel/common/DBC.h"

namespace varnel {

ECMAScriptFormatting::ECMAScriptFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|", L'$', true) {}

std::wstring ECMAScriptFormatting::one_of(CharacterClass kind) const {
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

std::wstring ECMAScriptFormatting::any_number_of(CharacterClass kind) const {
    return one_of(kind) + L"*";
}

std::wstring ECMAScriptFormatting::run_of(CharacterClass kind) const {
    return one_of(kind) + L"+";
}

std::wstring ECMAScriptFormatting::any_text(bool lazy) const {
    return lazy ? L".*?" : L".*";
}

std::wstring ECMAScriptFormatting::line_start() const {
    return L"^";
}

std::wstring ECMAScriptFormatting::line_end() const {
    return L"$";
}

} // namespace varnel
