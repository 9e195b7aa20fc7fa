// The building blocks each language writes for learned rules, run by the regex runner: a class
// matches exactly its characters, the runs are the languages' own named patterns, lazy and greedy
// text and the line's edges behave as their names say.

#include "varnel/languages/LanguageFactory.h"
#include "varnel/replace/RunReplace.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using CharacterClass = IRegexFormatting::CharacterClass;

const LanguageFactory factory;

class BuildingBlocks : public testing::TestWithParam<Language> {
protected:
    const IRegexFormatting& formatting() const { return factory.regex_formatting(GetParam()); }
    // Replace All of regex by "<>" on text.
    std::wstring marked(const std::wstring& regex, const std::wstring& text) const {
        return Replacer(regex, L"<>", GetParam()).replace_all(text).text;
    }
};

TEST_P(BuildingBlocks, OneOfMatchesExactlyTheClass) {
    const struct {
        CharacterClass kind;
        std::wstring members;
        std::wstring others;
    } rows[] = {
        {CharacterClass::Digit, L"07", L"aZ _-"},
        {CharacterClass::Letter, L"aZé", L"0 _-"},
        {CharacterClass::Uppercase, L"AZÉ", L"az0 -"},
        {CharacterClass::Lowercase, L"azé", L"AZ0 -"},
        {CharacterClass::Alphanumeric, L"a0É", L" _-."},
        {CharacterClass::Whitespace, L" \t", L"a0_-"},
        {CharacterClass::Punctuation, L"-_.,", L"a0 "},
    };
    for (const auto& row : rows) {
        const std::wstring one = formatting().one_of(row.kind);
        for (const wchar_t c : row.members) {
            EXPECT_EQ(marked(one, std::wstring(1, c)), L"<>")
                << one << L" on " << std::wstring(1, c);
        }
        for (const wchar_t c : row.others) {
            EXPECT_EQ(marked(one, std::wstring(1, c)), std::wstring(1, c))
                << one << L" on " << std::wstring(1, c);
        }
        EXPECT_EQ(marked(formatting().any_number_of(row.kind), row.others.substr(0, 1)),
                  L"<>" + row.others.substr(0, 1) + L"<>");
        EXPECT_EQ(marked(formatting().run_of(row.kind), row.members), L"<>");
    }
}

TEST_P(BuildingBlocks, RunsOfWordsNumbersAndSpaceAreNamedPatterns) {
    const auto descriptions = factory.regex_language(GetParam()).regex_descriptions();
    for (const CharacterClass kind :
         {CharacterClass::Digit, CharacterClass::Letter, CharacterClass::Uppercase,
          CharacterClass::Lowercase, CharacterClass::Whitespace}) {
        const std::wstring run = formatting().run_of(kind);
        EXPECT_TRUE(std::any_of(descriptions.begin(), descriptions.end(),
                                [&run](const RegexDescription& d) { return d.regex == run; }))
            << run;
    }
}

TEST_P(BuildingBlocks, AnyTextAndLineEdges) {
    const std::wstring dash = formatting().escape_regex(L"-");
    EXPECT_EQ(marked(formatting().any_text(true) + dash, L"a-b-c"), L"<><>c");
    EXPECT_EQ(marked(formatting().any_text(false) + dash, L"a-b-c"), L"<>c");
    EXPECT_EQ(marked(formatting().line_start() + L"a", L"aaa"), L"<>aa");
    EXPECT_EQ(marked(L"a" + formatting().line_end(), L"aaa"), L"aa<>");
}

INSTANTIATE_TEST_SUITE_P(Languages, BuildingBlocks,
                         testing::Values(Language::VisualStudio, Language::ECMAScript));

} // namespace
