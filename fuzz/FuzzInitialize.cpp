// Set-up shared by every fuzz target: the locale the front ends install, and failed contract
// checks turned into aborts, since the default handler leaves through _Exit, which libFuzzer would
// take for a normal end and lose the input.

#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzTarget.h"
#include "varnel/common/AssertReport.h"
#include "varnel/common/DBC.h"

#include <locale>

using namespace varnel;

namespace {

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

class AbortingAssertHandler : public DBC::IAssertHandler {
public:
    void raise_assertion(Type type, const char* file, int line, const char* function) override {
        const AssertReport report = make_assert_report(type, file, line, function);
        fuzz_failure(narrow(report.message) + "\n" + narrow(report.detail));
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static AbortingAssertHandler handler;
    DBC::set_assert_handler(&handler);
    std::locale::global(std::locale("C.UTF-8"));
    return 0;
}
