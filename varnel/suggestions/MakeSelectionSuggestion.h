#pragma once
// The stretch of a newly made regex to select, so that suggestions for it appear at once.

#include "varnel/languages/IRegexFormatting.h"
#include "varnel/languages/IRegexLanguage.h"
#include "varnel/suggestions/Suggestion.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

// The leftmost match of any row in the regex text as written, escapes included; of the rows whose
// matches begin there, the last in table order decides the end. Empty when no row finds anything.
// Precondition: formatting holds an object.
std::optional<SelectionSuggestion>
make_selection_suggestion(const std::wstring& regex_text,
                          const std::vector<RegexDescription>& descriptions,
                          const std::shared_ptr<IRegexFormatting>& formatting);

} // namespace varnel
