// Whatever the samples, the inferred regex and format, applied to the search sample, give back the
// replacement sample.

#include "tests/support/ReplaceOracle.h"

#include "core/MakeReplaceRegex.h"
#include "languages/LanguageFactory.h"
#include "tests/support/PrintableText.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

namespace {

void expect_round_trip(const std::wstring& search, const std::wstring& replace,
                       unsigned min_groups = 0) {
    const LanguageFactory factory;
    for (const LanguageFactory::Language language : LanguageFactory::languages()) {
        const IRegexFormatting& formatting = factory.regex_formatting(language);
        const ReplaceVerdict verdict = judge_replace_regex(
            search, replace, make_replace_regex(search, replace, formatting), language);
        EXPECT_EQ(verdict.fault, "");
        // Parting goes on up to the language's limit.
        EXPECT_GE(verdict.groups, std::min(min_groups, formatting.max_back_reference()))
            << printable(search) << " / " << printable(replace);
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
