#include "varnel/suggestions/MakeSuggestions.h"

#include "tests/support/ThrowingAssertHandler.h"
#include "varnel/languages/LanguageFactory.h"

#include <random>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

// Each suggestion as its regex and its long description.
using Summary = std::vector<std::pair<std::wstring, std::wstring>>;

struct Case {
    std::wstring text;
    Summary expected;
};

const LanguageFactory factory;

Summary summary(const std::vector<Suggestion>& suggestions) {
    Summary result;
    for (const auto& s : suggestions) {
        result.emplace_back(s.regex(), s.long_description());
    }
    return result;
}

Summary suggest(Language language, const std::wstring& text) {
    return summary(make_suggestions(text, factory.regex_language(language).regex_descriptions(),
                                    factory.regex_formatting_ptr(language)));
}

// The composite pass as plainly as it can be written: restart at the front after every split and
// copy the pieces. make_suggestions must give the same result, however it gets there.
struct PlainSegment {
    std::wstring text;
    const RegexDescription* row;
};

bool plain_split_first_match(std::vector<PlainSegment>& segments, const RegexDescription& row) {
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (segments[i].row != nullptr) {
            continue;
        }
        const std::wstring text = segments[i].text;
        std::wsmatch match;
        if (!std::regex_search(text, match, row.matcher, std::regex_constants::match_not_null)) {
            continue;
        }
        const auto begin = static_cast<std::size_t>(match.position(0));
        const auto end = begin + static_cast<std::size_t>(match.length(0));
        std::vector<PlainSegment> pieces;
        if (begin > 0) {
            pieces.push_back({text.substr(0, begin), nullptr});
        }
        pieces.push_back({L"", &row});
        if (end < text.size()) {
            pieces.push_back({text.substr(end), nullptr});
        }
        segments.erase(segments.begin() + static_cast<std::ptrdiff_t>(i));
        segments.insert(segments.begin() + static_cast<std::ptrdiff_t>(i), pieces.begin(),
                        pieces.end());
        return true;
    }
    return false;
}

Summary plain_suggestions(const std::wstring& sample, const std::vector<RegexDescription>& rows,
                          const IRegexFormatting& formatting) {
    Summary whole;
    for (const auto& row : rows) {
        if (std::regex_match(sample, row.matcher)) {
            whole.emplace_back(row.regex, row.description);
        }
    }
    if (!whole.empty()) {
        return whole;
    }
    std::vector<PlainSegment> segments{{sample, nullptr}};
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        while (plain_split_first_match(segments, *row)) {
        }
    }
    if (segments.size() == 1 && segments.front().row == nullptr) {
        return {};
    }
    std::wstring regex;
    std::wstring description;
    for (const auto& segment : segments) {
        regex += segment.row ? segment.row->regex : formatting.escape_regex(segment.text);
        description +=
            (description.empty() ? L"" : L" ") + (segment.row ? segment.row->name : segment.text);
    }
    return {{regex, description}};
}

std::wstring repeated(const std::wstring& piece, std::size_t times) {
    std::wstring result;
    for (std::size_t i = 0; i < times; ++i) {
        result += piece;
    }
    return result;
}

} // namespace

TEST(MakeSuggestionsTest, visual_studio_selections) {
    const std::wstring emoji = L"\xD83D\xDE00";
    const Case cases[] = {
        {L"123",
         {{L":z", L"Integer"},
          {L":h", L"Hexadecimal number"},
          {L":n", L"Rational number"},
          {L":a+", L"English alphanumeric characters"}}},
        {L"abc",
         {{L":h", L"Hexadecimal number"},
          {L":Ll+", L"Lowercase letters"},
          {L":Al+", L"Alphabetic string"},
          {L":a+", L"English alphanumeric characters"},
          {L":i", L"C/C++ identifier"}}},
        {L"ABC",
         {{L":h", L"Hexadecimal number"},
          {L":Lu+", L"Uppercase letters"},
          {L":Al+", L"Alphabetic string"},
          {L":a+", L"English alphanumeric characters"},
          {L":i", L"C/C++ identifier"}}},
        {L"foo_bar", {{L":i", L"C/C++ identifier"}}},
        {L"  ",
         {{L":Zs+", L"Space separators"},
          {L":b+", L"Spaces or Tabs"},
          {L":Wh+", L"Whitespace characters"}}},
        {L"\t", {{L":b+", L"Spaces or Tabs"}, {L":Wh+", L"Whitespace characters"}}},
        {L"3\\.14", {{L":n", L"Rational number"}}},
        {L"'a b'", {{L":q", L"Quoted string"}}},
        {L"caf\x00E9", {{L":Ll+", L"Lowercase letters"}, {L":Al+", L"Alphabetic string"}}},
        {L"foo bar", {{L":i:Wh+:i", L"Identifier Whitespace Identifier"}}},
        {L"abc 12", {{L":i:Wh+:a+", L"Identifier Whitespace EAlphanumeric"}}},
        {L"x = 10;", {{L":i:Wh+=:Wh+:a+;", L"Identifier Whitespace = Whitespace EAlphanumeric ;"}}},
        {L"foo\\.bar", {{L":i\\.:i", L"Identifier . Identifier"}}},
        {L"a\\:b", {{L":i\\::i", L"Identifier : Identifier"}}},
        {L"say 'hi' now",
         {{L":i:Wh+:q:Wh+:i", L"Identifier Whitespace Quote Whitespace Identifier"}}},
        // A later row claims its text before an earlier one is tried.
        {L"1\\.5\\.2", {{L":a+\\.:a+\\.:a+", L"EAlphanumeric . EAlphanumeric . EAlphanumeric"}}},
        // Two patterns can follow each other directly.
        {L"\x00E9"
         L"1",
         {{L":Al+:a+", L"Alphabetic EAlphanumeric"}}},
        {L"a" + emoji + L"b", {{L":i" + emoji + L":i", L"Identifier " + emoji + L" Identifier"}}},
        {emoji, {}},
        {L"a+", {}},
        {L"\\.", {}},
        {L"\\d", {}},
        {L"-", {}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(suggest(Language::VisualStudio, c.text), c.expected) << c.text;
    }
}

TEST(MakeSuggestionsTest, ecmascript_selections) {
    const std::wstring alnum = L"Lowercase letters, uppercase letters, and digits";
    const Case cases[] = {
        {L"123",
         {{L"[[:digit:]]+", L"Decimal digits"},
          {L"[[:xdigit:]]+", L"Hexadecimal digits"},
          {L"[[:alnum:]]+", alnum}}},
        {L"AB",
         {{L"[[:xdigit:]]+", L"Hexadecimal digits"},
          {L"[[:upper:]]+", L"Uppercase letters"},
          {L"[[:alpha:]]+", L"Lowercase and uppercase letters"},
          {L"[[:alnum:]]+", alnum}}},
        {L"caf\x00E9",
         {{L"[[:lower:]]+", L"Lowercase letters"},
          {L"[[:alpha:]]+", L"Lowercase and uppercase letters"},
          {L"[[:alnum:]]+", alnum}}},
        {L" \n", {{L"[[:space:]]+", L"Whitespace characters"}}},
        {L"foo_bar", {{L"[[:alnum:]]+_[[:alnum:]]+", L"Alphanumeric _ Alphanumeric"}}},
        {L"foo bar",
         {{L"[[:alnum:]]+[[:space:]]+[[:alnum:]]+", L"Alphanumeric Whitespace Alphanumeric"}}},
        {L"1\\+1=2",
         {{L"[[:alnum:]]+\\+[[:alnum:]]+=[[:alnum:]]+",
           L"Alphanumeric + Alphanumeric = Alphanumeric"}}},
        {L"\\(x\\)", {{L"\\([[:alnum:]]+\\)", L"( Alphanumeric )"}}},
        // The colon is no special character here.
        {L"a:b", {{L"[[:alnum:]]+:[[:alnum:]]+", L"Alphanumeric : Alphanumeric"}}},
        {L"a\\:b", {}},
        {L"\xD83D\xDE00", {}},
        {L"a|b", {}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(suggest(Language::ECMAScript, c.text), c.expected) << c.text;
    }
}

TEST(MakeSuggestionsTest, composite_elements_keep_the_literal_plain_and_the_regex_escaped) {
    const auto suggestions = make_suggestions(
        L"foo\\.bar", factory.regex_language(Language::VisualStudio).regex_descriptions(),
        factory.regex_formatting_ptr(Language::VisualStudio));
    ASSERT_EQ(suggestions.size(), 1u);
    const auto& elements = suggestions.front().elements;
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[1]->regex(), L"\\.");
    EXPECT_EQ(elements[1]->long_description(), L".");
    // Patterns of a composite suggestion carry their name only.
    EXPECT_EQ(elements[0]->regex(), L":i");
    EXPECT_EQ(elements[0]->long_description(), L"");
    EXPECT_EQ(elements[0]->short_description(), L"Identifier");
}

TEST(MakeSuggestionsTest, rows_of_a_table_of_our_own) {
    const auto formatting = factory.regex_formatting_ptr(Language::ECMAScript);
    struct TableCase {
        std::vector<RegexDescription> rows;
        std::wstring text;
        std::vector<std::wstring> expected; // long descriptions
    };
    const TableCase cases[] = {
        // No de-duplication: equal rows give a suggestion each.
        {{{L"[0-9]+", L"first", L"A"}, {L"[0-9]+", L"second", L"B"}}, L"12", {L"first", L"second"}},
        // The last row is applied first.
        {{{L"ab", L"", L"AB"}, {L"b", L"", L"B"}}, L"abx", {L"a B x"}},
        {{{L"b", L"", L"B"}, {L"ab", L"", L"AB"}}, L"abx", {L"AB x"}},
        // A row claims every stretch it finds, leftmost first, before the next row is tried.
        {{{L"a+", L"", L"A"}}, L"aXaaXa", {L"A X A X A"}},
        // Rows that can match the empty string claim only what they really find.
        {{{L"[0-9]*", L"", L"Digits"}}, L"ab12cd", {L"ab Digits cd"}},
        {{{L"x*", L"", L"X"}, {L"(?=b)", L"", L"Before b"}}, L"abc", {}},
        {{}, L"abc", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> descriptions;
        for (const auto& s : make_suggestions(c.text, c.rows, formatting)) {
            descriptions.push_back(s.long_description());
        }
        EXPECT_EQ(descriptions, c.expected) << c.text;
    }
}

TEST(MakeSuggestionsTest, agrees_with_the_plain_composite_pass_on_random_selections) {
    // Rows whose matches depend on where a piece of text ends: splitting a piece can give them
    // new matches in the text before a match.
    const std::vector<RegexDescription> anchored = {
        {L"(?=a)a.", L"", L"AnyA"}, {L"\\bb", L"", L"WordB"},    {L"^c", L"", L"FirstC"},
        {L"b\\B", L"", L"InnerB"},  {L"[0-9]*", L"", L"Digits"}, {L"a(?!b)", L"", L"LoneA"},
        {L"a$", L"", L"EndA"},
    };
    struct TableCase {
        std::vector<RegexDescription> rows;
        std::shared_ptr<IRegexFormatting> formatting;
    };
    const TableCase tables[] = {
        {factory.regex_language(Language::VisualStudio).regex_descriptions(),
         factory.regex_formatting_ptr(Language::VisualStudio)},
        {factory.regex_language(Language::ECMAScript).regex_descriptions(),
         factory.regex_formatting_ptr(Language::ECMAScript)},
        {anchored, factory.regex_formatting_ptr(Language::ECMAScript)},
        // A quote applied after the b inside it was claimed: its match must not run through it.
        {{{L"'[^']*'", L"", L"Quote"}, {L"b", L"", L"B"}},
         factory.regex_formatting_ptr(Language::ECMAScript)},
    };
    std::mt19937 random(3);
    const std::wstring alphabet = L"abcAZ09_$ \t.'\"-\x00E9";
    for (const auto& table : tables) {
        for (int i = 0; i < 400; ++i) {
            std::wstring sample(random() % 16, L' ');
            for (auto& c : sample) {
                c = alphabet[random() % alphabet.size()];
            }
            const auto text = table.formatting->escape_regex(sample);
            EXPECT_EQ(summary(make_suggestions(text, table.rows, table.formatting)),
                      plain_suggestions(sample, table.rows, *table.formatting))
                << sample;
        }
    }
}

TEST(MakeSuggestionsTest, long_selections) {
    const std::size_t times = 11112; // "word 123 " times this is just over 100,000 characters
    const std::wstring words = L"'" + repeated(L"word 123 ", times);
    EXPECT_EQ(
        suggest(Language::VisualStudio, words),
        (Summary{{L"'" + repeated(L":i:Wh+:a+:Wh+", times),
                  L"'" + repeated(L" Identifier Whitespace EAlphanumeric Whitespace", times)}}));
    const auto es = suggest(Language::ECMAScript, words);
    ASSERT_EQ(es.size(), 1u);
    EXPECT_EQ(es.front().first, L"'" + repeated(L"[[:alnum:]]+[[:space:]]+", 2 * times));

    const std::wstring letters(100000, L'a');
    EXPECT_EQ(suggest(Language::VisualStudio, letters), suggest(Language::VisualStudio, L"abc"));
}

TEST(MakeSuggestionsTest, no_formatting_is_a_failed_precondition) {
    EXPECT_CONTRACT_VIOLATION(make_suggestions(L"abc", {}, nullptr),
                              DBC::IAssertHandler::precondition);
}
