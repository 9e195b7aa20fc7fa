#pragma once
// Contract checks. They guard against programming errors only and stay active in every build: a
// failed check is reported through the installed handler and ends the process with status 1.

#include <cstdint>

namespace varnel {

namespace DBC {

class IAssertHandler {
public:
    enum Type : std::int32_t { postcondition = 0, precondition = 1, check = 2, unreachable = 3 };

    // Reports one failed check. The process ends when this returns.
    virtual void raise_assertion(Type type, const char* file, int line, const char* function) = 0;
    virtual ~IAssertHandler() = default;
};

// Installs the process-wide handler; the caller keeps it alive. Null means: end without report.
void set_assert_handler(IAssertHandler* handler);

namespace Detail {
[[noreturn]] void raise_assertion(IAssertHandler::Type type, const char* file, int line,
                                  const char* function);
} // namespace Detail

} // namespace DBC

#define DBC_DETAIL_CHECK(type, cond)                                                               \
    ((cond)                                                                                        \
         ? static_cast<void>(0)                                                                    \
         : ::varnel::DBC::Detail::raise_assertion(type, __FILE__, __LINE__, __PRETTY_FUNCTION__))

#define DBC_PRECONDITION(cond) DBC_DETAIL_CHECK(::varnel::DBC::IAssertHandler::precondition, cond)
#define DBC_POSTCONDITION(cond) DBC_DETAIL_CHECK(::varnel::DBC::IAssertHandler::postcondition, cond)
#define DBC_CHECK(cond) DBC_DETAIL_CHECK(::varnel::DBC::IAssertHandler::check, cond)
#define DBC_UNREACHABLE()                                                                          \
    ::varnel::DBC::Detail::raise_assertion(::varnel::DBC::IAssertHandler::unreachable, __FILE__,   \
                                           __LINE__, __PRETTY_FUNCTION__)

} // namespace varnel
