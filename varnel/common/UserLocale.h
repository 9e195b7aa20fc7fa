#pragma once

namespace varnel {

// Installs the user's locale as the global C++ locale, so that letter classes know accented
// letters. Falls back to "C.UTF-8" when the user's locale is "C", "POSIX" or cannot be loaded.
void install_user_locale();

} // namespace varnel
