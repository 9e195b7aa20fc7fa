#include "core/MakeReplaceRegex.h"

#include "common/DBC.h"
#include "core/GSTMake.h"
#include "core/PartedStrings.h"
#include "core/PartedStringsToRegex.h"

#include <set>

ReplaceRegex make_replace_regex(const std::wstring& search, const std::wstring& replace,
                                const IRegexFormatting& formatting) {
    DBC_PRECONDITION(!search.empty());
    std::set<std::wstring> common;
    if (!replace.empty()) {
        common = GST::common_substrings(GST::make({search, replace}));
    }
    // No more groups than the language's format strings can refer to.
    const PartedStrings parted(search, replace, common, formatting.max_back_reference());
    return parted_strings_to_regex(parted, formatting);
}
