// The rules the inference writes and the named patterns of every language with code to copy, run
// by the real engine that reads the language (node, perl, python3, GNU sed), through the lines
// "copy as code" prints, and by Varnel's runner, with the same results.

#include "tests/support/EngineSamples.h"
#include "tests/support/PrintableText.h"
#include "tests/support/RealEngine.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/replace/RunReplace.h"

#include <algorithm>
#include <regex>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

const Language engine_languages[] = {Language::JavaScript, Language::PCRE, Language::Python,
                                     Language::PosixERE};

// Counts (and shows the first few of) the jobs on which the runner gives another text than the
// engine, or refuses what the engine ran.
std::size_t runner_disagreements(Language language, const std::vector<EngineJob>& jobs,
                                 const std::vector<std::optional<std::wstring>>& results) {
    std::size_t disagreements = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const ReplaceOutcome ours =
            Replacer(jobs[i].regex, jobs[i].format, language).replace_all(jobs[i].text);
        const bool refused = ours.status == ReplaceOutcome::Status::InvalidRegex ||
                             ours.status == ReplaceOutcome::Status::InvalidFormat;
        const std::optional<std::wstring> text = refused ? std::nullopt : std::optional(ours.text);
        if (text != results[i] && ++disagreements <= 5) {
            ADD_FAILURE() << "runner: " << printable(jobs[i].regex) << " / "
                          << printable(jobs[i].format) << " on " << printable(jobs[i].text)
                          << " gave " << (text ? printable(*text) : printable(ours.message));
        }
    }
    return disagreements;
}

} // namespace

TEST(EngineProofTest, inferred_rules_rebuild_the_replacement_on_the_real_engine) {
    const EnginePairs pairs = engine_sample_pairs(500);
    for (const Language language : engine_languages) {
        const std::vector<EngineJob> jobs = inferred_jobs(language, pairs);
        const auto results = run_on_real_engine(language, jobs);
        ASSERT_EQ(results.size(), jobs.size()) << real_engine_errors();
        std::size_t mismatches = 0;
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            if (results[i] != pairs[i].second && ++mismatches <= 5) {
                ADD_FAILURE() << printable(jobs[i].text) << " / " << printable(pairs[i].second)
                              << ": " << printable(jobs[i].regex) << " / "
                              << printable(jobs[i].format) << " gave "
                              << (results[i] ? printable(*results[i]) : "an error");
            }
        }
        EXPECT_EQ(mismatches, 0u) << "language " << static_cast<int>(language);
        EXPECT_EQ(runner_disagreements(language, jobs, results), 0u);
    }
}

TEST(EngineProofTest, named_patterns_match_what_the_real_engine_matches) {
    const LanguageFactory factory;
    const std::wstring open = L"\ue000";
    const std::wstring close = L"\ue001";
    const auto pieces = engine_alphabet();
    for (const Language language : engine_languages) {
        std::mt19937 random(5);
        std::vector<EngineJob> jobs;
        std::vector<std::wstring> expected;
        for (const RegexDescription& row : factory.regex_language(language).regex_descriptions()) {
            for (int round = 0; round < 60; ++round) {
                const std::wstring text = engine_text(random, pieces, 24);
                std::wstring marked;
                auto from = text.cbegin();
                std::wsmatch match;
                while (std::regex_search(from, text.cend(), match, row.matcher,
                                         std::regex_constants::match_not_null)) {
                    marked += match.prefix().str() + open + match.str() + close;
                    from = match[0].second;
                }
                expected.push_back(marked + std::wstring(from, text.cend()));
                jobs.push_back({row.regex, open + whole_match_reference(language) + close, text});
            }
        }
        const auto results = run_on_real_engine(language, jobs);
        ASSERT_EQ(results.size(), jobs.size()) << real_engine_errors();
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            EXPECT_EQ(results[i], expected[i])
                << printable(jobs[i].regex) << " on " << printable(jobs[i].text);
        }
        EXPECT_EQ(runner_disagreements(language, jobs, results), 0u);
    }
}

// The POSIX ERE syntax the runner reads, as sed reads it; and what it refuses, where sed's longest
// match could part from the runner's first.
TEST(EngineProofTest, runner_reads_posix_ere_as_sed_does) {
    const std::vector<EngineJob> read = {
        {L"(a+)(b*)c", L"<\\2\\1&\\&\\\\>", L"xaabbcx aac"},
        {L"[0-9]{2,3}|[a-c]+", L"[&]", L"1 12 1234 abcd 5"},
        {L"\\<[[:alpha:]]+\\>", L"(&)", L"an é word, x2y"},
        {L"\\bo\\B|,\\s\\w", L"_", L"foo o oak, z,\tx"},
        {L"^a|c$", L"#", L"abc"},
        {L"([^ ]+) \\1", L"\\1", L"to to be be or not"},
        {L"a{2}b?|\\.[x-]", L"\\n\\t", L"aaab .] .- .x"},
        {L"x\\*+", L"-", L"x** xy"},
        {L"\"[^\"]*\"|'[^']*'", L"Q", L"say \"hi\" and 'yo'"},
    };
    const auto results = run_on_real_engine(Language::PosixERE, read);
    ASSERT_EQ(results.size(), read.size()) << real_engine_errors();
    for (const auto& result : results) {
        EXPECT_TRUE(result) << "sed refused a regex of the table";
    }
    EXPECT_EQ(runner_disagreements(Language::PosixERE, read, results), 0u);
    for (const wchar_t* refused :
         {L"a|ab", L"(a|b)|c", L"x*(xy)?", L"(ab)+", L"[a-c]|b", L"a|", L"\\d", L"\\1(a)", L"[]a]",
          L"[\\n]", L"(a", L"a)", L"a{2", L"*a"}) {
        EXPECT_EQ(
            Replacer(refused, L"", Language::PosixERE).error().value_or(ReplaceOutcome{}).status,
            ReplaceOutcome::Status::InvalidRegex)
            << printable(refused);
    }
}

// The subtle points of each Perl-like language the runner reads, run by its engine as "copy as
// code" prints it; and regexes and formats its engine refuses (an engine fails a whole script on
// those, so they are not run here), which the runner refuses too.
TEST(EngineProofTest, runner_reads_perl_like_languages_as_their_engines_do) {
    const struct {
        Language language;
        std::vector<EngineJob> jobs;
        std::vector<std::pair<std::wstring, std::wstring>> refused;
    } tables[] = {
        {Language::JavaScript,
         {
             {L"(\\d+)|\\w+", L"<$1>", L"ab 12 \u0663\u0664 \u00e9"},
             {L"\\s+", L"_", L"a\u00a0b\ufeffc\u2028d\u0085e"},
             {L"\\bx|y\\B", L"#", L"x \u00e9x yy"},
             {L".+$", L"[$&]", L"ab\ncd\n"},
             {L"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", L"$11|$12|$0|$01|$99|$$", L"abcdefghijk"},
             {L"(a)", L"$12 $2 $<a>", L"a"},
             {L"(?<first>\\w)(?<rest>\\w*)", L"$<rest>$<first>$<none>", L"word"},
             {L"(?:(a)|b)\\1\\k<n>(?<n>c)?", L"[$&]", L"aac bc"},
             {L"(?<=\\$)\\d+(?!\\.)", L"N", L"$12 $3. 4"},
             {L"\\p{Lu}\\P{L}\\p{Script=Greek}", L"_", L"A1\u03b1 B2c"},
             {L"\\u{1F600}|\\u00e9|\\x41|\\cJ|\\0", L"_", L"\xD83D\xDE00\u00e9A\n"},
             {L"[[:alpha:]", L"_", L"a:]b"},
             {L"a*?|b", L"<$&>", L"ab\xD83D\xDE00"},
             {L"b", L"[$`|$']", L"abab"},
         },
         {{L"\\q", L""},
          {L"[[:alpha:]]", L""},
          {L"a**", L""},
          {L"(a)\\2", L""},
          {L"a{,2}", L""},
          {L"\\p{Foo=x}", L""}}},
        {Language::Python,
         {
             {L"(\\d+)|\\w+", L"<\\1>", L"ab 12 \u0663\u0664 \u00e9\u00b2_"},
             {L"\\s+", L"_", L"a\u00a0b\ufeffc\u2028d\u0085e\u001cf"},
             {L"\\bx|y\\B", L"#", L"x \u00e9x yy"},
             {L".+$", L"[\\g<0>]", L"ab\ncd\n"},
             {L"a$|b\\Z|\\Ac", L"#", L"ca\nb\n"},
             {L"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", L"\\11|\\g<11>|\\1\\0\\012|\\a\\-",
              L"abcdefghijk"},
             {L"(?P<first>\\w)(?P<rest>\\w*)", L"\\g<rest>\\g<first>", L"word"},
             {L"(?:(a)|b)(?P=x)?(?P<x>c)\\1", L"[\\g<0>]", L"aca bcb"},
             {L"(?<=\\$)\\d+(?!\\.)|(?>a+)b|x*+y", L"N", L"$12 $3. 4 aab xxy"},
             {L"\\x41|\\u00e9|\\U0001F600|\\101|[]a]{,2}", L"_", L"\xD83D\xDE00\u00e9A]"},
             {L"[[:alpha:]]|a{x}|a(?#note)b", L"_", L"a{x} ab [:]"},
             {L"(?=a)*b|(?<=a)+c|x\\B", L"_", L"bacx"},
             {L"\\B", L"_", L""},
         },
         {{L"\\q", L""},
          {L"a**", L""},
          {L"\\1(a)", L""},
          {L"(a\\1)", L""},
          {L"(a)", L"\\2"},
          {L"(a)", L"\\g<b>"},
          {L"(a)", L"\\q"},
          {L"(a)", L"\\"}}},
        {Language::PCRE,
         {
             {L"(\\d+)|\\w+|[[:alpha:]]", L"<$1>", L"ab 12 \u0663\u0664 \u00e9_"},
             {L"\\s+|\\h|\\v", L"_", L"a\u00a0b\u000bc\u2028d\u0085e"},
             {L"\\bx|y\\B", L"#", L"x \u00e9x yy"},
             {L".+$", L"[$&]", L"ab\ncd\n"},
             {L"a\\Z|b\\z|\\Ac|d$", L"#", L"cadb\nd\n"},
             {L"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", L"$11|${1}1|\\1|$12|$`$'|\\$\\n\\x41\\E",
              L"abcdefghijk"},
             {L"(?<first>\\w)(?'rest'\\w*)\\k<first>?\\g{-1}?", L"$2$1", L"word"},
             {L"(?:(a)|b)\\1", L"[$&]", L"aa ba"},
             {L"(?<=\\$)\\d+(?!\\.)|(?>a+)b|x*+y|\\Qa.\\E", L"N", L"$12 $3. 4 aab xxy a."},
             {L"\\x41|\\x{e9}|\\101|[]a]{,2}|\\p{Lu}\\P{L}|[[:^alpha:][:digit:]]", L"_",
              L"\xD83D\xDE00\u00e9A]B2 -"},
             {L"a{x}|a(?#note)b|\\N{2}", L"_", L"a{x} ab \nab"},
             {L"(?=a)*b|(?<=a)+c", L"_", L"bac"},
             {L"b", L"[$`|$']", L"abab"},
             {L"x\\R\\n|\\R+", L"<$&>", L"a\r\nb\n\rc\u2028d\r\r\n x\r\n"},
         },
         {{L"\\q", L""},
          {L"a**", L""},
          {L"\\1(a)", L""},
          {L"[[:foo:]]", L""},
          {L"(a)", L"\\U$1"},
          {L"(a)", L"$x"},
          {L"(a)", L"$&{"},
          {L"\\h{", L""},
          {L"a$x", L""}}},
    };
    for (const auto& table : tables) {
        const auto results = run_on_real_engine(table.language, table.jobs);
        ASSERT_EQ(results.size(), table.jobs.size()) << real_engine_errors();
        EXPECT_EQ(runner_disagreements(table.language, table.jobs, results), 0u);
        for (const auto& [regex, format] : table.refused) {
            const auto error = Replacer(regex, format, table.language).error();
            EXPECT_TRUE(error) << printable(regex) << " / " << printable(format);
        }
    }
}
