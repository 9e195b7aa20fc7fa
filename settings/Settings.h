#pragma once
// The language the user works in, remembered between runs in the user's settings store.

#include "languages/LanguageFactory.h"
#include "settings/UserRegistryKey.h"

class Settings {
public:
    // Reads the stored language; any problem with the store leaves Visual Studio.
    Settings();

    LanguageFactory::Language get_language() const;
    // Keeps the language and writes it to the store at once; a failed write is ignored.
    void set_language(LanguageFactory::Language language);

private:
    LanguageFactory::Language language;
    UserRegistryKey key;
};
