#include "varnel/pattern/LocaleClasses.h"

#include "varnel/common/DBC.h"

#include <map>
#include <mutex>
#include <regex>

namespace varnel {

namespace {

using Traits = std::regex_traits<wchar_t>;

constexpr std::size_t first_class_code = 128;
constexpr std::size_t unit_count = 0x10000;
// The classes a unit's combination records: every class but Word, which is Alnum and "_".
constexpr std::size_t recorded_classes = static_cast<std::size_t>(LocaleClass::Word);

std::size_t bit_of(LocaleClass locale_class) {
    DBC_PRECONDITION(locale_class != LocaleClass::Word);
    return static_cast<std::size_t>(locale_class);
}

} // namespace

LocaleClasses::LocaleClasses(const std::locale& locale)
    : name(locale.name()), combinations(unit_count), codes(unit_count), members(recorded_classes) {
    Traits traits;
    traits.imbue(locale);
    std::vector<Traits::char_class_type> masks;
    for (std::size_t k = 0; k < recorded_classes; ++k) {
        const std::wstring_view class_name = name_of(static_cast<LocaleClass>(k));
        masks.push_back(traits.lookup_classname(class_name.begin(), class_name.end()));
    }
    // The code of each combination of classes, in the order the units first show it.
    std::map<std::uint16_t, char16_t> combination_codes;
    for (std::size_t unit = 0; unit < unit_count; ++unit) {
        std::uint16_t combination = 0;
        for (std::size_t k = 0; k < recorded_classes; ++k) {
            if (traits.isctype(static_cast<wchar_t>(unit), masks[k])) {
                combination |= static_cast<std::uint16_t>(1u << k);
            }
        }
        combinations[unit] = combination;
        std::size_t code = unit;
        if (unit >= first_class_code) {
            const auto [entry, added] = combination_codes.try_emplace(
                combination, static_cast<char16_t>(first_class_code + combination_codes.size()));
            code = entry->second;
        }
        if (code >= Codes().size()) {
            usable = false;
            continue;
        }
        codes[unit] = static_cast<char16_t>(code);
        for (std::size_t k = 0; k < recorded_classes; ++k) {
            if ((combination >> k) & 1u) {
                members[k].set(code);
            }
        }
    }
}

std::shared_ptr<const LocaleClasses> LocaleClasses::of(const std::locale& locale) {
    if (locale.name() == "*") {
        return std::make_shared<const LocaleClasses>(locale);
    }
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const LocaleClasses>> known;
    const std::lock_guard lock(mutex);
    auto& classes = known[locale.name()];
    if (!classes) {
        classes = std::make_shared<const LocaleClasses>(locale);
    }
    return classes;
}

bool LocaleClasses::is_member(std::size_t unit, LocaleClass locale_class) const {
    if (locale_class == LocaleClass::Word) {
        return unit == u'_' || is_member(unit, LocaleClass::Alnum);
    }
    return ((combinations[unit] >> bit_of(locale_class)) & 1u) != 0;
}

CodeUnitRanges LocaleClasses::ranges(LocaleClass locale_class) const {
    CodeUnitRanges result;
    bool inside = false;
    for (std::size_t unit = 0; unit < unit_count; ++unit) {
        const bool member = is_member(unit, locale_class);
        if (member && inside) {
            result.back().last = static_cast<char16_t>(unit);
        } else if (member) {
            result.push_back({static_cast<char16_t>(unit), static_cast<char16_t>(unit)});
        }
        inside = member;
    }
    return result;
}

std::optional<std::u16string> LocaleClasses::codes_of(std::wstring_view text) const {
    DBC_PRECONDITION(usable);
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

LocaleClasses::Codes LocaleClasses::class_codes(LocaleClass locale_class) const {
    if (locale_class == LocaleClass::Word) {
        Codes word = members[bit_of(LocaleClass::Alnum)];
        word.set(u'_');
        return word;
    }
    return members[bit_of(locale_class)];
}

} // namespace varnel
