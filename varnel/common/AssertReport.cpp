#include "varnel/common/AssertReport.h"

#include "varnel/common/StringToWString.h"

#include <boost/format.hpp>

namespace varnel {

namespace {

const wchar_t* report_text(DBC::IAssertHandler::Type type) {
    switch (type) {
    case DBC::IAssertHandler::postcondition:
        return L"Postcondition violation.";
    case DBC::IAssertHandler::precondition:
        return L"Precondition violation.";
    case DBC::IAssertHandler::check:
        return L"Check failed.";
    case DBC::IAssertHandler::unreachable:
        return L"Unreachable code.";
    }
    // The report is already on its way out of the process: name the unknown kind, do not recurse.
    return L"Unknown contract violation.";
}

} // namespace

AssertReport make_assert_report(DBC::IAssertHandler::Type type, const char* file, int line,
                                const char* function) {
    const std::string detail =
        (boost::format("File: %1%\nLine: %2%\nFunction: %3%") % file % line % function).str();
    return {std::wstring(L"[Varnel] ") + report_text(type) + L" Program terminated.",
            string_to_wstring(detail)};
}

} // namespace varnel
