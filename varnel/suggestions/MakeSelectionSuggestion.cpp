#include "varnel/suggestions/MakeSelectionSuggestion.h"

#include "varnel/common/DBC.h"
#include "varnel/suggestions/RowMatcher.h"
#include "varnel/suggestions/SampleText.h"

namespace varnel {

std::optional<SelectionSuggestion>
make_selection_suggestion(const std::wstring& regex_text,
                          const std::vector<RegexDescription>& descriptions,
                          const std::shared_ptr<IRegexFormatting>& formatting) {
    DBC_PRECONDITION(formatting != nullptr);
    SampleText text(regex_text);
    std::optional<SelectionSuggestion> proposal;
    for (const auto& row : descriptions) {
        const auto match = RowMatcher::of(row)->search(text, 0, regex_text.size(), false);
        if (match && (!proposal || match->begin <= proposal->start)) {
            proposal = SelectionSuggestion{match->begin, match->end};
        }
    }
    if (proposal) {
        DBC_POSTCONDITION(proposal->start <= regex_text.size());
        DBC_POSTCONDITION(proposal->end <= regex_text.size());
        DBC_POSTCONDITION(proposal->start <= proposal->end);
    }
    return proposal;
}

} // namespace varnel
