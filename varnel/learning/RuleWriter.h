#pragma once
// Writes a frame and a format plan as a regex and a format string of one language.

#include "varnel/core/ReplaceRegex.h"
#include "varnel/languages/IRegexFormatting.h"
#include "varnel/learning/FormatPlan.h"

#include <optional>
#include <vector>

namespace varnel {

// A capturing group around each source the plan copies, nothing else captured. Empty when two
// of the sources overlap without one holding the other, or when the format would need more
// groups than the language can refer to.
std::optional<ReplaceRegex> write_rule(const Frame& frame, const FormatPlan& plan,
                                       const std::vector<Example>& examples,
                                       const CharacterKinds& kinds,
                                       const IRegexFormatting& formatting);

} // namespace varnel
