// Whatever the samples, the inferred regex and format, applied to the search sample, give back the
// replacement sample.

#include "core/MakeReplaceRegex.h"
#include "languages/ECMAScriptFormatting.h"
#include "languages/VisualStudioFormatting.h"

#include <algorithm>
#include <random>
#include <regex>

#include <gtest/gtest.h>

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;

struct Applied {
    std::wstring replacement;
    unsigned groups = 0;
};

Applied apply_ecmascript(const std::wstring& search, const ReplaceRegex& result) {
    const std::wregex regex(result.regex);
    return {
        std::regex_replace(search, regex, result.format, std::regex_constants::format_first_only),
        static_cast<unsigned>(regex.mark_count())};
}

// Reads our Visual Studio output: in the regex, escaped literals and {} groups only; in the
// format, a backslash and one digit refer to a group, two backslashes stand for one, anything
// else is literal.
Applied apply_visual_studio(const std::wstring& search, const ReplaceRegex& result) {
    std::wstring regex;
    for (std::size_t i = 0; i < result.regex.size(); ++i) {
        const wchar_t c = result.regex[i];
        if (c == L'\\' && i + 1 < result.regex.size()) {
            regex += ecmascript.escape_regex(std::wstring(1, result.regex[++i]));
        } else if (c == L'{' || c == L'}') {
            regex += c == L'{' ? L'(' : L')';
        } else if (visual_studio.has_special_characters(std::wstring(1, c))) {
            ADD_FAILURE() << "unescaped special character in "
                          << testing::PrintToString(result.regex);
        } else {
            regex += ecmascript.escape_regex(std::wstring(1, c));
        }
    }
    std::wsmatch match;
    if (!std::regex_match(search, match, std::wregex(regex))) {
        return {L"<no match>", 0};
    }
    Applied applied{L"", static_cast<unsigned>(match.size() - 1)};
    const std::wstring& format = result.format;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        if (format[i] == L'\\' && next >= L'0' && next <= L'9') {
            applied.replacement += match[next - L'0'].str();
            ++i;
        } else if (format[i] == L'\\' && next == L'\\') {
            applied.replacement += L'\\';
            ++i;
        } else {
            applied.replacement += format[i];
        }
    }
    return applied;
}

// No lone half of a surrogate pair: every character of the samples stays whole.
bool whole_characters(const std::wstring& text) {
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool high_before = i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
        const bool low_here = i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (high_before != low_here) {
            return false;
        }
    }
    return true;
}

void expect_round_trip(const std::wstring& search, const std::wstring& replace,
                       unsigned min_groups = 0) {
    const struct {
        const IRegexFormatting& formatting;
        Applied (*apply)(const std::wstring&, const ReplaceRegex&);
    } languages[] = {{ecmascript, apply_ecmascript}, {visual_studio, apply_visual_studio}};
    for (const auto& language : languages) {
        const ReplaceRegex result = make_replace_regex(search, replace, language.formatting);
        const Applied applied = language.apply(search, result);
        const auto context =
            testing::PrintToString(search) + " / " + testing::PrintToString(replace) + " gave " +
            testing::PrintToString(result.regex) + " / " + testing::PrintToString(result.format);
        EXPECT_EQ(applied.replacement, replace) << context;
        EXPECT_LE(applied.groups, language.formatting.max_back_reference()) << context;
        EXPECT_TRUE(whole_characters(result.regex) && whole_characters(result.format)) << context;
        // Parting goes on up to the language's limit.
        EXPECT_GE(applied.groups, std::min(min_groups, language.formatting.max_back_reference()))
            << context;
    }
}

std::wstring join(const std::vector<std::wstring>& words, const std::wstring& glue) {
    std::wstring result;
    for (const std::wstring& word : words) {
        result += (result.empty() ? L"" : glue) + word;
    }
    return result;
}

// Samples made of short pieces, some of them repeated: letters, accented letters, digits, spaces,
// every special character of both languages and a character outside the basic plane.
class SampleMaker {
public:
    std::vector<std::wstring> pieces(std::size_t max_count) {
        static const std::wstring all[] = {
            L"a",
            L"b",
            L"ab",
            L"ba",
            L"cat",
            L"\u00e9",
            L"\u00fc",
            L"\u00e9t\u00e9",
            L"1",
            L"2",
            L"12",
            L"0",
            L" ",
            L"  ",
            L"\\",
            L"$",
            L"$1",
            L"\\1",
            L"^",
            L".",
            L"*",
            L"+",
            L"?",
            L"(",
            L")",
            L"[",
            L"]",
            L"{",
            L"}",
            L"|",
            L":",
            L"<",
            L">",
            L"#",
            L"~",
            L"@",
            L"-",
            L"\xD83D\xDE00",
            L"\xD83D\xDE01",
        };
        std::vector<std::wstring> result(random() % (max_count + 1));
        for (auto& piece : result) {
            piece = all[random() % std::size(all)];
        }
        return result;
    }

    // Runs of the pieces in another order, with new pieces before some of them.
    std::wstring reordered(const std::vector<std::wstring>& pieces) {
        std::vector<std::wstring> runs;
        for (std::size_t begin = 0; begin < pieces.size();) {
            const std::size_t end = std::min(pieces.size(), begin + 1 + random() % 3);
            runs.push_back(join({pieces.begin() + begin, pieces.begin() + end}, L""));
            begin = end;
        }
        std::shuffle(runs.begin(), runs.end(), random);
        std::wstring result;
        for (const std::wstring& run : runs) {
            result += (random() % 3 == 0 ? join(this->pieces(2), L"") : L"") + run;
        }
        return result;
    }

    // count distinct short words separated by spaces, and the same words shuffled.
    std::pair<std::wstring, std::wstring> many_words(std::size_t count, bool letters) {
        std::vector<std::wstring> words;
        for (std::size_t i = 0; i < count; ++i) {
            words.push_back(
                letters ? std::wstring{L"bcdfgh"[i % 6], L"aeiou"[i / 6 % 5], L"klmnpr"[i / 30 % 6]}
                        : std::to_wstring(i * 7 % 1000));
        }
        const std::wstring search = join(words, L" ");
        std::shuffle(words.begin(), words.end(), random);
        return {search, join(words, L"; ")};
    }

    std::mt19937 random{2024};
};

} // namespace

TEST(ReplaceOracleTest, random_samples_rebuild_the_replacement) {
    SampleMaker maker;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::wstring> pieces = maker.pieces(14);
        pieces.push_back(L"x");
        const std::wstring replace =
            round % 2 == 0 ? join(maker.pieces(14), L"") : maker.reordered(pieces);
        expect_round_trip(join(pieces, L""), replace);
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
