#include "tests/support/ThrowingAssertHandler.h"

namespace varnel {

ContractViolation::ContractViolation(DBC::IAssertHandler::Type type, const std::string& file,
                                     int line, const std::string& function)
    : std::logic_error("contract violation in " + function + " at " + file + ":" +
                       std::to_string(line)),
      type(type), file(file), line(line), function(function) {}

void ThrowingAssertHandler::raise_assertion(Type type, const char* file, int line,
                                            const char* function) {
    throw ContractViolation(type, file, line, function);
}

ScopedThrowingAssertHandler::ScopedThrowingAssertHandler() {
    DBC::set_assert_handler(&handler);
}

ScopedThrowingAssertHandler::~ScopedThrowingAssertHandler() {
    DBC::set_assert_handler(nullptr);
}

} // namespace varnel
