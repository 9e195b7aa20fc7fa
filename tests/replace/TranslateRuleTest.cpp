// A rule carried over to another language: written in that language's own syntax when it means
// exactly the same there, refused when it would not.

#include "varnel/replace/TranslateRule.h"

#include "tests/support/SampleMaker.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/replace/RunReplace.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace varnel {

// Failures show the rule's texts rather than its bytes.
void PrintTo(const TranslatedRule& rule, std::ostream* out) {
    *out << testing::PrintToString(rule.regex) << " / " << testing::PrintToString(rule.format);
}

} // namespace varnel

namespace {

using L = Language;

struct Case {
    Language from;
    std::wstring regex;
    std::wstring format;
    Language to;
    std::optional<TranslatedRule> translated; // none: refused
};

} // namespace

TEST(TranslateRuleTest, writes_the_rule_in_the_other_language_or_refuses) {
    const LanguageFactory languages;
    const std::wstring metacharacters_vs =
        L"\\.\\*\\+\\?\\(\\)\\[\\]\\{\\}\\|\\^\\$\\\\\\:\\<\\>\\#\\~\\@";
    const std::wstring metacharacters = L"\\.\\*\\+\\?\\(\\)\\[\\]\\{\\}\\|\\^\\$\\\\:<>#~@";
    const Case cases[] = {
        // Every metacharacter of the three as a literal.
        {L::VisualStudio, metacharacters_vs, L"", L::ECMAScript, {{metacharacters, L""}}},
        {L::ECMAScript, metacharacters, L"", L::VisualStudio, {{metacharacters_vs, L""}}},
        {L::ECMAScript, metacharacters, L"", L::PosixERE, {{metacharacters, L""}}},
        // Groups, alternatives and back references.
        {L::VisualStudio, L"{a}(b|c)\\1", L"\\1", L::ECMAScript, {{L"(a)(?:b|c)\\1", L"$1"}}},
        {L::PosixERE, L"(a)(b|c)\\1", L"\\2", L::VisualStudio, {{L"{a}{b|c}\\1", L"\\2"}}},
        {L::VisualStudio, L"~(a)b", L"", L::ECMAScript, {{L"(?!a)b", L""}}},
        // Classes and sets.
        {L::ECMAScript,
         L"[[:digit:]]\\s[[:alpha:]_-][^a-c]",
         L"",
         L::VisualStudio,
         {{L":Nu:Wh[:Al_\\-][^a-c]", L""}}},
        {L::VisualStudio,
         L":Nu:Wh[:Al_\\-][^a-c]",
         L"",
         L::PosixERE,
         {{L"[[:digit:]]\\s[[:alpha:]_-][^a-c]", L""}}},
        {L::ECMAScript, L"\\w\\W\\D", L"", L::PosixERE, std::nullopt},
        {L::ECMAScript, L"\\w\\W", L"", L::PosixERE, {{L"\\w\\W", L""}}},
        // Repeats.
        {L::ECMAScript, L"a{3}b*c+", L"", L::VisualStudio, {{L"a^3b*c+", L""}}},
        {L::PosixERE, L"x{2,5}y?z{4,}", L"", L::ECMAScript, {{L"x{2,5}y?z{4,}", L""}}},
        {L::VisualStudio, L"a@b#", L"", L::ECMAScript, {{L"a*?b+?", L""}}},
        // Named patterns: the identifier and the integer of Visual Studio, and the letters of
        // ECMAScript.
        {L::VisualStudio, L":i", L"", L::ECMAScript, {{L"(?:[$A-Z_a-z][$0-9A-Z_a-z]*)", L""}}},
        {L::VisualStudio, L"{:z}", L"\\1", L::PosixERE, std::nullopt},
        {L::ECMAScript, L"([[:alpha:]]+)", L"$1", L::VisualStudio, {{L"{:Al+}", L"\\1"}}},
        // Formats: references, a reference before a digit, and literal $, \ and &.
        {L::VisualStudio, L"{a}{b}", L"\\1$&\\\\x\\2", L::ECMAScript, {{L"(a)(b)", L"$1$$&\\x$2"}}},
        {L::VisualStudio,
         L"{a}{b}",
         L"\\1$&\\\\x\\2",
         L::PosixERE,
         {{L"(a)(b)", L"\\1$\\&\\\\x\\2"}}},
        {L::VisualStudio, L"{a}", L"\\12", L::ECMAScript, {{L"(a)", L"$012"}}},
        {L::ECMAScript, L"a", L"$&", L::PosixERE, {{L"a", L"\\0"}}},
        // Refused: a lazy repeat into POSIX ERE, a tenth group, a line start where ECMAScript has
        // only the text's, a word boundary Visual Studio cannot say, a class it has no name for,
        // alternatives sed could read otherwise, the text before the match.
        {L::VisualStudio, L"a@", L"", L::PosixERE, std::nullopt},
        {L::ECMAScript, L"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", L"$10", L::PosixERE, std::nullopt},
        {L::VisualStudio, L"^a", L"", L::ECMAScript, std::nullopt},
        {L::ECMAScript, L"\\ba", L"", L::VisualStudio, std::nullopt},
        {L::ECMAScript, L"[[:xdigit:]]", L"", L::VisualStudio, std::nullopt},
        {L::ECMAScript, L"(ab|ac)", L"", L::PosixERE, std::nullopt},
        {L::ECMAScript, L"a", L"$`", L::VisualStudio, std::nullopt},
        // Refused: a back reference that would take the next digit for its own.
        {L::PosixERE, L"(a)\\12", L"", L::ECMAScript, std::nullopt},
        // Refused: a regex that cannot be read.
        {L::VisualStudio, L"{a", L"", L::ECMAScript, std::nullopt},
        // The Perl-like languages: the same text where it means the same, refused where their
        // classes, their "$" or their step after an empty match differ.
        {L::PCRE, L"(\\d+)x$", L"${1}1", L::Python, TranslatedRule{L"([0-9]+)x$", L"\\g<1>1"}},
        {L::JavaScript, L"(?:ab)+(c)", L"$1", L::PCRE, TranslatedRule{L"(?:ab)+(c)", L"$1"}},
        {L::ECMAScript, L"[[:alpha:]]", L"", L::JavaScript, std::nullopt},
        {L::Python, L"\\d", L"", L::PCRE, std::nullopt},
        {L::Python, L"a$", L"", L::JavaScript, std::nullopt},
        {L::JavaScript, L"x*", L"", L::Python, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(translate_rule(c.regex, c.format, c.from, c.to, languages), c.translated)
            << testing::PrintToString(c.regex) << " / " << testing::PrintToString(c.format)
            << " from " << static_cast<int>(c.from) << " to " << static_cast<int>(c.to);
    }
}

// What the inference makes in one language, carried over to another where it can be, replaces as
// the original does.
TEST(TranslateRuleTest, a_translated_rule_replaces_as_the_original) {
    const LanguageFactory languages;
    SampleMaker maker;
    for (const Language from : all_languages) {
        for (const Language to : all_languages) {
            std::size_t translated = 0;
            for (int round = 0; round < 100; ++round) {
                const auto [search, replace] = maker.pair(round % 2 == 1);
                const ReplaceRegex rule =
                    make_replace_regex(search, replace, languages.regex_formatting(from));
                const auto carried = translate_rule(rule.regex, rule.format, from, to, languages);
                if (!carried) {
                    continue;
                }
                ++translated;
                EXPECT_EQ(run_replace(carried->regex, carried->format, search, to),
                          run_replace(rule.regex, rule.format, search, from))
                    << testing::PrintToString(rule.regex) << " became "
                    << testing::PrintToString(carried->regex);
            }
            // Most rules the inference writes are literals and groups, which every language says.
            EXPECT_GT(translated, 50u) << static_cast<int>(from) << " to " << static_cast<int>(to);
        }
    }
}
