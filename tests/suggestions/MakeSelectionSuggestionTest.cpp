#include "varnel/suggestions/MakeSelectionSuggestion.h"

#include "tests/support/ThrowingAssertHandler.h"
#include "varnel/languages/LanguageFactory.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using Range = std::pair<std::size_t, std::size_t>;
const Range none{std::wstring::npos, std::wstring::npos};

struct Case {
    std::wstring regex_text;
    Range expected;
};

const LanguageFactory factory;

Range range_of(const std::optional<SelectionSuggestion>& proposal) {
    return proposal ? Range{proposal->start, proposal->end} : none;
}

Range propose(Language language, const std::wstring& regex_text) {
    return range_of(make_selection_suggestion(regex_text,
                                              factory.regex_language(language).regex_descriptions(),
                                              factory.regex_formatting_ptr(language)));
}

} // namespace

TEST(MakeSelectionSuggestionTest, visual_studio_regexes) {
    const Case cases[] = {
        {L"foo 123 bar", {0, 3}},
        {L"{John}{ }{Smith}", {1, 5}},
        {L"--42--", {2, 4}},
        // Offsets count the escapes; the proposal may begin inside one.
        {L"\\.\\.7", {3, 5}},
        {L"\\(\\)", none},
        {L"", none},
        {L"\xD83D\xDE00 42", {2, 3}},
        {L"\xD83D\xDE00\xD83D\xDE00", none},
        {L"{'a b'}", {1, 6}},
        {L"\\:Wh caf\x00E9", {2, 4}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(propose(Language::VisualStudio, c.regex_text), c.expected) << c.regex_text;
    }
}

TEST(MakeSelectionSuggestionTest, ecmascript_regexes) {
    const Case cases[] = {
        {L"(John)( )(Smith)", {1, 5}},
        {L"\\$12", {2, 4}},
        {L"(caf\x00E9)", {1, 5}},
        {L"\\(\\)", none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(propose(Language::ECMAScript, c.regex_text), c.expected) << c.regex_text;
    }
}

TEST(MakeSelectionSuggestionTest, the_earliest_match_wins_and_ties_go_to_the_later_row) {
    const auto formatting = factory.regex_formatting_ptr(Language::ECMAScript);
    struct TableCase {
        std::vector<RegexDescription> rows;
        std::wstring regex_text;
        Range expected;
    };
    const TableCase cases[] = {
        // A later row starting at the same place replaces an earlier one, even when shorter.
        {{{L"abc", L"", L"A"}, {L"ab", L"", L"B"}}, L"xabc", {1, 3}},
        {{{L"ab", L"", L"A"}, {L"abc", L"", L"B"}}, L"xabc", {1, 4}},
        // A later row starting later never does.
        {{{L"ab", L"", L"A"}, {L"b", L"", L"B"}}, L"ab", {0, 2}},
        // A row found far into the text loses, wherever it stands in the table.
        {{{L"z", L"", L"A"}, {L"a", L"", L"B"}}, L"za", {0, 1}},
        {{{L"a", L"", L"A"}, {L"z", L"", L"B"}}, L"za", {0, 1}},
        {{}, L"abc", none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(range_of(make_selection_suggestion(c.regex_text, c.rows, formatting)), c.expected)
            << c.regex_text;
    }
}

TEST(MakeSelectionSuggestionTest, long_regexes) {
    const std::wstring letters(100000, L'a');
    // An unclosed quote makes the quote row search to the very end.
    EXPECT_EQ(propose(Language::VisualStudio, L"'" + letters), (Range{1, 100001}));
    std::wstring words = L"\\.";
    while (words.size() < 100000) {
        words += L"{word} 123 ";
    }
    EXPECT_EQ(propose(Language::VisualStudio, words), (Range{3, 7}));
    EXPECT_EQ(propose(Language::ECMAScript, words), (Range{3, 7}));
}

TEST(MakeSelectionSuggestionTest, no_formatting_is_a_failed_precondition) {
    EXPECT_CONTRACT_VIOLATION(make_selection_suggestion(L"abc", {}, nullptr),
                              DBC::IAssertHandler::precondition);
}
