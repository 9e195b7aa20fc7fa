// The outcomes of running a regex and a format: replaced, no match, an invalid regex or format
// with its reason and place, too complex.

#include "varnel/replace/RunReplace.h"

#include "tests/support/ThrowingAssertHandler.h"

#include <thread>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using Status = ReplaceOutcome::Status;
const auto visual_studio = Language::VisualStudio;
const auto ecmascript = Language::ECMAScript;

ReplaceOutcome replaced(const std::wstring& text, std::size_t matches) {
    return {Status::Replaced, text, matches, {}, 0};
}

ReplaceOutcome no_match(const std::wstring& text) {
    return {Status::NoMatch, text, 0, {}, 0};
}

ReplaceOutcome invalid_regex(const std::wstring& message, std::size_t offset) {
    return {Status::InvalidRegex, {}, 0, message, offset};
}

ReplaceOutcome invalid_format(const std::wstring& message, std::size_t offset) {
    return {Status::InvalidFormat, {}, 0, message, offset};
}

ReplaceOutcome too_complex(const std::wstring& message) {
    return {Status::TooComplex, {}, 0, message, 0};
}

std::wstring repeated(const std::wstring& text, std::size_t count) {
    std::wstring result;
    for (std::size_t i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

const std::wstring back_reference_error =
    L"a back reference must refer to a group closed before it";
const std::wstring tag_reference_error =
    L"a back reference must refer to a tagged expression closed before it";

} // namespace

TEST(RunReplaceTest, outcomes) {
    const std::wstring a_run = std::wstring(60, L'a') + L"!";
    const struct {
        Language language;
        std::wstring regex;
        std::wstring format;
        std::wstring text;
        ReplaceOutcome expected;
        bool all = false;
    } cases[] = {
        {ecmascript, L"a", L"b", L"aXa", replaced(L"bXa", 1)},
        {ecmascript, L"a", L"b", L"aXa", replaced(L"bXb", 2), true},
        {visual_studio, L"{a}", L"[\\1]", L"aXa", replaced(L"[a]X[a]", 2), true},
        {ecmascript, L"x*", L"-", L"ab", replaced(L"-a-b-", 3), true},
        {ecmascript, L"b", L"c", L"aaa", no_match(L"aaa"), true},
        {visual_studio, L"b", L"c", L"", no_match(L"")},
        // The regex is read before PCRE2 sees it ...
        {ecmascript, L"(a", L"", L"a", invalid_regex(L"missing )", 0)},
        {ecmascript, L"a)", L"", L"a", invalid_regex(L"unmatched )", 1)},
        {ecmascript, L"x[a", L"", L"a", invalid_regex(L"missing ]", 1)},
        {ecmascript, L"*a", L"", L"a", invalid_regex(L"nothing to repeat", 0)},
        {ecmascript, L"^*", L"", L"a", invalid_regex(L"nothing to repeat", 1)},
        {ecmascript, L"(?=a)+", L"", L"a", invalid_regex(L"nothing to repeat", 5)},
        {ecmascript, L"a{2", L"", L"a", invalid_regex(L"missing }", 1)},
        {ecmascript, L"a{x}", L"", L"a", invalid_regex(L"{ must be followed by a number", 1)},
        {ecmascript, L"a{3,2}", L"", L"a", invalid_regex(L"numbers out of order in { }", 1)},
        {ecmascript, L"[z-a]", L"", L"a", invalid_regex(L"range out of order", 1)},
        {ecmascript, L"[\\d-z]", L"", L"a", invalid_regex(L"a range cannot begin with a class", 3)},
        {ecmascript, L"[a-\\d]", L"", L"a", invalid_regex(L"a range cannot end with a class", 3)},
        {ecmascript, L"[[:bogus:]]", L"", L"a", invalid_regex(L"unknown class [:bogus:]", 1)},
        {ecmascript, L"[[:alpha]", L"", L"a", invalid_regex(L"missing :]", 1)},
        {ecmascript, L"[[=a=]]", L"", L"a",
         invalid_regex(L"collating elements and equivalence classes are not supported", 1)},
        {ecmascript, L"\\1(a)", L"", L"a", invalid_regex(back_reference_error, 0)},
        {ecmascript, L"(a\\1)", L"", L"a", invalid_regex(back_reference_error, 2)},
        {ecmascript, L"[\\1]", L"", L"a",
         invalid_regex(L"a back reference cannot stand inside [ ]", 1)},
        {ecmascript, L"[\\B]", L"", L"a", invalid_regex(L"\\B cannot stand inside [ ]", 1)},
        {ecmascript, L"(?<a)", L"", L"a", invalid_regex(L"(? must be followed by :, = or !", 0)},
        {ecmascript, L"a\\", L"", L"a",
         invalid_regex(L"\\ at the end of the regular expression", 1)},
        {ecmascript, L"\\x4g", L"", L"a",
         invalid_regex(L"\\x must be followed by two hexadecimal digits", 0)},
        {ecmascript, L"\\c1", L"", L"a", invalid_regex(L"\\c must be followed by a letter", 0)},
        {visual_studio, L"x{a", L"", L"a", invalid_regex(L"missing }", 1)},
        {visual_studio, L"a(b", L"", L"a", invalid_regex(L"missing )", 1)},
        {visual_studio, L"a}", L"", L"a", invalid_regex(L"unmatched }", 1)},
        {visual_studio, L"{a)", L"", L"a", invalid_regex(L"unmatched )", 2)},
        {visual_studio, L"a:Xy", L"", L"a", invalid_regex(L"unknown class :Xy", 1)},
        {visual_studio, L"[:z]", L"", L"a",
         invalid_regex(L":z stands for a string, not in a set", 1)},
        {visual_studio, L"~a", L"", L"a", invalid_regex(L"~ must be followed by (", 0)},
        {visual_studio, L"\\2{a}", L"", L"a", invalid_regex(tag_reference_error, 0)},
        {visual_studio, L"a|@", L"", L"a", invalid_regex(L"nothing to repeat", 2)},
        // ... and PCRE2's own refusals come back at the place in the user's regex.
        {ecmascript, L"ab{70000}", L"", L"a", invalid_regex(L"number too big in {} quantifier", 2)},
        // A format that refers to a group the regex lacks.
        {ecmascript, L"(a)", L"$3.$2.$1", L"a",
         invalid_format(L"the format refers to group 3, but the regular expression has 1 group",
                        0)},
        {visual_studio, L"a", L"x\\1", L"a",
         invalid_format(L"the format refers to group 1, but the regular expression has 0 groups",
                        1)},
        // A search that would not end, and a regex too large to compile.
        {ecmascript, L"(a|aa)+$", L"", a_run, too_complex(L"match limit exceeded")},
        {visual_studio, L"{a|aa}+$", L"", a_run, too_complex(L"match limit exceeded"), true},
    };
    for (const auto& c : cases) {
        const Replacer replacer(c.regex, c.format, c.language);
        const ReplaceOutcome outcome =
            c.all ? replacer.replace_all(c.text) : replacer.replace_first(c.text);
        EXPECT_EQ(outcome, c.expected)
            << testing::PrintToString(c.regex.substr(0, 20)) << " "
            << testing::PrintToString(outcome.message) << " at " << outcome.offset;
        const bool ran =
            c.expected.status == Status::Replaced || c.expected.status == Status::NoMatch;
        EXPECT_EQ(replacer.error().has_value(), !ran && c.expected.status != Status::TooComplex);
    }
}

TEST(RunReplaceTest, a_regex_too_large_to_compile_is_too_complex_before_it_runs) {
    const Replacer replacer(repeated(L"a+", 40000), L"", ecmascript);
    ASSERT_TRUE(replacer.error());
    EXPECT_EQ(replacer.error()->status, Status::TooComplex);
}

TEST(RunReplaceTest, one_replacer_serves_several_threads) {
    const Replacer replacer(L"([a-z]+)=([0-9]+)", L"$2=$1", ecmascript);
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread) {
        threads.emplace_back([&replacer, &wrong, thread] {
            for (int row = 0; row < 1000; ++row) {
                const std::wstring number = std::to_wstring(row * 4 + thread);
                const std::wstring name(static_cast<std::size_t>(1 + row % 9), L'a' + thread);
                const ReplaceOutcome outcome =
                    replacer.replace_all(L"row=" + number + L", " + name + L"=" + number);
                wrong[static_cast<std::size_t>(thread)] +=
                    outcome.text != number + L"=row, " + number + L"=" + name;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

TEST(RunReplaceTest, spans_place_each_match_and_its_replacement) {
    struct Case {
        std::wstring regex;
        std::wstring format;
        std::wstring text;
        std::vector<ReplacedSpan> expected;
    };
    const Case cases[] = {
        {L"([0-9]+)", L"<$1>", L"a 12 b 345", {{2, 4, 2, 6}, {7, 10, 9, 14}}},
        // An empty match and a match replaced by nothing still have their places.
        {L"x*", L"-", L"ab", {{0, 0, 0, 1}, {1, 1, 2, 3}, {2, 2, 4, 5}}},
        {L"b", L"", L"abc", {{1, 2, 1, 1}}},
        {L"z", L"y", L"abc", {}},
    };
    for (const auto& c : cases) {
        std::vector<ReplacedSpan> spans{{9, 9, 9, 9}};
        const ReplaceOutcome outcome =
            Replacer(c.regex, c.format, ecmascript).replace_all(c.text, spans);
        EXPECT_EQ(spans, c.expected) << testing::PrintToString(c.regex);
        EXPECT_EQ(outcome, Replacer(c.regex, c.format, ecmascript).replace_all(c.text));
    }
}

TEST(RunReplaceTest, text_must_be_code_units) {
    EXPECT_CONTRACT_VIOLATION(run_replace(L"a", L"", std::wstring(1, L'\x1F600'), ecmascript),
                              DBC::IAssertHandler::precondition);
    EXPECT_CONTRACT_VIOLATION(Replacer(std::wstring(1, L'\x1F600'), L"", visual_studio),
                              DBC::IAssertHandler::precondition);
}

// A language whose regexes the runner cannot read yet is said to be so, by name, for the check,
// the rewrite and the learner alike, and a valid regex is never called invalid.
