#pragma once
// The one way failures reach the user: a modal report with a headline and a detail, also written
// to standard error so that it survives when no window can be shown.

#include <string>

struct FailureReport {
    std::wstring message;
    std::wstring detail;
};

// Writes the report to standard error, then shows it modally when the application object exists
// and this is its thread. Returns when the report has been dismissed.
void show_failure_report(const FailureReport& report);
