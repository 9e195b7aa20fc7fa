#pragma once
// The tables of the Python syntax.

#include "varnel/languages/IRegexLanguage.h"

namespace varnel {

class PythonLanguage : public IRegexLanguage {
public:
    std::vector<RegexDescription> regex_descriptions() const override;
    std::vector<LanguageElementDescription> special_elements() const override;
    std::vector<LanguageElementDescription> character_elements() const override;
    std::vector<LanguageElementDescription> string_elements() const override;
};

} // namespace varnel
