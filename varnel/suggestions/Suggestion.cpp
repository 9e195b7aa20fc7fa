#include "varnel/suggestions/Suggestion.h"

namespace varnel {

Suggestion::Suggestion(const std::vector<std::shared_ptr<ISuggestionElement>>& elements)
    : elements(elements) {}

std::wstring Suggestion::regex() const {
    std::wstring result;
    for (const auto& element : elements) {
        result += element->regex();
    }
    return result;
}

std::wstring Suggestion::long_description() const {
    return elements.size() == 1 ? elements.front()->long_description() : short_description();
}

std::wstring Suggestion::short_description() const {
    // The space depends on what has been written so far, not on the element's position: an
    // element with an empty description at the front adds nothing.
    std::wstring result;
    for (const auto& element : elements) {
        if (!result.empty()) {
            result += L' ';
        }
        result += element->short_description();
    }
    return result;
}

} // namespace varnel
