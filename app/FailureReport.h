#pragma once
// The one way failures reach the user: a modal report with a headline and a detail, also written
// to standard error so that it survives when no window can be shown.

#include <string>

namespace varnel {

struct FailureReport {
    std::wstring message;
    std::wstring detail;
};

// Writes the report to standard error, then, when the application object exists, shows it modally
// on the application's thread, also when called on another thread (a failed check in background
// work). Returns when the report has been dismissed, or when the application's thread has not
// taken it up within a few seconds. A caller on another thread ends the process then: the
// application's thread holds still once the report is dismissed.
void show_failure_report(const FailureReport& report);

} // namespace varnel
