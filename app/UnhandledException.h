#pragma once
// Reports of exceptions that nothing in the application caught.

#include "app/FailureReport.h"

#include <exception>
#include <string>

namespace varnel {

// "[Varnel] <label> unhandled exception. Program terminated." with the exception's type and
// message as the detail.
FailureReport make_exception_report(const std::wstring& thread_label,
                                    const std::exception_ptr& exception);

// Shows the report of an exception that escaped the application's run, then returns.
void handle_unhandled_exception(const std::wstring& thread_label,
                                const std::exception_ptr& exception);

// The last-chance handler (installed with std::set_terminate): reports the exception that is
// ending the process, on whichever thread, then aborts.
[[noreturn]] void on_thread_unhandled_exception();

} // namespace varnel
