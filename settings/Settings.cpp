#include "settings/Settings.h"

namespace {

const std::wstring language_value_name = L"Language";
const std::wstring visual_studio_text = L"VisualStudio";
const std::wstring ecmascript_text = L"ECMAScript";

} // namespace

Settings::Settings()
    : language(LanguageFactory::Language::VisualStudio), key(L"Software\\Sorvexa\\Varnel\\1.0") {
    const boost::optional<std::wstring> stored = key.get_string(language_value_name);
    if (stored && *stored == ecmascript_text) {
        language = LanguageFactory::Language::ECMAScript;
    }
}

LanguageFactory::Language Settings::get_language() const {
    return language;
}

void Settings::set_language(LanguageFactory::Language new_language) {
    language = new_language;
    key.set_string(language_value_name, language == LanguageFactory::Language::VisualStudio
                                            ? visual_studio_text
                                            : ecmascript_text);
}
