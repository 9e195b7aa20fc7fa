#pragma once
// The stretch of a newly made regex to select, so that suggestions for it appear at once.

#include "languages/IRegexFormatting.h"
#include "languages/IRegexLanguage.h"
#include "suggestions/Suggestion.h"

#include <memory>
#include <string>
#include <vector>

#include <boost/optional.hpp>

// The leftmost match of any row in the regex text as written, escapes included; of the rows whose
// matches begin there, the last in table order decides the end. Empty when no row finds anything.
// Precondition: formatting holds an object.
boost::optional<SelectionSuggestion>
make_selection_suggestion(const std::wstring& regex_text,
                          const std::vector<RegexDescription>& descriptions,
                          const std::shared_ptr<IRegexFormatting>& formatting);
