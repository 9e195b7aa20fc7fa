#include "varnel/languages/ECMAScriptFormatting.h"
#include "varnel/languages/JavaScriptFormatting.h"
#include "varnel/languages/PcreFormatting.h"
#include "varnel/languages/PosixEreFormatting.h"
#include "varnel/languages/PythonFormatting.h"
#include "varnel/languages/VisualStudioFormatting.h"

#include <random>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const VisualStudioFormatting visual_studio;
const ECMAScriptFormatting ecmascript;
const JavaScriptFormatting javascript;
const PcreFormatting pcre;
const PythonFormatting python;
const PosixEreFormatting posix_ere;

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
    EXPECT_EQ(python.make_back_reference(12), L"\\g<12>");
    EXPECT_EQ(pcre.make_back_reference(12), L"$12");
    EXPECT_EQ(posix_ere.make_back_reference(9), L"\\9");
    EXPECT_EQ(posix_ere.max_back_reference(), 9u);
    EXPECT_EQ(python.max_back_reference(), 99u);
}

TEST(FormattingTest, a_back_reference_does_not_run_into_the_text_after_it) {
    struct Case {
        const IRegexFormatting& formatting;
        unsigned int number;
        wchar_t next;
        std::wstring expected;
    };
    const Case cases[] = {
        {ecmascript, 1, L'2', L"$01"},    {ecmascript, 9, L'0', L"$09"},
        {ecmascript, 12, L'3', L"$12"},   {ecmascript, 1, L'[', L"$1"},
        {visual_studio, 1, L'2', L"\\1"}, {javascript, 1, L'2', L"$01"},
        {pcre, 1, L'2', L"${1}"},         {pcre, 12, L'[', L"$12"},
        {pcre, 3, L'{', L"$3"},           {pcre, 3, L'-', L"$3"},
        {pcre, 3, L'a', L"$3"},           {pcre, 3, 0, L"$3"},
        {python, 1, L'2', L"\\g<1>"},     {posix_ere, 1, L'2', L"\\1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.formatting.make_back_reference_before(c.number, c.next), c.expected);
    }
}

TEST(FormattingTest, escape_format) {
    const TextCase cases[] = {
        {ecmascript, L"5$", L"5$$"},         {ecmascript, L"", L""},
        {ecmascript, L"a\\b", L"a\\b"},      {visual_studio, L"a\\b$", L"a\\\\b$"},
        {visual_studio, L"", L""},           {javascript, L"5$&", L"5$$&"},
        {pcre, L"\\$@", L"\\\\\\$@"},        {python, L"\\g<1>$", L"\\\\g<1>$"},
        {posix_ere, L"a&b\\", L"a\\&b\\\\"},
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
        for (const IRegexFormatting* formatting : std::initializer_list<const IRegexFormatting*>{
                 &visual_studio, &ecmascript, &javascript, &pcre, &python, &posix_ere}) {
            const std::wstring escaped = formatting->escape_regex(text);
            EXPECT_EQ(formatting->unescape_regex(escaped), text);
            EXPECT_FALSE(formatting->has_special_characters(escaped)) << escaped;
        }
    }
}
