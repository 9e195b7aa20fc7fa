#pragma once
// Everything "Make regular expression" shows, worked out apart from the window so that it can be
// worked out on another thread: the regex and the format string as styled blocks, and the stretch
// of the regex to select first.

#include "varnel/languages/IRegexFormatting.h"
#include "varnel/languages/IRegexLanguage.h"
#include "varnel/languages/PrettyFormatBlock.h"
#include "varnel/suggestions/Suggestion.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

struct MadeRegex {
    std::vector<PrettyFormatBlock> regex;
    std::vector<PrettyFormatBlock> format;
    std::optional<SelectionSuggestion> selection;
};

// Precondition: formatting holds an object.
MadeRegex make_regex_to_show(const std::wstring& search, const std::wstring& replace,
                             const IRegexLanguage& language,
                             const std::shared_ptr<IRegexFormatting>& formatting);

} // namespace varnel
