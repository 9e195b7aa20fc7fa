// The rules the inference writes and the named patterns of every language with code to copy, run
// by the real engine that reads the language (node, perl, python3, GNU sed), through the lines
// "copy as code" prints.

#include "tests/support/EngineSamples.h"
#include "tests/support/PrintableText.h"
#include "tests/support/RealEngine.h"
#include "varnel/languages/LanguageFactory.h"

#include <algorithm>
#include <regex>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const Language engine_languages[] = {Language::JavaScript, Language::PCRE, Language::Python,
                                     Language::PosixERE};

} // namespace

TEST(EngineProofTest, inferred_rules_rebuild_the_replacement_on_the_real_engine) {
    const EnginePairs pairs = engine_sample_pairs(500);
    for (const Language language : engine_languages) {
        const std::vector<EngineJob> jobs = inferred_jobs(language, pairs);
        const auto results = run_on_real_engine(language, jobs);
        ASSERT_EQ(results.size(), jobs.size()) << real_engine_errors();
        std::size_t mismatches = 0;
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            if (results[i] != pairs[i].second && ++mismatches <= 5) {
                ADD_FAILURE() << printable(jobs[i].text) << " / " << printable(pairs[i].second)
                              << ": " << printable(jobs[i].regex) << " / "
                              << printable(jobs[i].format) << " gave "
                              << (results[i] ? printable(*results[i]) : "an error");
            }
        }
        EXPECT_EQ(mismatches, 0u) << "language " << static_cast<int>(language);
    }
}

TEST(EngineProofTest, named_patterns_match_what_the_real_engine_matches) {
    const LanguageFactory factory;
    const std::wstring open = L"\ue000";
    const std::wstring close = L"\ue001";
    const auto pieces = engine_alphabet();
    for (const Language language : engine_languages) {
        std::mt19937 random(5);
        std::vector<EngineJob> jobs;
        std::vector<std::wstring> expected;
        for (const RegexDescription& row : factory.regex_language(language).regex_descriptions()) {
            for (int round = 0; round < 60; ++round) {
                const std::wstring text = engine_text(random, pieces, 24);
                std::wstring marked;
                auto from = text.cbegin();
                std::wsmatch match;
                while (std::regex_search(from, text.cend(), match, row.matcher,
                                         std::regex_constants::match_not_null)) {
                    marked += match.prefix().str() + open + match.str() + close;
                    from = match[0].second;
                }
                expected.push_back(marked + std::wstring(from, text.cend()));
                jobs.push_back({row.regex, open + whole_match_reference(language) + close, text});
            }
        }
        const auto results = run_on_real_engine(language, jobs);
        ASSERT_EQ(results.size(), jobs.size()) << real_engine_errors();
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            EXPECT_EQ(results[i], expected[i])
                << printable(jobs[i].regex) << " on " << printable(jobs[i].text);
        }
    }
}
