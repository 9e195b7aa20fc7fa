#include "varnel/languages/UnicodeProperty.h"

#include "varnel/common/CodeUnits.h"

#include <algorithm>
#include <utility>

namespace varnel {

namespace {

using Item = CharSet::Item;

// The general categories, short name and long; "LC" is written "L&" by PCRE2.
const std::pair<const wchar_t*, const wchar_t*> categories[] = {
    {L"L", L"Letter"},
    {L"L&", L"Cased_Letter"},
    {L"Lu", L"Uppercase_Letter"},
    {L"Ll", L"Lowercase_Letter"},
    {L"Lt", L"Titlecase_Letter"},
    {L"Lm", L"Modifier_Letter"},
    {L"Lo", L"Other_Letter"},
    {L"M", L"Mark"},
    {L"Mn", L"Nonspacing_Mark"},
    {L"Mc", L"Spacing_Mark"},
    {L"Me", L"Enclosing_Mark"},
    {L"N", L"Number"},
    {L"Nd", L"Decimal_Number"},
    {L"Nl", L"Letter_Number"},
    {L"No", L"Other_Number"},
    {L"P", L"Punctuation"},
    {L"Pc", L"Connector_Punctuation"},
    {L"Pd", L"Dash_Punctuation"},
    {L"Ps", L"Open_Punctuation"},
    {L"Pe", L"Close_Punctuation"},
    {L"Pi", L"Initial_Punctuation"},
    {L"Pf", L"Final_Punctuation"},
    {L"Po", L"Other_Punctuation"},
    {L"S", L"Symbol"},
    {L"Sm", L"Math_Symbol"},
    {L"Sc", L"Currency_Symbol"},
    {L"Sk", L"Modifier_Symbol"},
    {L"So", L"Other_Symbol"},
    {L"Z", L"Separator"},
    {L"Zs", L"Space_Separator"},
    {L"Zl", L"Line_Separator"},
    {L"Zp", L"Paragraph_Separator"},
    {L"C", L"Other"},
    {L"Cc", L"Control"},
    {L"Cf", L"Format"},
    {L"Cs", L"Surrogate"},
    {L"Co", L"Private_Use"},
    {L"Cn", L"Unassigned"},
};

CharSet property_set(const std::wstring& property, bool complement = false) {
    return CharSet{false,
                   {Item::of_property(std::string(property.begin(), property.end()), complement)}};
}

std::optional<std::wstring> category_named(const std::wstring& name) {
    const std::wstring short_name = name == L"LC" ? L"L&" : name;
    for (const auto& [abbreviation, long_name] : categories) {
        if (short_name == abbreviation || name == long_name) {
            return abbreviation;
        }
    }
    return std::nullopt;
}

bool plain_name(const std::wstring& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](wchar_t c) {
        return is_ascii_letter(c) || is_ascii_digit(c) || c == L'_';
    });
}

} // namespace

std::variant<CharSet, std::wstring> unicode_property(const std::wstring& name) {
    const std::size_t equals = name.find(L'=');
    const std::wstring key = name.substr(0, equals);
    const std::wstring value = equals == std::wstring::npos ? L"" : name.substr(equals + 1);
    const std::wstring unknown = L"unknown Unicode property " + name;
    if (equals == std::wstring::npos) {
        if (const auto category = category_named(name)) {
            return property_set(*category);
        }
        if (name == L"ASCII") {
            return CharSet{false, {Item::range(0, 0x7F)}};
        }
        if (name == L"Assigned") {
            return property_set(L"Cn", true);
        }
        if (!plain_name(name)) {
            return unknown;
        }
        // A binary property or, in Perl, a script: PCRE2 knows them by the same names.
        return property_set(name);
    }
    if (key == L"General_Category" || key == L"gc") {
        if (const auto category = category_named(value)) {
            return property_set(*category);
        }
    } else if ((key == L"Script" || key == L"sc") && plain_name(value)) {
        return property_set(L"sc:" + value);
    } else if ((key == L"Script_Extensions" || key == L"scx") && plain_name(value)) {
        return property_set(L"scx:" + value);
    }
    return unknown;
}

} // namespace varnel
