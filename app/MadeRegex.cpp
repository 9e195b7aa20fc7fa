#include "app/MadeRegex.h"

#include "varnel/common/DBC.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/suggestions/MakeSelectionSuggestion.h"

namespace varnel {

MadeRegex make_regex_to_show(const std::wstring& search, const std::wstring& replace,
                             const IRegexLanguage& language,
                             const std::shared_ptr<IRegexFormatting>& formatting) {
    DBC_PRECONDITION(formatting != nullptr);
    const ReplaceRegex result = make_replace_regex(search, replace, *formatting);
    return {formatting->pretty_format_regex(result.regex),
            formatting->pretty_format_format(result.format),
            make_selection_suggestion(result.regex, language.regex_descriptions(), formatting)};
}

} // namespace varnel
