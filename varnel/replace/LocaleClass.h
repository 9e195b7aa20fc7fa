#pragma once
// The code units a character class of the standard library's regular expressions holds under the
// global C++ locale, as ranges. PCRE2 is given these ranges, so that it classifies letters, digits
// and spaces exactly as std::wregex and the language tables' matchers do.

#include <optional>
#include <string>
#include <vector>

namespace varnel {

struct CodeUnitRange {
    char16_t first;
    char16_t last;

    bool operator==(const CodeUnitRange&) const = default;
};

// Sorted, disjoint and not adjacent.
using CodeUnitRanges = std::vector<CodeUnitRange>;

// The class named as inside "[[:alpha:]]" (alnum, alpha, blank, cntrl, digit, graph, lower,
// print, punct, space, upper, xdigit) or by the escapes \d, \w and \s ("d", "w", "s"), taken from
// the global locale of the moment; none when the name is unknown.
std::optional<CodeUnitRanges> locale_class(const std::wstring& name);

// Every code unit that ranges leave out.
CodeUnitRanges complement(const CodeUnitRanges& ranges);

} // namespace varnel
