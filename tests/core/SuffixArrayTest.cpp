#include "varnel/core/SuffixArray.h"

#include "tests/support/ThrowingAssertHandler.h"

#include <algorithm>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

// Codes from letters: 'a' is 1, 'b' is 2, ...; the end mark 0 is appended.
std::vector<int> codes(const std::string& letters) {
    std::vector<int> result;
    for (const char c : letters) {
        result.push_back(c - 'a' + 1);
    }
    result.push_back(0);
    return result;
}

SuffixArray sort_naively(const std::vector<int>& text) {
    const int n = static_cast<int>(text.size());
    SuffixArray result;
    result.suffixes.resize(text.size());
    std::iota(result.suffixes.begin(), result.suffixes.end(), 0);
    std::sort(result.suffixes.begin(), result.suffixes.end(), [&](int a, int b) {
        return std::lexicographical_compare(text.begin() + a, text.end(), text.begin() + b,
                                            text.end());
    });
    result.ranks.resize(text.size());
    result.common_prefixes.assign(text.size(), 0);
    for (int k = 0; k < n; ++k) {
        result.ranks[result.suffixes[k]] = k;
        if (k > 0) {
            int h = 0;
            while (text[result.suffixes[k - 1] + h] == text[result.suffixes[k] + h]) {
                ++h;
            }
            result.common_prefixes[k] = h;
        }
    }
    return result;
}

void expect_same(const SuffixArray& actual, const SuffixArray& expected) {
    EXPECT_EQ(actual.suffixes, expected.suffixes);
    EXPECT_EQ(actual.ranks, expected.ranks);
    EXPECT_EQ(actual.common_prefixes, expected.common_prefixes);
}

} // namespace

TEST(SuffixArrayTest, sorts_small_texts) {
    const struct {
        std::string letters;
        std::vector<int> suffixes;
        std::vector<int> common_prefixes;
    } cases[] = {
        {"", {0}, {0}},
        {"a", {1, 0}, {0, 0}},
        {"aaa", {3, 2, 1, 0}, {0, 0, 1, 2}},
        {"banana", {6, 5, 3, 1, 0, 4, 2}, {0, 0, 1, 3, 0, 0, 2}},
        {"abab", {4, 2, 0, 3, 1}, {0, 0, 2, 0, 1}},
    };
    for (const auto& c : cases) {
        const SuffixArray result = make_suffix_array(codes(c.letters), 27);
        EXPECT_EQ(result.suffixes, c.suffixes) << c.letters;
        EXPECT_EQ(result.common_prefixes, c.common_prefixes) << c.letters;
    }
}

// Small alphabets and long runs make the reduced problems recurse several levels deep; 256 codes
// are the most that are sorted as bytes, 257 and more take the induced sorting.
TEST(SuffixArrayTest, agrees_with_naive_sorting_on_random_and_periodic_texts) {
    std::mt19937 random(7);
    for (const int alphabet : {1, 2, 3, 5, 40, 256, 257, 1000}) {
        for (int round = 0; round < 60; ++round) {
            std::uniform_int_distribution<int> length(1, 300);
            std::uniform_int_distribution<int> code(1, alphabet);
            std::vector<int> text(static_cast<std::size_t>(length(random)));
            const std::size_t period = 1 + static_cast<std::size_t>(round % 7);
            for (std::size_t i = 0; i < text.size(); ++i) {
                text[i] = round % 3 == 0 && i >= period ? text[i - period] : code(random);
            }
            text.push_back(0);
            expect_same(make_suffix_array(text, alphabet + 1), sort_naively(text));
        }
    }
}

TEST(SuffixArrayTest, refuses_texts_without_a_single_end_mark) {
    EXPECT_CONTRACT_VIOLATION(make_suffix_array({}, 1), DBC::IAssertHandler::precondition);
    EXPECT_CONTRACT_VIOLATION(make_suffix_array({1, 2}, 3), DBC::IAssertHandler::precondition);
    EXPECT_CONTRACT_VIOLATION(make_suffix_array({0, 1, 0}, 2), DBC::IAssertHandler::precondition);
    EXPECT_CONTRACT_VIOLATION(make_suffix_array({3, 0}, 3), DBC::IAssertHandler::precondition);
}
