#pragma once
// One key of the current user's settings store: string values by name under a key path such as
// "Software\Sorvexa\Varnel\1.0". The store is an INI file in the user's configuration directory.
// A store file that is not a regular file of at most 1 MiB is not ours: it is neither read nor
// written.

#include <optional>
#include <string>

namespace varnel {

class UserRegistryKey {
public:
    explicit UserRegistryKey(const std::wstring& key_path);

    // The named value's text; nothing when the store, the key or the value is missing or
    // unreadable, when the value is not a plain string, or when it is longer than 9999 characters.
    // Lines of the store that cannot be parsed do not hide the values that can.
    std::optional<std::wstring> get_string(const std::wstring& name) const;
    // Writes the text as a string value, creating the key as needed; true on success, false when
    // the store file is not ours.
    bool set_string(const std::wstring& name, const std::wstring& text) const;

private:
    std::wstring key_path;
};

} // namespace varnel
