#pragma once
// The words of a failed contract check's report, shared by every front end.

#include "varnel/common/DBC.h"

#include <string>

namespace varnel {

struct AssertReport {
    std::wstring message; // "[Varnel] Precondition violation. Program terminated."
    std::wstring detail;  // "File: ...\nLine: ...\nFunction: ..."
};

AssertReport make_assert_report(DBC::IAssertHandler::Type type, const char* file, int line,
                                const char* function);

} // namespace varnel
