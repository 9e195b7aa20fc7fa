#include "languages/LanguageFactory.h"

#include "common/DBC.h"
#include "languages/ECMAScriptFormatting.h"
#include "languages/ECMAScriptLanguage.h"
#include "languages/VisualStudioFormatting.h"
#include "languages/VisualStudioLanguage.h"

#include <algorithm>

namespace {

bool is_valid_language(LanguageFactory::Language language) {
    const auto all = LanguageFactory::languages();
    return std::find(all.begin(), all.end(), language) != all.end();
}

} // namespace

LanguageFactory::LanguageFactory() {
    language_map[VisualStudio] = std::make_shared<VisualStudioLanguage>();
    language_map[ECMAScript] = std::make_shared<ECMAScriptLanguage>();
    formatting_map[VisualStudio] = std::make_shared<VisualStudioFormatting>();
    formatting_map[ECMAScript] = std::make_shared<ECMAScriptFormatting>();
}

std::vector<LanguageFactory::Language> LanguageFactory::languages() {
    std::vector<Language> result{VisualStudio, ECMAScript};
    DBC_POSTCONDITION(!result.empty());
    return result;
}

const IRegexLanguage& LanguageFactory::regex_language(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return *language_map.at(language);
}

const IRegexFormatting& LanguageFactory::regex_formatting(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return *formatting_map.at(language);
}

std::shared_ptr<IRegexLanguage> LanguageFactory::regex_language_ptr(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return language_map.at(language);
}

std::shared_ptr<IRegexFormatting> LanguageFactory::regex_formatting_ptr(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return formatting_map.at(language);
}
