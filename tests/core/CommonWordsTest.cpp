#include "varnel/core/CommonWords.h"

#include "tests/support/ThrowingAssertHandler.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

struct Step {
    char action; // '+' adds, '-' removes
    int sample;
    std::wstring word;
    std::wstring longest; // expected afterwards
};

} // namespace

TEST(CommonWordsTest, longest_shared_word_follows_additions_and_removals) {
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"a word of one sample only is not shared",
         {{'+', 0, L"cat", L""}, {'+', 0, L"dog", L""}, {'+', 1, L"cat", L"cat"}}},
        {"longer first, then code-unit order",
         {{'+', 0, L"bb", L""},
          {'+', 1, L"bb", L"bb"},
          {'+', 0, L"aa", L"bb"},
          {'+', 1, L"aa", L"aa"},
          {'+', 1, L"c", L"aa"},
          {'+', 0, L"c", L"aa"},
          {'+', 0, L"zzz", L"aa"},
          {'+', 1, L"zzz", L"zzz"}}},
        {"a word stays shared while each sample holds it at least once",
         {{'+', 0, L"ab", L""},
          {'+', 0, L"ab", L""},
          {'+', 1, L"ab", L"ab"},
          {'-', 0, L"ab", L"ab"},
          {'-', 0, L"ab", L""},
          {'+', 0, L"ab", L"ab"},
          {'-', 1, L"ab", L""}}},
        {"removing the longest uncovers the next one",
         {{'+', 0, L"x", L""},
          {'+', 1, L"x", L"x"},
          {'+', 0, L"long", L"x"},
          {'+', 1, L"long", L"long"},
          {'-', 1, L"long", L"x"},
          {'-', 0, L"x", L""}}},
        {"code units above ASCII order after it",
         {{'+', 0, L"\u00e9t\u00e9", L""},
          {'+', 1, L"\u00e9t\u00e9", L"\u00e9t\u00e9"},
          {'+', 0, L"zzz", L"\u00e9t\u00e9"},
          {'+', 1, L"zzz", L"zzz"}}},
    };
    for (const auto& c : cases) {
        CommonWords words;
        for (const Step& step : c.steps) {
            if (step.action == '+') {
                words.add(step.word, step.sample);
            } else {
                words.remove(step.word, step.sample);
            }
            EXPECT_EQ(std::wstring(words.longest()), step.longest)
                << c.name << ", after " << step.action << step.sample;
        }
    }
}

TEST(CommonWordsTest, refuses_to_remove_what_was_not_added) {
    CommonWords words;
    words.add(L"cat", 0);
    EXPECT_CONTRACT_VIOLATION(words.remove(L"cat", 1), DBC::IAssertHandler::precondition);
    EXPECT_CONTRACT_VIOLATION(words.remove(L"dog", 0), DBC::IAssertHandler::precondition);
    EXPECT_CONTRACT_VIOLATION(words.add(L"", 0), DBC::IAssertHandler::precondition);
}
