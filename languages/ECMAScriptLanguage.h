#pragma once
// The tables of the ECMAScript syntax.

#include "languages/IRegexLanguage.h"

class ECMAScriptLanguage : public IRegexLanguage {
public:
    std::vector<RegexDescription> regex_descriptions() const override;
    std::vector<LanguageElementDescription> special_elements() const override;
    std::vector<LanguageElementDescription> character_elements() const override;
    std::vector<LanguageElementDescription> string_elements() const override;
};
