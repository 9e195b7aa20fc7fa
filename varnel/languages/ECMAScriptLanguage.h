#pragma once
// The tables of the ECMAScript syntax.

#include "varnel/languages/IRegexLanguage.h"

namespace varnel {

class ECMAScriptLanguage : public IRegexLanguage {
public:
    std::vector<RegexDescription> regex_descriptions() const override;
    std::vector<LanguageElementDescription> special_elements() const override;
    std::vector<LanguageElementDescription> character_elements() const override;
    std::vector<LanguageElementDescription> string_elements() const override;
};

} // namespace varnel
