#pragma once

#include "varnel/core/PartedStrings.h"
#include "varnel/core/ReplaceRegex.h"
#include "varnel/languages/IRegexFormatting.h"

namespace varnel {

// The regex from the search parts (one group per Common part) and the format from the replacement
// parts (one back reference per Common part, numbered by the group's place in the regex).
ReplaceRegex parted_strings_to_regex(const PartedStrings& parted,
                                     const IRegexFormatting& formatting);

} // namespace varnel
