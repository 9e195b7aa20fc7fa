#include "varnel/replace/LocaleClass.h"

#include <map>
#include <mutex>
#include <regex>
#include <utility>

namespace varnel {

namespace {

using Traits = std::regex_traits<wchar_t>;

CodeUnitRanges classify(const Traits& traits, Traits::char_class_type mask) {
    CodeUnitRanges ranges;
    bool inside = false;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const bool member = traits.isctype(static_cast<wchar_t>(unit), mask);
        if (member && inside) {
            ranges.back().last = static_cast<char16_t>(unit);
        } else if (member) {
            ranges.push_back({static_cast<char16_t>(unit), static_cast<char16_t>(unit)});
        }
        inside = member;
    }
    return ranges;
}

} // namespace

std::optional<CodeUnitRanges> locale_class(const std::wstring& name) {
    const Traits traits; // takes the global locale
    const Traits::char_class_type mask = traits.lookup_classname(name.begin(), name.end());
    if (mask == Traits::char_class_type()) {
        return std::nullopt;
    }
    // Classifying all 65,536 code units takes about a millisecond: keep each class per locale.
    // A locale built from facets has no name ("*") to keep it under, and is classified each time.
    const std::string locale_name = traits.getloc().name();
    if (locale_name == "*") {
        return classify(traits, mask);
    }
    static std::mutex mutex;
    static std::map<std::pair<std::string, std::wstring>, CodeUnitRanges> classes;
    const std::lock_guard lock(mutex);
    const auto [entry, added] = classes.try_emplace({locale_name, name});
    if (added) {
        entry->second = classify(traits, mask);
    }
    return entry->second;
}

CodeUnitRanges complement(const CodeUnitRanges& ranges) {
    CodeUnitRanges result;
    char32_t next = 0; // the first code unit not yet accounted for
    for (const CodeUnitRange& range : ranges) {
        if (range.first > next) {
            result.push_back({static_cast<char16_t>(next), static_cast<char16_t>(range.first - 1)});
        }
        next = static_cast<char32_t>(range.last) + 1;
    }
    if (next <= 0xFFFF) {
        result.push_back({static_cast<char16_t>(next), u'\xFFFF'});
    }
    return result;
}

} // namespace varnel
