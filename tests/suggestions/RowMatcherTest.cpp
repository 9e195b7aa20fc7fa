#include "varnel/suggestions/RowMatcher.h"

#include "varnel/languages/CompileMatcher.h"
#include "varnel/languages/LanguageFactory.h"

#include <random>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const LanguageFactory factory;

// Built as the language tables build their rows, for the non-recursive engine.
RegexDescription table_row(const std::wstring& pattern) {
    return RegexDescription(compile_matcher(pattern), pattern, pattern, L"", L"");
}

// Rows of both tables and of patterns that tell the engines' readings apart: the longest match
// against the first by priority, negated classes, dashes and escapes in brackets.
std::vector<RegexDescription> rows_to_compare() {
    std::vector<RegexDescription> rows;
    for (const auto language : {Language::VisualStudio, Language::ECMAScript}) {
        for (const auto& row : factory.regex_language(language).regex_descriptions()) {
            rows.push_back(row);
        }
    }
    for (const std::wstring pattern : {L"a|ab", L"(?:ab|a)(?:bc)?", L"[^\"']*", L"[a-c-]+",
                                       L"[-\\]x]", L"x*", L"[[:alpha:]_]+"}) {
        rows.push_back(table_row(pattern));
        rows.emplace_back(pattern, L"", L"");
    }
    return rows;
}

} // namespace

TEST(RowMatcherTest, runs_on_pcre2_only_what_it_reads_as_the_standard_library_does) {
    const struct {
        std::wstring pattern;
        bool translated;
    } cases[] = {
        {L"[[:alpha:]]+", true},
        {L"([0-9]+\\.[0-9]*)|([0-9]*\\.[0-9]+)|([0-9]+)", true},
        {L"(\"[^\"]*\")|('[^']*')", true},
        {L"[a-zA-Z_$][a-zA-Z0-9_$]*", true},
        {L"(?:a|b)?c*", true},
        {L"^a", false},
        {L"a$", false},
        {L"\\bb", false},
        {L"(?=a)a", false},
        {L"a.", false},
        {L"\\d+", false},
        {L"a{2}", false},
        {L"a+?", false},
        {L"\x00E9", false},
        {L"[[:w:]]", false},
        {L"[]a]", false},
        {L"[a-z-9]", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowMatcher::of(table_row(c.pattern))->reads_only_its_match(), c.translated)
            << c.pattern;
    }
    // A matcher that came compiled, or reads case-insensitively, keeps the standard library.
    EXPECT_FALSE(RowMatcher::of(RegexDescription(std::wregex(L"a"), L"a", L"", L""))
                     ->reads_only_its_match());
    EXPECT_FALSE(RowMatcher::of(RegexDescription(std::wregex(L"a", std::regex_constants::icase),
                                                 L"a", L"a", L"", L""))
                     ->reads_only_its_match());
}

// Texts of letters in several scripts and cases, digits of several scripts, spaces, marks,
// quotes, halves of surrogate pairs and the last 16-bit unit.
TEST(RowMatcherTest, finds_what_the_standard_library_finds) {
    const std::wstring alphabet =
        L"abcxAZ_$09 \t\n.'\"-]\x00E9\x00C9\x03B1\x0391\x0660\x4E2D\x2028\x00A0\xD83D\xDE00\xFFFF";
    std::mt19937 random(11);
    const auto pick = [&](std::size_t count) { return random() % count; };
    for (const auto& row : rows_to_compare()) {
        const auto matcher = RowMatcher::of(row);
        for (int round = 0; round < 300; ++round) {
            std::wstring text(pick(40), L' ');
            for (wchar_t& c : text) {
                c = alphabet[pick(alphabet.size())];
            }
            SampleText sample(text);
            const std::size_t from = pick(text.size() + 1);
            const std::size_t to = from + pick(text.size() - from + 1);
            const bool not_null = round % 2 == 0;
            std::wsmatch expected;
            const bool found = std::regex_search(text.cbegin() + static_cast<std::ptrdiff_t>(from),
                                                 text.cbegin() + static_cast<std::ptrdiff_t>(to),
                                                 expected, row.matcher,
                                                 not_null ? std::regex_constants::match_not_null
                                                          : std::regex_constants::match_default);
            const auto match = matcher->search(sample, from, to, not_null);
            ASSERT_EQ(match.has_value(), found) << row.matcher_pattern << " in " << text;
            if (found) {
                EXPECT_EQ(match->begin, from + static_cast<std::size_t>(expected.position(0)))
                    << row.matcher_pattern << " in " << text;
                EXPECT_EQ(match->end - match->begin, static_cast<std::size_t>(expected.length(0)))
                    << row.matcher_pattern << " in " << text;
            }
            EXPECT_EQ(matcher->matches(sample), std::regex_match(text, row.matcher))
                << row.matcher_pattern << " on " << text;
        }
    }
}
