#include "varnel/suggestions/UnitClasses.h"

#include "varnel/common/DBC.h"

#include <map>
#include <regex>

namespace varnel {

namespace {

constexpr std::size_t first_class_code = 128;
constexpr std::size_t unit_count = 0x10000;

} // namespace

UnitClasses::UnitClasses(const std::locale& locale) {
    std::regex_traits<wchar_t> traits;
    traits.imbue(locale);
    std::array<std::regex_traits<wchar_t>::char_class_type, class_names.size()> masks;
    for (std::size_t k = 0; k < class_names.size(); ++k) {
        const std::wstring name = class_names[k];
        masks[k] = traits.lookup_classname(name.begin(), name.end());
    }
    // The code of each combination of classes, in the order the units first show it.
    std::map<unsigned, char16_t> combinations;
    std::vector<char16_t> result(unit_count);
    for (std::size_t unit = 0; unit < unit_count; ++unit) {
        unsigned combination = 0;
        for (std::size_t k = 0; k < class_names.size(); ++k) {
            if (traits.isctype(static_cast<wchar_t>(unit), masks[k])) {
                combination |= 1u << k;
            }
        }
        std::size_t code = unit;
        if (unit >= first_class_code) {
            const auto [entry, added] = combinations.try_emplace(
                combination, static_cast<char16_t>(first_class_code + combinations.size()));
            if (entry->second >= members[0].size()) {
                return;
            }
            code = entry->second;
        }
        result[unit] = static_cast<char16_t>(code);
        for (std::size_t k = 0; k < class_names.size(); ++k) {
            if ((combination >> k) & 1u) {
                members[k].set(code);
            }
        }
    }
    codes = std::move(result);
}

std::optional<std::u16string> UnitClasses::codes_of(std::wstring_view text) const {
    DBC_PRECONDITION(usable());
    std::u16string result(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::size_t>(text[i]);
        if (unit >= unit_count) {
            return std::nullopt;
        }
        result[i] = codes[unit];
    }
    return result;
}

std::optional<UnitClasses::Codes> UnitClasses::class_codes(const std::wstring& name) const {
    for (std::size_t k = 0; k < class_names.size(); ++k) {
        if (name == class_names[k]) {
            return members[k];
        }
    }
    return std::nullopt;
}

} // namespace varnel
