#pragma once
// Owns the tables and the writing rules of every language and hands them out by language.

#include "languages/IRegexFormatting.h"
#include "languages/IRegexLanguage.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class LanguageFactory {
public:
    // Stored by the settings and offered by the "Language" menu in this order.
    enum Language : std::int32_t { VisualStudio = 0, ECMAScript = 1 };

    LanguageFactory();

    static std::vector<Language> languages();

    // The reference forms are for immediate use; the pointer forms keep the object alive beyond
    // the factory.
    const IRegexLanguage& regex_language(Language language) const;
    const IRegexFormatting& regex_formatting(Language language) const;
    std::shared_ptr<IRegexLanguage> regex_language_ptr(Language language) const;
    std::shared_ptr<IRegexFormatting> regex_formatting_ptr(Language language) const;

private:
    std::map<Language, std::shared_ptr<IRegexLanguage>> language_map;
    std::map<Language, std::shared_ptr<IRegexFormatting>> formatting_map;
};
