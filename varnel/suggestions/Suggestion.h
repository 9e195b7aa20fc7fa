#pragma once
// A proposal to replace the selected part of a regex, and the range of a new regex to select.

#include "varnel/suggestions/SuggestionElements.h"

#include <memory>
#include <string>
#include <vector>

namespace varnel {

// Copies share their elements, which never change.
class Suggestion {
public:
    explicit Suggestion(const std::vector<std::shared_ptr<ISuggestionElement>>& elements);

    // The elements' regexes run together: the text that replaces the selection.
    std::wstring regex() const;
    // The element's own description when there is one element, else the short description.
    std::wstring long_description() const;
    // The elements' short descriptions, separated by single spaces.
    std::wstring short_description() const;

    std::vector<std::shared_ptr<ISuggestionElement>> elements;
};

// Offsets in UTF-16 code units into the regex text; start <= end <= its length.
struct SelectionSuggestion {
    std::wstring::size_type start = 0;
    std::wstring::size_type end = 0;
};

} // namespace varnel
