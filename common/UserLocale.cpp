#include "common/UserLocale.h"

#include <locale>
#include <stdexcept>

void install_user_locale() {
    try {
        const std::locale user("");
        if (user.name() != "C" && user.name() != "POSIX") {
            std::locale::global(user);
            return;
        }
    } catch (const std::runtime_error&) {
        // An unknown locale in the environment: fall back below.
    }
    std::locale::global(std::locale("C.UTF-8"));
}
