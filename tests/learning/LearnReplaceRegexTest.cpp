// Learning in both languages: every rule is right on its examples and leaves unchanged texts
// alone, generalises to lines it was not shown, says which pieces the examples leave open, and
// refuses with the example and the piece that no regex replacement explains.

#include "varnel/learning/LearnReplaceRegex.h"

#include "varnel/replace/RunReplace.h"

#include <thread>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using varnel::Example;
using varnel::LearnedRule;
using varnel::Refusal;

std::wstring replace_all(const LearnedRule& rule, const std::wstring& text, Language language) {
    return Replacer(rule.regex, rule.format, language).replace_all(text).text;
}

class Learning : public testing::TestWithParam<Language> {
protected:
    varnel::LearnResult learn(const std::vector<Example>& examples,
                              const std::vector<std::wstring>& unchanged = {}) const {
        return varnel::learn_replace_regex(examples, unchanged, GetParam());
    }
};

struct Generalisation {
    const char* what;
    std::vector<Example> examples;
    std::vector<std::wstring> unchanged;
    std::vector<Example> held_out; // lines the rule was not shown
};

// Kinds of rewrite: reordering, initials, extraction from the start, the end and between
// separators, deleting a tail by its literal start, replacing a separator, from one example and
// from several that differ in shape.
const Generalisation generalisations[] = {
    {"initials", {{L"Ada Lovelace", L"A.L."}}, {}, {{L"Grace Hopper", L"G.H."}}},
    {"date reordered",
     {{L"2008-05-31", L"31/05/2008"}},
     {L"no date here"},
     {{L"1999-12-01", L"01/12/1999"}, {L"on 2010-01-15 at noon", L"on 15/01/2010 at noon"}}},
    {"date at the start of changelog lines, rewritten further on too",
     {{L"2020-01-16 Release 1.0", L"16/01/2020 Release 1.0"},
      {L"2021-03-02 Release 1.1", L"02/03/2021 Release 1.1"}},
     {},
     {{L"Released again on 2020-01-16", L"Released again on 16/01/2020"}}},
    {"phone number in brackets",
     {{L"415-867-530", L"(415) 867-530"}},
     {},
     {{L"212-736-981", L"(212) 736-981"}}},
    {"first name",
     {{L"Mary Somerville", L"Mary"}, {L"Sofia Kovalevskaya", L"Sofia"}},
     {},
     {{L"Emmy Noether", L"Emmy"}}},
    {"title before the first name",
     {{L"Mary Somerville", L"Dr. Mary"}},
     {},
     {{L"Emmy Noether", L"Dr. Emmy"}}},
    {"file extension removed",
     {{L"sunset.png", L"sunset"}, {L"budget plan.ods", L"budget plan"}},
     {L"no extension"},
     {{L"sales data.csv", L"sales data"}}},
    {"tail deleted from its literal start",
     {{L"Dec 2, 2014, 11:23 PM - +91 90000 80000: lorem ipsum", L"Dec 2, 2014, 11:23 PM"},
      {L"Dec 2, 2014, 11:24 PM - +91 90000 80000: lorem", L"Dec 2, 2014, 11:24 PM"}},
     {},
     {{L"Jan 5, 2015, 9:02 AM - +91 12345 67890: dolor sit amet", L"Jan 5, 2015, 9:02 AM"}}},
    {"last field after a separator of varying count",
     {{L"usr/local/share/fonts", L"fonts"}, {L"A/B", L"B"}},
     {},
     {{L"X/Y/Z", L"Z"}}},
    {"separator replaced everywhere",
     {{L"801 456 8756", L"801-456-8756"}},
     {L"8014568756"},
     {{L"978 654 0299", L"978-654-0299"}}},
    {"value after a key of several words",
     {{L"year: 2016", L"2016"}, {L"model: outback wagon", L"outback wagon"}},
     {},
     {{L"make: subaru", L"subaru"}}},
};

TEST_P(Learning, RulesAreRightOnTheirExamplesAndGeneralise) {
    for (const Generalisation& row : generalisations) {
        const varnel::LearnResult result = learn(row.examples, row.unchanged);
        const auto* rule = std::get_if<LearnedRule>(&result);
        ASSERT_NE(rule, nullptr) << row.what << ": " << std::get<Refusal>(result).reason;
        for (const Example& example : row.examples) {
            EXPECT_EQ(replace_all(*rule, example.search, GetParam()), example.replace) << row.what;
        }
        for (const std::wstring& text : row.unchanged) {
            EXPECT_EQ(replace_all(*rule, text, GetParam()), text) << row.what;
        }
        for (const Example& example : row.held_out) {
            EXPECT_EQ(replace_all(*rule, example.search, GetParam()), example.replace)
                << row.what << ": " << rule->regex << L" => " << rule->format;
        }
    }
}

TEST_P(Learning, UnchangedTextsNarrowTheRule) {
    // Alone, the example would let the rule take any first word.
    const std::vector<Example> examples = {{L"Ltd. Shipping", L"Shipping"}};
    const std::vector<std::wstring> unchanged = {L"New. Ship"};
    const varnel::LearnResult result = learn(examples, unchanged);
    const auto* rule = std::get_if<LearnedRule>(&result);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(replace_all(*rule, unchanged[0], GetParam()), unchanged[0]);
    EXPECT_EQ(replace_all(*rule, examples[0].search, GetParam()), examples[0].replace);
}

TEST_P(Learning, AmbiguousPiecesAreListed) {
    const struct {
        const char* what;
        std::vector<Example> examples;
        std::vector<std::pair<std::size_t, std::wstring>> pieces; // position, text in example 1
    } rows[] = {
        {"day or constant, one example",
         {{L"Thu, 01 Jan 2020", L"2020-01-01"}},
         {{5, L"01"}, {8, L"01"}}},
        {"settled by a second example",
         {{L"Thu, 01 Jan 2020", L"2020-01-01"}, {L"Fri, 14 Jan 2020", L"2020-01-14"}},
         {}},
        {"two equal numbers", {{L"Jan 5 5", L"5th"}}, {{0, L"5"}}},
        {"a word for word rewrite", {{L"Ada Lovelace", L"A.L."}}, {}},
    };
    for (const auto& row : rows) {
        const varnel::LearnResult result = learn(row.examples);
        const auto* rule = std::get_if<LearnedRule>(&result);
        ASSERT_NE(rule, nullptr) << row.what;
        std::vector<std::pair<std::size_t, std::wstring>> pieces;
        for (const varnel::AmbiguousPiece& piece : rule->ambiguous) {
            EXPECT_EQ(piece.example, 1u) << row.what;
            EXPECT_FALSE(piece.question.empty()) << row.what;
            pieces.emplace_back(piece.position, piece.text);
        }
        EXPECT_EQ(pieces, row.pieces) << row.what;
    }
}

TEST_P(Learning, RefusalsNameTheExampleAndThePiece) {
    const struct {
        const char* what;
        std::vector<Example> examples;
        std::vector<std::wstring> unchanged;
        Refusal refusal; // an empty reason: only the example and the piece are checked
    } rows[] = {
        {"a constant only one example needs",
         {{L"5 jan", L"JAN 5"}, {L"7 feb", L"FEB 7"}},
         {},
         {L"the output of example 1 holds \"JAN\", which neither its input holds nor the output "
          L"of example 2 shares (changing case, arithmetic and choosing text by condition are "
          L"beyond a regex replacement)",
          1, L"JAN"}},
        {"nothing changes",
         {{L"same", L"same"}},
         {},
         {L"no example changes its text: there is nothing to replace", 0, L""}},
        {"an example against the rule of the ones before",
         {{L"a-b", L"b"}, {L"c-d", L"d"}, {L"e-f", L"e"}},
         {},
         {L"", 3, L"e-f"}},
        {"an unchanged text that an example changes", {{L"a-b", L"b"}}, {L"a-b"}, {L"", 0, L"a-b"}},
    };
    for (const auto& row : rows) {
        const varnel::LearnResult result = learn(row.examples, row.unchanged);
        const auto* refusal = std::get_if<Refusal>(&result);
        ASSERT_NE(refusal, nullptr) << row.what;
        if (!row.refusal.reason.empty()) {
            EXPECT_EQ(refusal->reason, row.refusal.reason) << row.what;
        }
        EXPECT_EQ(refusal->example, row.refusal.example) << row.what;
        EXPECT_EQ(refusal->piece, row.refusal.piece) << row.what;
    }
}

TEST_P(Learning, CancelledWorkStops) {
    const std::atomic<bool> cancelled{true};
    const varnel::LearnResult result =
        varnel::learn_replace_regex({{L"2008-05-31", L"31/05/2008"}}, {}, GetParam(), &cancelled);
    ASSERT_TRUE(std::holds_alternative<Refusal>(result));
    EXPECT_EQ(std::get<Refusal>(result).reason, L"cancelled");
}

TEST_P(Learning, ThreadsLearnAtOnce) {
    const std::vector<Example> examples = {{L"Ada Lovelace", L"A.L."}, {L"Grace Hopper", L"G.H."}};
    const varnel::LearnResult alone = learn(examples);
    std::vector<varnel::LearnResult> results(4);
    std::vector<std::thread> threads;
    for (auto& result : results) {
        threads.emplace_back([&] { result = learn(examples); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (const auto& result : results) {
        EXPECT_EQ(result, alone);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Learning,
                         testing::Values(Language::VisualStudio, Language::ECMAScript));

} // namespace
