#include "varnel/languages/ECMAScriptFormatting.h"

#include "varnel/languages/CharacterClasses.h"

namespace varnel {

ECMAScriptFormatting::ECMAScriptFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|",
                       {FormatSyntax::References::TwoDigits, L'$', L'$', L"$", 0}) {}

std::wstring ECMAScriptFormatting::one_of(CharacterClass kind) const {
    return posix_class(kind);
}

} // namespace varnel
