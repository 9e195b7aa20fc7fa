#pragma once
// A named pattern's matcher for PCRE2: the ECMAScript pattern, as std::wregex reads it, written
// for the codes of UnitClasses. Only what the language tables use is translated: literal units
// below 128, escaped punctuation, bracket expressions of such units, ranges and named classes,
// groups, alternatives and the greedy quantifiers +, * and ?. A pattern with anything else
// (anchors, assertions, back references, ".", other escapes, counted repetitions, units from 128
// up) is not translated, and its std::wregex runs as before.

#include "varnel/suggestions/UnitClasses.h"

#include <optional>
#include <string>

namespace varnel {

std::optional<std::u16string> translate_matcher(const std::wstring& pattern,
                                                const UnitClasses& classes);

} // namespace varnel
