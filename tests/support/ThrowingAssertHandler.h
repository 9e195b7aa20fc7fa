#pragma once
// Tests install this handler so that a failed contract check throws instead of ending the process.

#include "varnel/common/DBC.h"

#include <stdexcept>
#include <string>

namespace varnel {

struct ContractViolation : std::logic_error {
    ContractViolation(DBC::IAssertHandler::Type type, const std::string& file, int line,
                      const std::string& function);

    DBC::IAssertHandler::Type type;
    std::string file;
    int line;
    std::string function;
};

class ThrowingAssertHandler : public DBC::IAssertHandler {
public:
    void raise_assertion(Type type, const char* file, int line, const char* function) override;
};

// Installs the throwing handler for the life of the object and restores "no handler" afterwards.
class ScopedThrowingAssertHandler {
public:
    ScopedThrowingAssertHandler();
    ~ScopedThrowingAssertHandler();
    ScopedThrowingAssertHandler(const ScopedThrowingAssertHandler&) = delete;
    ScopedThrowingAssertHandler& operator=(const ScopedThrowingAssertHandler&) = delete;

private:
    ThrowingAssertHandler handler;
};

// Expects statement to fail a contract check of the given kind.
#define EXPECT_CONTRACT_VIOLATION(statement, kind)                                                 \
    do {                                                                                           \
        ScopedThrowingAssertHandler varnel_throwing_handler;                                       \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no contract check failed in: " #statement;                           \
        } catch (const ContractViolation& violation) {                                             \
            EXPECT_EQ(violation.type, kind) << violation.what();                                   \
        }                                                                                          \
    } while (false)

} // namespace varnel
