#include "suggestions/MakeSelectionSuggestion.h"

#include "common/DBC.h"

#include <regex>

boost::optional<SelectionSuggestion>
make_selection_suggestion(const std::wstring& regex_text,
                          const std::vector<RegexDescription>& descriptions,
                          const std::shared_ptr<IRegexFormatting>& formatting) {
    DBC_PRECONDITION(formatting != nullptr);
    boost::optional<SelectionSuggestion> proposal;
    for (const auto& row : descriptions) {
        std::wsmatch match;
        if (!std::regex_search(regex_text, match, row.matcher)) {
            continue;
        }
        const auto start = static_cast<std::wstring::size_type>(match.position(0));
        if (!proposal || start <= proposal->start) {
            proposal = SelectionSuggestion{
                start, start + static_cast<std::wstring::size_type>(match.length(0))};
        }
    }
    if (proposal) {
        DBC_POSTCONDITION(proposal->start <= regex_text.size());
        DBC_POSTCONDITION(proposal->end <= regex_text.size());
        DBC_POSTCONDITION(proposal->start <= proposal->end);
    }
    return proposal;
}
