#include "varnel/languages/ECMAScriptLanguage.h"
#include "varnel/languages/VisualStudioLanguage.h"

#include <algorithm>
#include <random>
#include <regex>
#include <set>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const VisualStudioLanguage visual_studio;
const ECMAScriptLanguage ecmascript;

RegexDescription row_named(const IRegexLanguage& language, const std::wstring& name) {
    const auto rows = language.regex_descriptions();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const RegexDescription& r) { return r.name == name; });
    if (row == rows.end()) {
        throw std::invalid_argument("no row named " + std::string(name.begin(), name.end()));
    }
    return *row;
}

struct MatcherCase {
    const IRegexLanguage& language;
    std::wstring name;
    std::vector<std::wstring> matched;
    std::vector<std::wstring> not_matched;
};

struct MenuCase {
    std::string menu;
    std::vector<LanguageElementDescription> elements;
    std::size_t count;
    std::vector<std::size_t> separators; // 1-based positions
};

std::vector<MenuCase> menu_cases() {
    return {
        {"Visual Studio Specials", visual_studio.special_elements(), 20, {6, 11, 18}},
        {"Visual Studio Characters", visual_studio.character_elements(), 15, {7, 13}},
        {"Visual Studio Strings", visual_studio.string_elements(), 10, {3, 7}},
        {"ECMAScript Specials", ecmascript.special_elements(), 27, {7, 12, 17, 25}},
        {"ECMAScript Characters", ecmascript.character_elements(), 17, {6, 11, 14}},
        {"ECMAScript Strings", ecmascript.string_elements(), 2, {}},
    };
}

// The leftmost match, and the longest one there, by trying every stretch of the text.
std::pair<std::size_t, std::size_t> leftmost_longest(const std::wstring& text,
                                                     const std::wregex& matcher) {
    for (std::size_t begin = 0; begin <= text.size(); ++begin) {
        for (std::size_t end = text.size() + 1; end-- > begin;) {
            if (std::regex_match(text.substr(begin, end - begin), matcher)) {
                return {begin, end};
            }
        }
    }
    return {std::wstring::npos, std::wstring::npos};
}

std::pair<std::size_t, std::size_t> searched(const std::wstring& text, const std::wregex& matcher) {
    std::wsmatch match;
    if (!std::regex_search(text, match, matcher)) {
        return {std::wstring::npos, std::wstring::npos};
    }
    const auto begin = static_cast<std::size_t>(match.position(0));
    return {begin, begin + static_cast<std::size_t>(match.length(0))};
}

std::wstring random_text(std::mt19937& random, const std::wstring& alphabet, std::size_t max) {
    std::wstring text(random() % (max + 1), L' ');
    for (auto& c : text) {
        c = alphabet[random() % alphabet.size()];
    }
    return text;
}

} // namespace

TEST(LanguageTablesTest, each_matcher_recognises_its_kind_of_text_as_a_whole) {
    const std::wstring surrogate_pair = L"\xD83D\xDE00";
    const MatcherCase cases[] = {
        {visual_studio, L"Space", {L" ", L"   "}, {L"\t", L" \t", L"", L"\x00A0"}},
        {visual_studio, L"Blank", {L" \t ", L"\t", L"  "}, {L"\n", L" x", L""}},
        {visual_studio, L"Whitespace", {L" \t\r\n\f\v"}, {L"a", L" a", L""}},
        {visual_studio, L"Integer", {L"42", L"0"}, {L"4.2", L"-1", L"x", L""}},
        {visual_studio, L"Hexadecimal", {L"ff0A", L"123"}, {L"fg", L"0x1F", L""}},
        {visual_studio, L"Rational", {L".5", L"5.", L"5", L"3.14"}, {L".", L"1.2.3", L"-1", L""}},
        {visual_studio, L"Uppercase", {L"ABC", L"\x00C9T\x00C9"}, {L"AbC", L"A1", L""}},
        {visual_studio, L"Lowercase", {L"abc", L"\x00E9t\x00E9"}, {L"abC", L"a b", L""}},
        {visual_studio, L"Alphabetic", {L"abC", L"caf\x00E9"}, {L"ab1", L"a_b", surrogate_pair}},
        {visual_studio, L"EAlphanumeric", {L"a1Z", L"007"}, {L"a_1", L"caf\x00E9", L""}},
        {visual_studio, L"Identifier", {L"_x1$", L"$", L"x"}, {L"1x", L"a-b", L"caf\x00E9"}},
        {visual_studio,
         L"Quote",
         {L"\"a b\"", L"'hi'", L"\"\"", L"'say \"x\"'"},
         {L"\"a'", L"'a'b'", L"\"a\"\"b\"", L"'"}},
        {ecmascript, L"Whitespace", {L" \t\n"}, {L"a", L""}},
        {ecmascript, L"Digit", {L"42"}, {L"4.2", L"a", L""}},
        {ecmascript, L"Hexadecimal", {L"ff0A"}, {L"g", L""}},
        {ecmascript, L"Lowercase", {L"abc", L"\x00E9"}, {L"aB", L""}},
        {ecmascript, L"Uppercase", {L"ABC", L"\x00C9"}, {L"Ab", L""}},
        {ecmascript, L"Alphabetic", {L"aB", L"caf\x00E9"}, {L"a1", surrogate_pair}},
        {ecmascript,
         L"Alphanumeric",
         {L"a1B", L"caf\x00E9"
                  L"1"},
         {L"a_1", L"a b", L""}},
    };
    for (const auto& c : cases) {
        const auto row = row_named(c.language, c.name);
        for (const auto& text : c.matched) {
            EXPECT_TRUE(std::regex_match(text, row.matcher)) << c.name << ": " << text;
        }
        for (const auto& text : c.not_matched) {
            EXPECT_FALSE(std::regex_match(text, row.matcher)) << c.name << ": " << text;
        }
    }
}

TEST(LanguageTablesTest, counts_and_ends_of_the_pattern_tables) {
    const auto vs = visual_studio.regex_descriptions();
    ASSERT_EQ(vs.size(), 12u);
    EXPECT_EQ(vs.front().name, L"Space");
    EXPECT_EQ(vs.back().name, L"Quote");
    EXPECT_EQ(row_named(visual_studio, L"Integer").description, L"Integer");

    const auto es = ecmascript.regex_descriptions();
    ASSERT_EQ(es.size(), 7u);
    EXPECT_EQ(es.front().name, L"Whitespace");
    EXPECT_EQ(es.back().name, L"Alphanumeric");
}

TEST(LanguageTablesTest, every_call_returns_an_independent_table) {
    auto first = visual_studio.regex_descriptions();
    first.front().regex = L"changed";
    first.front().matcher = std::wregex(L"x");
    first.pop_back();
    const auto second = visual_studio.regex_descriptions();
    ASSERT_EQ(second.size(), 12u);
    EXPECT_EQ(second.front().regex, L":Zs+");
    EXPECT_TRUE(std::regex_match(std::wstring(L"  "), second.front().matcher));
    EXPECT_EQ(second.back().name, L"Quote");
}

TEST(LanguageTablesTest, ecmascript_matchers_are_their_own_regex_texts) {
    std::mt19937 random(11);
    const std::wstring alphabet = L"aZ9f_ \t\n.\x00E9\xD83D";
    for (const auto& row : ecmascript.regex_descriptions()) {
        const std::wregex standard(row.regex);
        for (int i = 0; i < 300; ++i) {
            const auto text = random_text(random, alphabet, 10);
            EXPECT_EQ(searched(text, row.matcher), searched(text, standard))
                << row.name << ": " << text;
            EXPECT_EQ(std::regex_match(text, row.matcher), std::regex_match(text, standard))
                << row.name << ": " << text;
        }
    }
}

// The suggestions rely on the leftmost match of each row, and on it never being empty.
TEST(LanguageTablesTest, matchers_find_the_leftmost_longest_non_empty_match) {
    std::mt19937 random(5);
    const std::wstring alphabet = L"aF9_$ \t.'\"xQ\x00E9-";
    for (const IRegexLanguage* language : {static_cast<const IRegexLanguage*>(&visual_studio),
                                           static_cast<const IRegexLanguage*>(&ecmascript)}) {
        for (const auto& row : language->regex_descriptions()) {
            EXPECT_FALSE(std::regex_match(std::wstring(), row.matcher)) << row.name;
            for (int i = 0; i < 200; ++i) {
                const auto text = random_text(random, alphabet, 9);
                const auto found = searched(text, row.matcher);
                EXPECT_EQ(found, leftmost_longest(text, row.matcher)) << row.name << ": " << text;
                if (found.first != std::wstring::npos) {
                    EXPECT_LT(found.first, found.second) << row.name << ": " << text;
                }
            }
        }
    }
}

TEST(LanguageTablesTest, matchers_run_over_long_stretches_without_exhausting_the_stack) {
    const std::wstring letters(100000, L'a');
    const std::wstring digits(100000, L'7');
    const std::wstring unclosed = L"x '" + letters;
    EXPECT_TRUE(std::regex_match(letters, row_named(visual_studio, L"Alphabetic").matcher));
    EXPECT_TRUE(std::regex_match(letters, row_named(visual_studio, L"Identifier").matcher));
    EXPECT_TRUE(std::regex_match(digits, row_named(visual_studio, L"Rational").matcher));
    EXPECT_TRUE(std::regex_match(digits, row_named(ecmascript, L"Alphanumeric").matcher));
    const auto quote = row_named(visual_studio, L"Quote").matcher;
    EXPECT_FALSE(std::regex_search(unclosed, quote));
    EXPECT_EQ(searched(unclosed + L"'", quote), std::make_pair(2ul, unclosed.size() + 1));
}

TEST(LanguageTablesTest, a_surrogate_pair_is_no_letter_digit_or_space) {
    const std::wstring pair = L"\xD83D\xDE00";
    for (const IRegexLanguage* language : {static_cast<const IRegexLanguage*>(&visual_studio),
                                           static_cast<const IRegexLanguage*>(&ecmascript)}) {
        for (const auto& row : language->regex_descriptions()) {
            EXPECT_FALSE(std::regex_search(pair, row.matcher)) << row.name;
        }
    }
}

TEST(LanguageTablesTest, menus_have_their_separators_where_the_menus_need_them) {
    for (const auto& c : menu_cases()) {
        ASSERT_EQ(c.elements.size(), c.count) << c.menu;
        std::vector<std::size_t> separators;
        std::set<std::wstring> texts;
        for (std::size_t i = 0; i < c.elements.size(); ++i) {
            const auto& element = c.elements[i];
            if (element.is_separator()) {
                separators.push_back(i + 1);
                EXPECT_TRUE(element.description.empty()) << c.menu << " " << i + 1;
                EXPECT_EQ(element.menu_workaround, LanguageElementDescription::None);
            } else {
                EXPECT_FALSE(element.description.empty()) << c.menu << " " << i + 1;
                EXPECT_TRUE(texts.insert(element.text).second) << c.menu << ": " << element.text;
            }
        }
        EXPECT_EQ(separators, c.separators) << c.menu;
    }
}

TEST(LanguageTablesTest, menu_alignment) {
    for (const auto& menu : {visual_studio.special_elements(), visual_studio.character_elements(),
                             visual_studio.string_elements()}) {
        for (const auto& element : menu) {
            EXPECT_EQ(element.menu_workaround, LanguageElementDescription::None) << element.text;
        }
    }
    // In the ECMAScript menus the alignment is set per entry; texts of the same length differ.
    std::set<std::wstring> two_spaces;
    std::set<std::wstring> nothing;
    for (const auto& menu : {ecmascript.special_elements(), ecmascript.character_elements(),
                             ecmascript.string_elements()}) {
        for (const auto& element : menu) {
            if (element.menu_workaround == LanguageElementDescription::TwoSpaces) {
                two_spaces.insert(element.text);
            } else if (element.menu_workaround == LanguageElementDescription::None &&
                       !element.is_separator()) {
                nothing.insert(element.text);
            }
        }
    }
    EXPECT_EQ(two_spaces, (std::set<std::wstring>{L"[:upper:]", L"[:alnum:]", L"[:graph:]"}));
    EXPECT_EQ(nothing, (std::set<std::wstring>{L"{min,max}", L"{min,max}?", L".*", L".*?"}));
}

TEST(LanguageTablesTest, the_same_text_can_mean_different_things_in_different_menus) {
    const auto description_of = [](const std::vector<LanguageElementDescription>& menu,
                                   const std::wstring& text) {
        const auto found =
            std::find_if(menu.begin(), menu.end(), [&](const auto& e) { return e.text == text; });
        return found == menu.end() ? std::wstring(L"(absent)") : found->description;
    };
    EXPECT_EQ(description_of(visual_studio.special_elements(), L"\\n"), L"Back reference");
    EXPECT_EQ(description_of(visual_studio.character_elements(), L"\\n"), L"Line break");
    EXPECT_EQ(description_of(ecmascript.special_elements(), L"\\n"), L"Back reference");
    EXPECT_EQ(description_of(ecmascript.character_elements(), L"\\n"), L"Newline");
    // Character classes are offered bare, to be put inside a bracket expression.
    EXPECT_EQ(description_of(ecmascript.character_elements(), L"[:digit:]"), L"Decimal digit");
}
