#include "suggestions/MakeSelectionSuggestion.h"

#include "common/DBC.h"
#include "suggestions/RowMatcher.h"
#include "suggestions/SampleText.h"

boost::optional<SelectionSuggestion>
make_selection_suggestion(const std::wstring& regex_text,
                          const std::vector<RegexDescription>& descriptions,
                          const std::shared_ptr<IRegexFormatting>& formatting) {
    DBC_PRECONDITION(formatting != nullptr);
    SampleText text(regex_text);
    boost::optional<SelectionSuggestion> proposal;
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
