// The greedy parting and the candidate walk over the suffix tree's common substrings must part
// every pair of samples alike. Random pairs mix words, digits, punctuation, regex specials,
// accented letters and surrogate pairs, and the replacement reuses pieces of the search sample:
// shuffled, edited, repeated or unchanged. One pair in four is of a kind that makes the engine
// work hard: a copy with every few units changed, texts of digits or of punctuation only, samples
// that share single units only, or distinct words in another order.

#include "tests/support/PrintableText.h"
#include "varnel/core/GSTMake.h"
#include "varnel/core/GreedyParting.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/core/PartedStrings.h"
#include "varnel/core/PartedStringsToRegex.h"
#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

// The sanitizers slow the walk down several times over: fewer pairs there (GCC and Clang spell
// the check differently).
#if defined(__has_feature)
#define VARNEL_HAS_ADDRESS_SANITIZER __has_feature(address_sanitizer)
#else
#define VARNEL_HAS_ADDRESS_SANITIZER 0
#endif
#if defined(__SANITIZE_ADDRESS__) || VARNEL_HAS_ADDRESS_SANITIZER
constexpr int pairs_to_try = 1500;
#else
constexpr int pairs_to_try = 8000;
#endif

using Tokens = std::vector<std::wstring>;

std::wstring join(const Tokens& tokens) {
    std::wstring result;
    for (const std::wstring& token : tokens) {
        result += token;
    }
    return result;
}

class SampleMaker {
public:
    explicit SampleMaker(unsigned int seed) : random(seed) {}

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(number(0, static_cast<int>(items.size()) - 1))];
    }

    std::wstring token() {
        static const std::vector<std::wstring> syllables = {
            L"a",   L"b",      L"ab",        L"ba",      L"cat",
            L"con", L"\u00e9", L"\u00fcber", L"\u00dfa", L"\u0416\u0443"};
        // Spaces and tabs, punctuation, regex and format specials, a dash beyond ASCII.
        static const std::wstring marks = L"   \t.,;:-_/$\\()[]{}*+?^|#'\"\u2014";
        // Whole characters beyond the 16-bit range, two sharing their first half, and halves.
        static const std::vector<std::wstring> surrogates = {L"\xD83D\xDE00", L"\xD83D\xDE01",
                                                             L"\xDE00", L"\xD83D"};
        const int kind = number(0, 19);
        if (kind < 10) {
            std::wstring word;
            for (int n = number(1, 3); n > 0; --n) {
                word += pick(syllables);
            }
            return word;
        }
        if (kind < 14) {
            return std::to_wstring(number(0, kind < 12 ? 9 : 2010));
        }
        if (kind < 19) {
            return std::wstring(
                1, marks[static_cast<std::size_t>(number(0, static_cast<int>(marks.size()) - 1))]);
        }
        return pick(surrogates);
    }

    Tokens tokens(int max_units) {
        Tokens result;
        const int wanted = number(0, max_units);
        for (int units = 0; units < wanted;) {
            result.push_back(token());
            units += static_cast<int>(result.back().size());
        }
        return result;
    }

    // A replacement made of the search sample's pieces, or a fresh one.
    Tokens related(const Tokens& search, int max_units) {
        Tokens result = search;
        switch (number(0, 4)) {
        case 0:
            return tokens(max_units);
        case 1:
            std::shuffle(result.begin(), result.end(), random);
            return result;
        case 2:
            for (std::wstring& token_text : result) {
                const int change = number(0, 5);
                if (change == 0) {
                    token_text.clear();
                } else if (change == 1) {
                    token_text = token();
                } else if (change == 2) {
                    token_text += token();
                }
            }
            return result;
        case 3:
            for (int n = number(1, 4); n > 0 && !search.empty(); --n) {
                const auto from =
                    static_cast<std::size_t>(number(0, static_cast<int>(search.size()) - 1));
                const auto count = static_cast<std::size_t>(number(1, 4));
                const auto end = std::min(search.size(), from + count);
                result.insert(result.begin() + number(0, static_cast<int>(result.size())),
                              search.begin() + static_cast<std::ptrdiff_t>(from),
                              search.begin() + static_cast<std::ptrdiff_t>(end));
            }
            std::shuffle(result.begin(), result.end(), random);
            return result;
        default:
            return result;
        }
    }

    std::wstring units_from(const std::wstring& units, int count) {
        std::wstring result;
        for (int n = 0; n < count; ++n) {
            result +=
                units[static_cast<std::size_t>(number(0, static_cast<int>(units.size()) - 1))];
        }
        return result;
    }

    std::pair<std::wstring, std::wstring> hard_pair(int max_units) {
        const int size = number(1, max_units);
        switch (number(0, 4)) {
        case 0: {
            const std::wstring search = units_from(L"ab -1.", size);
            std::wstring replace = search;
            const int step = number(2, 30);
            for (std::size_t i = static_cast<std::size_t>(step) - 1; i < replace.size();
                 i += static_cast<std::size_t>(step)) {
                replace[i] = replace[i] == L'x' ? L'y' : L'x';
            }
            return {search, replace};
        }
        case 1:
            return {units_from(L"0123456789", size), units_from(L"0123456789", size)};
        case 2:
            return {units_from(L".,;:-()[]", size), units_from(L".,;:-()[]", size)};
        case 3: {
            // Every other unit of the replacement is one the search sample never holds.
            std::wstring replace = units_from(L".,;:", size);
            for (std::size_t i = 0; i < replace.size(); i += 2) {
                replace[i] = L'0';
            }
            return {units_from(L".,;:", size), replace};
        }
        default: {
            Tokens words;
            for (int units = 0; units < size;) {
                std::wstring word = units_from(L"abc", number(1, 4));
                if (std::find(words.begin(), words.end(), word) == words.end()) {
                    units += static_cast<int>(word.size()) + 1;
                    words.push_back(word + L" ");
                }
            }
            const std::wstring search = join(words);
            std::shuffle(words.begin(), words.end(), random);
            return {search, join(words)};
        }
        }
    }

private:
    std::mt19937 random;
};

} // namespace

TEST(GreedyPartingDifferentialTest, parts_random_pairs_like_the_candidate_walk) {
    const ECMAScriptFormatting ecmascript;
    const VisualStudioFormatting visual_studio;
    const std::vector<const IRegexFormatting*> languages = {&visual_studio, &ecmascript};
    SampleMaker maker(20240917);
    int differences = 0;
    int pairs_with_groups = 0;
    int pairs_at_nine_groups = 0;
    for (int pair = 0; pair < pairs_to_try && differences < 5; ++pair) {
        // Mostly short pairs, where the walk is quick; every tenth one is long.
        const int max_units = pair % 10 == 0 ? 300 : 60;
        const Tokens search_tokens = maker.tokens(max_units);
        std::wstring search = join(search_tokens);
        if (search.empty()) {
            search = maker.token();
        }
        std::wstring replace = join(maker.related(search_tokens, max_units));
        if (pair % 4 == 3) {
            std::tie(search, replace) = maker.hard_pair(max_units);
        }
        const std::set<std::wstring> common =
            replace.empty() ? std::set<std::wstring>()
                            : GST::common_substrings(GST::make({search, replace}));

        const auto context = [&] {
            return "search \"" + printable(search) + "\", replace \"" + printable(replace) + "\"";
        };
        for (const IRegexFormatting* language : languages) {
            const unsigned int limit = language->max_back_reference();
            const PartedStrings walked(search, replace, common, limit);
            const PartedStrings parted = greedy_parting(search, replace, limit);
            const bool same = parted.search_parts == walked.search_parts &&
                              parted.replace_parts == walked.replace_parts &&
                              parted_strings_to_regex(parted, *language) ==
                                  parted_strings_to_regex(walked, *language);
            EXPECT_TRUE(same) << "at most " << limit << " groups, " << context();
            differences += same ? 0 : 1;
            if (limit == 9) {
                const auto groups = std::count_if(
                    walked.search_parts.begin(), walked.search_parts.end(),
                    [](const StringPart& part) { return part.kind == StringPart::Common; });
                pairs_with_groups += groups > 0 ? 1 : 0;
                pairs_at_nine_groups += groups == 9 ? 1 : 0;
            }
        }
    }
    // The pairs must exercise the parting, the group limit included, for the comparison to count.
    EXPECT_GT(pairs_with_groups, pairs_to_try * 3 / 4);
    EXPECT_GT(pairs_at_nine_groups, pairs_to_try / 20);
}

// The driver hands short samples to the candidate walk and longer ones to the engine; on either
// side of that length its results are the walk's.
TEST(GreedyPartingDifferentialTest, driver_agrees_with_the_candidate_walk_at_every_short_length) {
    const ECMAScriptFormatting ecmascript;
    const VisualStudioFormatting visual_studio;
    SampleMaker maker(99);
    for (int pair = 0; pair < 400; ++pair) {
        std::wstring search = join(maker.tokens(20));
        if (search.empty()) {
            search = maker.token();
        }
        std::wstring replace = join(maker.related(maker.tokens(20), 20));
        if (pair % 2 == 0) {
            replace = join(maker.related({search}, 20));
        }
        const std::set<std::wstring> common =
            replace.empty() ? std::set<std::wstring>()
                            : GST::common_substrings(GST::make({search, replace}));
        for (const IRegexFormatting* language :
             std::vector<const IRegexFormatting*>{&visual_studio, &ecmascript}) {
            const PartedStrings walked(search, replace, common, language->max_back_reference());
            EXPECT_EQ(make_replace_regex(search, replace, *language),
                      parted_strings_to_regex(walked, *language))
                << "search \"" << printable(search) << "\", replace \"" << printable(replace)
                << "\"";
        }
    }
}
