// The inference in both languages, on any pair of samples: the regex and the format, applied to
// the search sample, give the replacement sample; no more groups than the language can refer to;
// no surrogate pair parted.

#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTarget.h"
#include "tests/support/ReplaceOracle.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"

using namespace varnel;

namespace {

// The judge runs the standard library's regular expressions, which recurse once per unit of the
// text; longer samples would test the judge's stack rather than the inference.
constexpr std::size_t max_sample_length = 1000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::wstring search = input.take_text();
    const std::wstring replace = input.take_text();
    if (search.empty() || search.size() > max_sample_length || replace.size() > max_sample_length) {
        return -1;
    }
    static const LanguageFactory factory;
    for (const Language language : all_languages) {
        const ReplaceRegex result =
            make_replace_regex(search, replace, factory.regex_formatting(language));
        const ReplaceVerdict verdict = judge_replace_regex(search, replace, result, language);
        if (!verdict.fault.empty()) {
            fuzz_failure(verdict.fault);
        }
    }
    return 0;
}
