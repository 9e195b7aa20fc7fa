#include "varnel/common/DBC.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace varnel {

namespace DBC {

namespace {
std::atomic<IAssertHandler*> installed_handler{nullptr};
} // namespace

void set_assert_handler(IAssertHandler* handler) {
    installed_handler.store(handler);
}

namespace Detail {

void raise_assertion(IAssertHandler::Type type, const char* file, int line, const char* function) {
    if (IAssertHandler* handler = installed_handler.load()) {
        handler->raise_assertion(type, file, line, function);
    }
    // The program's state is unknown after a failed check: leave without running destructors.
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace Detail
} // namespace DBC

} // namespace varnel
