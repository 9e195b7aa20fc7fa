#include "varnel/languages/LocaleClass.h"

#include <array>
#include <utility>

namespace varnel {

namespace {

constexpr std::array<std::pair<std::wstring_view, LocaleClass>, 15> names{{
    {L"alnum", LocaleClass::Alnum},
    {L"alpha", LocaleClass::Alpha},
    {L"blank", LocaleClass::Blank},
    {L"cntrl", LocaleClass::Cntrl},
    {L"digit", LocaleClass::Digit},
    {L"graph", LocaleClass::Graph},
    {L"lower", LocaleClass::Lower},
    {L"print", LocaleClass::Print},
    {L"punct", LocaleClass::Punct},
    {L"space", LocaleClass::Space},
    {L"upper", LocaleClass::Upper},
    {L"xdigit", LocaleClass::Xdigit},
    {L"w", LocaleClass::Word},
    {L"d", LocaleClass::Digit},
    {L"s", LocaleClass::Space},
}};

} // namespace

std::optional<LocaleClass> locale_class_named(std::wstring_view name) {
    for (const auto& [known, locale_class] : names) {
        if (known == name) {
            return locale_class;
        }
    }
    return std::nullopt;
}

std::wstring_view name_of(LocaleClass locale_class) {
    // The first name of each class is its own.
    for (const auto& [known, named] : names) {
        if (named == locale_class) {
            return known;
        }
    }
    return {};
}

} // namespace varnel
