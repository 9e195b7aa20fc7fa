#include "app/WPFAssertHandler.h"

#include "varnel/common/AssertReport.h"
#include "varnel/common/StringToWString.h"

#include <cstdlib>
#include <cxxabi.h>
#include <execinfo.h>
#include <memory>

namespace varnel {

namespace {

// A frame reads "binary(mangled+0x1f) [0x...]"; the mangled name is made readable when it can be.
std::string readable_frame(const char* frame) {
    std::string text = frame;
    const auto open = text.find('(');
    const auto plus = text.find('+', open);
    if (open == std::string::npos || plus == std::string::npos || plus == open + 1) {
        return text;
    }
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(text.substr(open + 1, plus - open - 1).c_str(), nullptr, nullptr,
                            &status),
        &std::free);
    if (status != 0 || !demangled) {
        return text;
    }
    return text.substr(0, open + 1) + demangled.get() + text.substr(plus);
}

} // namespace

void WPFAssertHandler::raise_assertion(Type type, const char* file, int line,
                                       const char* function) {
    show_failure_report(make_assertion_report(type, file, line, function, current_call_stack()));
}

FailureReport make_assertion_report(DBC::IAssertHandler::Type type, const char* file, int line,
                                    const char* function, const std::wstring& call_stack) {
    const AssertReport report = make_assert_report(type, file, line, function);
    return {report.message, report.detail + L"\n" + call_stack};
}

std::wstring current_call_stack() {
    constexpr int max_frames = 64;
    void* frames[max_frames];
    const int count = backtrace(frames, max_frames);
    const std::unique_ptr<char*, decltype(&std::free)> symbols(backtrace_symbols(frames, count),
                                                               &std::free);
    if (!symbols) {
        return {};
    }
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += readable_frame(symbols.get()[i]);
        text += '\n';
    }
    return string_to_wstring(text);
}

} // namespace varnel
