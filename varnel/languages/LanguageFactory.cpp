#include "varnel/languages/LanguageFactory.h"

#include "varnel/common/DBC.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/ECMAScriptLanguage.h"
#include "varnel/languages/ECMAScriptSyntax.h"
#include "varnel/languages/JavaScriptFormatting.h"
#include "varnel/languages/JavaScriptLanguage.h"
#include "varnel/languages/JavaScriptSyntax.h"
#include "varnel/languages/PcreFormatting.h"
#include "varnel/languages/PcreLanguage.h"
#include "varnel/languages/PcreSyntax.h"
#include "varnel/languages/PosixEreFormatting.h"
#include "varnel/languages/PosixEreLanguage.h"
#include "varnel/languages/PosixEreSyntax.h"
#include "varnel/languages/PythonFormatting.h"
#include "varnel/languages/PythonLanguage.h"
#include "varnel/languages/PythonSyntax.h"
#include "varnel/languages/VisualStudioFormatting.h"
#include "varnel/languages/VisualStudioLanguage.h"
#include "varnel/languages/VisualStudioSyntax.h"

namespace varnel {

namespace {

bool is_valid_language(Language language) {
    return names_of(language) != nullptr;
}

} // namespace

LanguageFactory::LanguageFactory() {
    add<VisualStudioLanguage, VisualStudioFormatting, VisualStudioSyntax>(Language::VisualStudio);
    add<ECMAScriptLanguage, ECMAScriptFormatting, ECMAScriptSyntax>(Language::ECMAScript);
    add<JavaScriptLanguage, JavaScriptFormatting, JavaScriptSyntax>(Language::JavaScript);
    add<PcreLanguage, PcreFormatting, PcreSyntax>(Language::PCRE);
    add<PythonLanguage, PythonFormatting, PythonSyntax>(Language::Python);
    add<PosixEreLanguage, PosixEreFormatting, PosixEreSyntax>(Language::PosixERE);
}

const IRegexLanguage& LanguageFactory::regex_language(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return *language_map.at(language);
}

const IRegexFormatting& LanguageFactory::regex_formatting(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return *formatting_map.at(language);
}

const IRegexSyntax& LanguageFactory::regex_syntax(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return *syntax_map.at(language);
}

std::shared_ptr<IRegexLanguage> LanguageFactory::regex_language_ptr(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return language_map.at(language);
}

std::shared_ptr<IRegexFormatting> LanguageFactory::regex_formatting_ptr(Language language) const {
    DBC_PRECONDITION(is_valid_language(language));
    return formatting_map.at(language);
}

} // namespace varnel
