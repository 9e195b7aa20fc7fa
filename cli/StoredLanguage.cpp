#include "cli/StoredLanguage.h"

LanguageFactory::Language stored_language() {
    return LanguageFactory::VisualStudio;
}
