#pragma once
// Everything "Make regular expression" shows, worked out apart from the window so that it can be
// worked out on another thread: the regex and the format string as styled blocks, and the stretch
// of the regex to select first.

#include "languages/IRegexFormatting.h"
#include "languages/IRegexLanguage.h"
#include "languages/PrettyFormatBlock.h"
#include "suggestions/Suggestion.h"

#include <memory>
#include <string>
#include <vector>

#include <boost/optional.hpp>

struct MadeRegex {
    std::vector<PrettyFormatBlock> regex;
    std::vector<PrettyFormatBlock> format;
    boost::optional<SelectionSuggestion> selection;
};

// Precondition: formatting holds an object.
MadeRegex make_regex_to_show(const std::wstring& search, const std::wstring& replace,
                             const IRegexLanguage& language,
                             const std::shared_ptr<IRegexFormatting>& formatting);
