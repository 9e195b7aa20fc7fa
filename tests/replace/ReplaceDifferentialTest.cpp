// Whatever the samples, running the inferred regex and format on the search sample with the
// runner gives the replacement sample, in every language.

#include "tests/support/SampleMaker.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/replace/RunReplace.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

void expect_rebuilt(const std::wstring& search, const std::wstring& replace) {
    const LanguageFactory factory;
    for (const Language language : all_languages) {
        const ReplaceRegex inferred =
            make_replace_regex(search, replace, factory.regex_formatting(language));
        const ReplaceOutcome outcome =
            run_replace(inferred.regex, inferred.format, search, language);
        EXPECT_EQ(outcome.status, ReplaceOutcome::Status::Replaced) << outcome.message;
        EXPECT_EQ(outcome.text, replace)
            << testing::PrintToString(search.substr(0, 100)) << " gave "
            << testing::PrintToString(inferred.regex.substr(0, 100)) << " / "
            << testing::PrintToString(inferred.format.substr(0, 100));
    }
}

} // namespace

TEST(ReplaceDifferentialTest, random_samples) {
    SampleMaker maker;
    for (int round = 0; round < 2000; ++round) {
        const auto [search, replace] = maker.pair(round % 2 == 1);
        expect_rebuilt(search, replace);
    }
}

// Many groups; and samples long enough that PCRE2 cannot compile the regex, which is then found as
// plain text.
TEST(ReplaceDifferentialTest, many_words) {
    SampleMaker maker;
    for (const std::size_t count : {40, 105, 12000}) {
        for (const bool letters : {true, false}) {
            const auto [search, replace] = maker.many_words(count, letters);
            expect_rebuilt(search, replace);
        }
    }
}
