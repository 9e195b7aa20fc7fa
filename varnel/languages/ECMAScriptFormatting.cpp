#include "varnel/languages/ECMAScriptFormatting.h"

#include "varnel/languages/CharacterClasses.h"
#include "varnel/languages/ECMAScriptSyntax.h"

namespace varnel {

ECMAScriptFormatting::ECMAScriptFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|",
                       {FormatSyntax::References::TwoDigits, L'$', L'$', L"$", 0}) {}

std::wstring ECMAScriptFormatting::one_of(CharacterClass kind) const {
    return posix_class(kind);
}

std::optional<CharSet> ECMAScriptFormatting::dot() const {
    return ECMAScriptSyntax::dot();
}

std::optional<std::wstring> ECMAScriptFormatting::class_alone(const CharSet::Item& item) const {
    if (item.kind == CharSet::Item::Class && item.locale_class != LocaleClass::Word) {
        return std::nullopt;
    }
    return CommonFormatting::class_alone(item);
}

} // namespace varnel
