#include "varnel/common/UserLocale.h"

#include <locale>
#include <stdexcept>

namespace varnel {

void install_user_locale() {
    try {
        const std::locale user("");
        if (user.name() != "C" && user.name() != "POSIX") {
            std::locale::global(user);
            return;
        }
    } catch (const std::runtime_error&) {
        // The environment names a locale that is not installed: fall back below.
    }
    try {
        std::locale::global(std::locale("C.UTF-8"));
    } catch (const std::runtime_error&) {
        // Without C.UTF-8 the classic locale stays.
    }
}

} // namespace varnel
