#pragma once
// The language the user works in, remembered between runs in the user's settings store.

#include "varnel/languages/Language.h"
#include "varnel/settings/UserRegistryKey.h"

namespace varnel {

class Settings {
public:
    // Reads the stored language; any problem with the store leaves Visual Studio.
    Settings();

    Language get_language() const;
    // Keeps the language and writes it to the store at once; a failed write is ignored.
    void set_language(Language language);

private:
    Language language;
    UserRegistryKey key;
};

} // namespace varnel
