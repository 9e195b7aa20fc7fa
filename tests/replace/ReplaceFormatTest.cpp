// Format strings as each language writes them, expanded for a match.

#include "varnel/replace/RunReplace.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const auto visual_studio = Language::VisualStudio;
const auto ecmascript = Language::ECMAScript;
const auto javascript = Language::JavaScript;
const auto python = Language::Python;

} // namespace

TEST(ReplaceFormatTest, expansion) {
    const struct {
        Language language;
        std::wstring regex;
        std::wstring format;
        std::wstring text;
        std::wstring expected;
        bool all = false;
    } cases[] = {
        {ecmascript, L"(a)(b)", L"$2$1", L"xab", L"xba"},
        {ecmascript, L"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", L"$12,$1", L"abcdefghijkl", L"l,a"},
        // Two digits whenever two follow: "$01" before a digit refers to group 1.
        {ecmascript, L"(a)", L"$012", L"a", L"a2"},
        {ecmascript, L"(a)", L"$0|$00|$&", L"a", L"a|a|a"},
        {ecmascript, L"(a)", L"$$1", L"a", L"$1"},
        {ecmascript, L"(a)", L"$x$", L"a", L"$x$"},
        {ecmascript, L"(a)", L"\\1", L"a", L"\\1"},
        // The text between the previous match and the match, and the text after the match.
        {ecmascript, L"b", L"[$`|$']", L"abc", L"a[a|c]c"},
        {ecmascript, L"b", L"$`", L"abcb", L"aacc", true},
        // A group that took no part expands to nothing.
        {ecmascript, L"(a)|(b)", L"[$1]", L"b", L"[]"},
        // JavaScript: two digits only for a group that exists; $0 and missing groups as text.
        {javascript, L"(a)", L"$12|$0|$01|$2|$<x>", L"a", L"a2|$0|a|$2|$<x>"},
        {javascript, L"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", L"$12,$1", L"abcdefghijkl", L"l,a"},
        {javascript, L"(?<x>a)", L"$<x>$<y>", L"a", L"a"},
        // Python: \g<...> by number or name, \nn, octal and other escapes.
        {python, L"(?P<x>a)", L"\\g<x>\\g<1>0\\g<0>", L"a", L"aa0a"},
        {python, L"(a)", L"\\n\\-\\\\\\101", L"a", L"\n\\-\\A"},
        {visual_studio, L"{a}{b}", L"\\2\\1", L"xab", L"xba"},
        {visual_studio, L"{a}", L"\\12", L"a", L"a2"},
        {visual_studio, L"{a}", L"\\0\\\\\\x\\", L"a", L"a\\\\x\\"},
        {visual_studio, L"{a}", L"$1$&", L"a", L"$1$&"},
        {visual_studio, L"{a}|{b}", L"[\\1]", L"b", L"[]"},
    };
    for (const auto& c : cases) {
        const Replacer replacer(c.regex, c.format, c.language);
        const ReplaceOutcome outcome =
            c.all ? replacer.replace_all(c.text) : replacer.replace_first(c.text);
        EXPECT_EQ(outcome.status, ReplaceOutcome::Status::Replaced) << outcome.message;
        EXPECT_EQ(outcome.text, c.expected) << testing::PrintToString(c.format);
    }
}
