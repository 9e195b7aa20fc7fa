#pragma once
// A rule, a regex and its format, carried over from one language to another: read by the first
// language's syntax and written piece by piece by the second's formatting. Given only when it is
// exact: the two regexes read as the same PCRE2 pattern and the two formats as the same pieces;
// otherwise the rule holds something the other language writes differently or not at all.

#include "varnel/languages/Language.h"
#include "varnel/languages/LanguageFactory.h"

#include <optional>
#include <string>

namespace varnel {

struct TranslatedRule {
    std::wstring regex;
    std::wstring format;

    bool operator==(const TranslatedRule&) const = default;
};

// None when the rule cannot be written exactly in language to, when the regex cannot be read in
// language from, or when the runner cannot read either language yet.
std::optional<TranslatedRule> translate_rule(const std::wstring& regex, const std::wstring& format,
                                             Language from, Language to,
                                             const LanguageFactory& languages);

} // namespace varnel
