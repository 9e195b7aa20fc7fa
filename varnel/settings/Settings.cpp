#include "varnel/settings/Settings.h"

namespace varnel {

namespace {

const std::wstring language_value_name = L"Language";

} // namespace

Settings::Settings() : language(Language::VisualStudio), key(L"Software\\Sorvexa\\Varnel\\1.0") {
    const std::optional<std::wstring> stored = key.get_string(language_value_name);
    if (const auto named = stored ? language_stored_as(*stored) : std::nullopt) {
        language = *named;
    }
}

Language Settings::get_language() const {
    return language;
}

void Settings::set_language(Language new_language) {
    language = new_language;
    key.set_string(language_value_name, std::wstring(names_of(language)->stored));
}

} // namespace varnel
