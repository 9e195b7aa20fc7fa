#pragma once
// Owns the tables, the writing rules and the reading of every language and hands them out by
// language. A new language is one line here (and its entry in Language.h).

#include "varnel/languages/IRegexFormatting.h"
#include "varnel/languages/IRegexLanguage.h"
#include "varnel/languages/IRegexSyntax.h"
#include "varnel/languages/Language.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace varnel {

class LanguageFactory {
public:
    LanguageFactory();

    // The reference forms are for immediate use; the pointer forms keep the object alive beyond
    // the factory.
    const IRegexLanguage& regex_language(Language language) const;
    const IRegexFormatting& regex_formatting(Language language) const;
    const IRegexSyntax& regex_syntax(Language language) const;
    std::shared_ptr<IRegexLanguage> regex_language_ptr(Language language) const;
    std::shared_ptr<IRegexFormatting> regex_formatting_ptr(Language language) const;

private:
    template <class Tables, class Formatting, class Syntax>
    void add(Language language) {
        language_map[language] = std::make_shared<Tables>();
        formatting_map[language] = std::make_shared<Formatting>();
        syntax_map[language] = std::make_shared<Syntax>();
    }

    std::map<Language, std::shared_ptr<IRegexLanguage>> language_map;
    std::map<Language, std::shared_ptr<IRegexFormatting>> formatting_map;
    std::map<Language, std::shared_ptr<const IRegexSyntax>> syntax_map;
};

} // namespace varnel
