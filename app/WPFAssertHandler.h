#pragma once
// Reports a failed contract check to the user: which kind of check failed, where, and the call
// stack that led there. The process ends after the report (see common/DBC.h).

#include "app/FailureReport.h"
#include "varnel/common/DBC.h"

#include <string>

namespace varnel {

class WPFAssertHandler : public DBC::IAssertHandler {
public:
    void raise_assertion(Type type, const char* file, int line, const char* function) override;
};

// The report of one failed check; call_stack follows the file, line and function lines.
FailureReport make_assertion_report(DBC::IAssertHandler::Type type, const char* file, int line,
                                    const char* function, const std::wstring& call_stack);

// One line per frame of the calling thread's stack, innermost first.
std::wstring current_call_stack();

} // namespace varnel
