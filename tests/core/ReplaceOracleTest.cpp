// Whatever the samples, the inferred regex and format, applied to the search sample, give back the
// replacement sample.

#include "tests/support/ReplaceOracle.h"

#include "tests/support/PrintableText.h"
#include "tests/support/SampleMaker.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

void expect_round_trip(const std::wstring& search, const std::wstring& replace,
                       unsigned min_groups = 0) {
    const LanguageFactory factory;
    for (const Language language : all_languages) {
        const IRegexFormatting& formatting = factory.regex_formatting(language);
        const ReplaceVerdict verdict = judge_replace_regex(
            search, replace, make_replace_regex(search, replace, formatting), language);
        EXPECT_EQ(verdict.fault, "");
        // Parting goes on up to the language's limit.
        EXPECT_GE(verdict.groups, std::min(min_groups, formatting.max_back_reference()))
            << printable(search) << " / " << printable(replace);
    }
}

} // namespace

TEST(ReplaceOracleTest, random_samples_rebuild_the_replacement) {
    SampleMaker maker;
    for (int round = 0; round < 3000; ++round) {
        const auto [search, replace] = maker.pair(round % 2 == 1);
        expect_round_trip(search, replace);
    }
}

TEST(ReplaceOracleTest, more_pieces_than_a_language_can_refer_to) {
    SampleMaker maker;
    for (const std::size_t count : {12, 40, 105}) {
        for (const bool letters : {true, false}) {
            const auto [search, replace] = maker.many_words(count, letters);
            expect_round_trip(search, replace, letters ? static_cast<unsigned>(count) : 0);
        }
    }
}
