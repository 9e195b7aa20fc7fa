#pragma once
// The tables of the PCRE syntax.

#include "varnel/languages/IRegexLanguage.h"

namespace varnel {

class PcreLanguage : public IRegexLanguage {
public:
    std::vector<RegexDescription> regex_descriptions() const override;
    std::vector<LanguageElementDescription> special_elements() const override;
    std::vector<LanguageElementDescription> character_elements() const override;
    std::vector<LanguageElementDescription> string_elements() const override;
};

} // namespace varnel
