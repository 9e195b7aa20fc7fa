#include "app/UnhandledException.h"

#include "varnel/common/StringToWString.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace varnel {

namespace {

std::wstring type_name(const std::type_info* type) {
    if (type == nullptr) {
        return L"unknown exception";
    }
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return string_to_wstring(status == 0 && demangled ? demangled.get() : type->name());
}

std::wstring describe(const std::exception_ptr& exception) {
    if (!exception) {
        return L"No exception object.";
    }
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& error) {
        return type_name(&typeid(error)) + L": " + string_to_wstring(error.what());
    } catch (...) {
        return type_name(abi::__cxa_current_exception_type());
    }
}

} // namespace

FailureReport make_exception_report(const std::wstring& thread_label,
                                    const std::exception_ptr& exception) {
    return {L"[Varnel] " + thread_label + L" unhandled exception. Program terminated.",
            describe(exception)};
}

void handle_unhandled_exception(const std::wstring& thread_label,
                                const std::exception_ptr& exception) {
    show_failure_report(make_exception_report(thread_label, exception));
}

void on_thread_unhandled_exception() {
    show_failure_report(make_exception_report(L"Thread", std::current_exception()));
    std::abort();
}

} // namespace varnel
