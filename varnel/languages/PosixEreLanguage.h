#pragma once
// The tables of the POSIX ERE syntax.

#include "varnel/languages/IRegexLanguage.h"

namespace varnel {

class PosixEreLanguage : public IRegexLanguage {
public:
    std::vector<RegexDescription> regex_descriptions() const override;
    std::vector<LanguageElementDescription> special_elements() const override;
    std::vector<LanguageElementDescription> character_elements() const override;
    std::vector<LanguageElementDescription> string_elements() const override;
};

} // namespace varnel
