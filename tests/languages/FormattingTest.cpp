#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <random>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;

struct TextCase {
    const IRegexFormatting& formatting;
    std::wstring input;
    std::wstring expected;
};

struct FlagCase {
    const IRegexFormatting& formatting;
    std::wstring input;
    bool expected;
};

} // namespace

TEST(FormattingTest, make_group) {
    EXPECT_EQ(visual_studio.make_group(L""), L"{}");
    EXPECT_EQ(ecmascript.make_group(L""), L"()");
    EXPECT_EQ(visual_studio.make_group(L"a\\.b"), L"{a\\.b}");
    EXPECT_EQ(ecmascript.make_group(L"a\\.b"), L"(a\\.b)");
}

TEST(FormattingTest, escape_regex) {
    const TextCase cases[] = {
        {ecmascript, L"1+1=2", L"1\\+1=2"},
        {ecmascript, L"", L""},
        {visual_studio, L"C:\\dir", L"C\\:\\\\dir"},
        {ecmascript, L"C:\\dir", L"C:\\\\dir"},
        {ecmascript, L"\\^$.*+?()[]{}|", L"\\\\\\^\\$\\.\\*\\+\\?\\(\\)\\[\\]\\{\\}\\|"},
        {visual_studio, L"a:<b>#~@", L"a\\:\\<b\\>\\#\\~\\@"},
        {ecmascript, L"a:<b>#~@", L"a:<b>#~@"},
        {ecmascript, L"caf\u00e9 \u00fcber", L"caf\u00e9 \u00fcber"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.formatting.escape_regex(c.input), c.expected) << c.input;
    }
}

TEST(FormattingTest, unescape_regex) {
    const TextCase cases[] = {
        {ecmascript, L"1\\+1=2", L"1+1=2"},
        {ecmascript, L"abc\\", L"abc\\"},
        {visual_studio, L"C\\:\\\\dir", L"C:\\dir"},
        {ecmascript, L"\\d", L"\\d"},
        // The backslash pairs are undone first, then each later special character in turn.
        {ecmascript, L"\\\\.", L"."},
        {ecmascript, L"\\\\\\.", L"\\."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.formatting.unescape_regex(c.input), c.expected) << c.input;
    }
}

TEST(FormattingTest, back_references) {
    EXPECT_EQ(ecmascript.make_back_reference(3), L"$3");
    EXPECT_EQ(visual_studio.make_back_reference(3), L"\\3");
    EXPECT_EQ(ecmascript.make_back_reference(12), L"$12");
    EXPECT_EQ(visual_studio.make_back_reference(12), L"\\12");
    EXPECT_EQ(visual_studio.max_back_reference(), 9u);
    EXPECT_EQ(ecmascript.max_back_reference(), 99u);
}

TEST(FormattingTest, a_back_reference_before_a_digit_does_not_run_into_it) {
    EXPECT_EQ(ecmascript.make_back_reference_before_digit(1), L"$01");
    EXPECT_EQ(ecmascript.make_back_reference_before_digit(9), L"$09");
    EXPECT_EQ(ecmascript.make_back_reference_before_digit(12), L"$12");
    EXPECT_EQ(visual_studio.make_back_reference_before_digit(1), L"\\1");
}

TEST(FormattingTest, escape_format) {
    const TextCase cases[] = {
        {ecmascript, L"5$", L"5$$"},    {ecmascript, L"", L""},
        {ecmascript, L"a\\b", L"a\\b"}, {visual_studio, L"a\\b$", L"a\\\\b$"},
        {visual_studio, L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.formatting.escape_format(c.input), c.expected) << c.input;
    }
}

TEST(FormattingTest, has_special_characters) {
    const FlagCase cases[] = {
        {ecmascript, L"", false},
        {visual_studio, L"", false},
        {ecmascript, L"abc", false},
        {visual_studio, L"abc", false},
        {ecmascript, L"a\\.b", false},
        {visual_studio, L"a\\.b", false},
        {visual_studio, L":z", true},
        {ecmascript, L":z", false},
        {ecmascript, L"[[:digit:]]+", true},
        {visual_studio, L"[[:digit:]]+", true},
        {ecmascript, L"abc\\", true},
        {visual_studio, L"abc\\", true},
        {ecmascript, L"\\d", true},
        {ecmascript, L"\\\\.", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.formatting.has_special_characters(c.input), c.expected) << c.input;
    }
}

TEST(FormattingTest, escaping_round_trips_on_random_texts) {
    const std::wstring alphabet = L"ab \\^$.*+?()[]{}|:<>#~@1\u00e9";
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::wstring text(random() % 12, L' ');
        for (auto& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        for (const IRegexFormatting* formatting :
             {static_cast<const IRegexFormatting*>(&visual_studio),
              static_cast<const IRegexFormatting*>(&ecmascript)}) {
            const std::wstring escaped = formatting->escape_regex(text);
            EXPECT_EQ(formatting->unescape_regex(escaped), text);
            EXPECT_FALSE(formatting->has_special_characters(escaped)) << escaped;
        }
    }
}
