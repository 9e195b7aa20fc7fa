#include "varnel/core/MakeReplaceRegex.h"

#include "varnel/common/DBC.h"
#include "varnel/core/GSTMake.h"
#include "varnel/core/GreedyParting.h"
#include "varnel/core/PartedStrings.h"
#include "varnel/core/PartedStringsToRegex.h"

#include <cstddef>
#include <set>

namespace varnel {

namespace {

// From this many code units in both samples together the greedy parting engine is faster than
// the suffix tree with the candidate walk, whose cost grows with the cube of the length (see
// docs/performance.md); both give the same parts.
constexpr std::size_t engine_from_length = 16;

PartedStrings part_with_candidates(const std::wstring& search, const std::wstring& replace,
                                   unsigned int max_groups) {
    std::set<std::wstring> common;
    if (!replace.empty()) {
        common = GST::common_substrings(GST::make({search, replace}));
    }
    return PartedStrings(search, replace, common, max_groups);
}

} // namespace

ReplaceRegex make_replace_regex(const std::wstring& search, const std::wstring& replace,
                                const IRegexFormatting& formatting) {
    PartingWorkspace workspace;
    return make_replace_regex(search, replace, formatting, workspace);
}

ReplaceRegex make_replace_regex(const std::wstring& search, const std::wstring& replace,
                                const IRegexFormatting& formatting, PartingWorkspace& workspace) {
    DBC_PRECONDITION(!search.empty());
    // No more groups than the language's format strings can refer to.
    const unsigned int max_groups = formatting.max_back_reference();
    const PartedStrings parted = search.size() + replace.size() < engine_from_length
                                     ? part_with_candidates(search, replace, max_groups)
                                     : greedy_parting(search, replace, max_groups, workspace);
    return parted_strings_to_regex(parted, formatting);
}

} // namespace varnel
