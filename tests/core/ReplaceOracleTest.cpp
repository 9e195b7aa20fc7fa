// Whatever the samples, the inferred regex and format, applied to the search sample, give back the
// replacement sample.

#include "core/MakeReplaceRegex.h"
#include "languages/ECMAScriptFormatting.h"
#include "languages/VisualStudioFormatting.h"
#include "tests/support/SampleMaker.h"

#include <algorithm>
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

} // namespace

TEST(ReplaceOracleTest, random_samples_rebuild_the_replacement) {
    SampleMaker maker;
    for (int round = 0; round < 3000; ++round) {
        const auto [search, replace] = maker.pair(round % 2 == 1);
        expect_round_trip(search, replace);
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
