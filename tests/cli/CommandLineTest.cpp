#include "cli/CommandLine.h"

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

using namespace varnel;

namespace {

using Mode = CommandLine::Mode;
using Output = CommandLine::Output;

} // namespace

TEST(CommandLineTest, accepted_forms) {
    const struct {
        std::vector<std::string> arguments;
        Mode mode;
        std::optional<Language> language;
        bool json;
        std::wstring text;
        std::wstring replace;
        std::vector<std::string> files = {};
        Output output = Output::AllLines;
        std::optional<ReplaceRegex> regex_and_format = std::nullopt;
        std::optional<std::string> search_file = std::nullopt;
        std::optional<std::string> replace_file = std::nullopt;
    } cases[] = {
        {{"John Smith", "Smith, John"},
         Mode::Infer,
         std::nullopt,
         false,
         L"John Smith",
         L"Smith, John"},
        {{"a.b"}, Mode::Infer, std::nullopt, false, L"a.b", L""},
        {{"--json", "--language", "ecmascript", "x", "y"},
         Mode::Infer,
         Language::ECMAScript,
         true,
         L"x",
         L"y"},
        {{"--language", "visual-studio", "--suggest", "123"},
         Mode::Suggest,
         Language::VisualStudio,
         false,
         L"123",
         L""},
        {{"--select", "foo 123", "--json"}, Mode::Select, std::nullopt, true, L"foo 123", L""},
        {{"--", "--42--", "-"}, Mode::Infer, std::nullopt, false, L"--42--", L"-"},
        {{"-5", "caf\xC3\xA9"}, Mode::Infer, std::nullopt, false, L"-5", L"caf\u00e9"},
        {{"x", "--help"}, Mode::Help, std::nullopt, false, L"", L""},
        {{"-h", "--language", "cobol"}, Mode::Help, std::nullopt, false, L"", L""},
        {{"--json", "-V"}, Mode::Version, std::nullopt, true, L"", L""},
        {{"--language=ecmascript", "a"}, Mode::Infer, Language::ECMAScript, false, L"a", L""},
        {{"-lecmascript", "-l", "visual-studio", "a"},
         Mode::Infer,
         Language::VisualStudio,
         false,
         L"a",
         L""},
        {{"--suggest", "-5"}, Mode::Suggest, std::nullopt, false, L"-5", L""},
        {{"a", "b", "--apply"}, Mode::Rewrite, std::nullopt, false, L"a", L"b", {"-"}},
        {{"--apply", "a", "", "x.log", "-", "--", "-y"},
         Mode::Rewrite,
         std::nullopt,
         false,
         L"a",
         L"",
         {"x.log", "-", "-y"}},
        {{"--count", "--json", "a", "b", "x.log"},
         Mode::Rewrite,
         std::nullopt,
         true,
         L"a",
         L"b",
         {"x.log"},
         Output::Counts},
        {{"--only-matching", "a", "b"},
         Mode::Rewrite,
         std::nullopt,
         false,
         L"a",
         L"b",
         {"-"},
         Output::ChangedLines},
        {{"--regex", "(\\d+)", "--format=<$1>", "x.log", "\xFF.log"},
         Mode::Rewrite,
         std::nullopt,
         false,
         L"",
         L"",
         {"x.log", "\xFF.log"},
         Output::AllLines,
         ReplaceRegex{L"(\\d+)", L"<$1>"}},
        {{"-l", "posix-ere", "a", "b", "--code", "in.txt"},
         Mode::Code,
         Language::PosixERE,
         false,
         L"a",
         L"b",
         {"in.txt"}},
        {{"--regex", "x", "--format", "y", "--code", "--json"},
         Mode::Code,
         std::nullopt,
         true,
         L"",
         L"",
         {},
         Output::AllLines,
         ReplaceRegex{L"x", L"y"}},
        {{"--search-file", "s.txt", "r"},
         Mode::Infer,
         std::nullopt,
         false,
         L"",
         L"r",
         {},
         Output::AllLines,
         std::nullopt,
         std::string("s.txt")},
        {{"--replace-file=-", "s", "--apply", "x.log"},
         Mode::Rewrite,
         std::nullopt,
         false,
         L"s",
         L"",
         {"x.log"},
         Output::AllLines,
         std::nullopt,
         std::nullopt,
         std::string("-")},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse_command_line(c.arguments);
        ASSERT_TRUE(parsed.command) << parsed.error;
        EXPECT_EQ(parsed.command->mode, c.mode);
        EXPECT_EQ(parsed.command->language, c.language);
        EXPECT_EQ(parsed.command->json, c.json);
        EXPECT_EQ(parsed.command->text, c.text);
        EXPECT_EQ(parsed.command->replace, c.replace);
        EXPECT_EQ(parsed.command->files, c.files);
        EXPECT_EQ(parsed.command->output, c.output);
        EXPECT_TRUE(parsed.command->regex_and_format == c.regex_and_format);
        EXPECT_EQ(parsed.command->search_file, c.search_file);
        EXPECT_EQ(parsed.command->replace_file, c.replace_file);
    }
}

TEST(CommandLineTest, refused_forms_say_why) {
    const struct {
        std::vector<std::string> arguments;
        std::string error;
        bool json = false;
    } cases[] = {
        {{}, "no search sample given"},
        {{""}, "the search sample is empty"},
        {{"", "x"}, "the search sample is empty"},
        {{"a", "b", "c"}, "too many arguments"},
        {{"--suggest", "a", "b"}, "too many arguments"},
        {{"--language", "perl", "a"},
         "unknown language \"perl\": use visual-studio, ecmascript, javascript, pcre, python or "
         "posix-ere"},
        {{"a", "--language"}, "--language needs a value"},
        {{"--suggest"}, "--suggest needs a value"},
        {{"--suggest", "a", "--select", "b"}, "--suggest and --select cannot be combined"},
        {{"--verbose", "a"}, "unknown option --verbose"},
        {{"a", "b", "--code", "--apply"}, "--code and --apply cannot be combined"},
        {{"a", "--code"}, "no replacement sample given"},
        {{"caf\xC3"}, "an argument is not valid UTF-8"},
        {{"a", "\xFF"}, "an argument is not valid UTF-8"},
        {{"--json", "-x", "a"}, "unknown option -x", true},
        {{"-l\x1b[31m", "a"},
         "unknown language \"\\x1b[31m\": use visual-studio, ecmascript, javascript, pcre, python "
         "or posix-ere"},
        {{"--\x9b\xC2\x9b", "a"}, "unknown option --\\x9b\\u009b"},
        {{"a", "-l"}, "-l needs a value"},
        {{"--apply"}, "no search sample given"},
        {{"a", "--apply"}, "no replacement sample given"},
        {{"--regex", "a", "x.log"}, "--regex and --format go together"},
        {{"--format", "a", "--json"}, "--regex and --format go together", true},
        {{"--regex", "\xFF", "--format", "x"}, "an argument is not valid UTF-8"},
        {{"--suggest", "a", "--count"}, "--suggest and --count cannot be combined"},
        {{"--select", "a", "--search-file", "s"}, "--select and --search-file cannot be combined"},
        {{"--regex", "a", "--format", "b", "--replace-file", "r"},
         "--regex and --replace-file cannot be combined"},
        {{"--count", "--only-matching", "a", "b"},
         "--count and --only-matching cannot be combined"},
        {{"--apply", "--json", "a", "b"},
         "--json needs --count when rewriting: rewritten text is not JSON",
         true},
        {{"--search-file", "-", "--replace-file", "-"}, "standard input can be read only once"},
        {{"--search-file", "-", "r", "--apply"}, "standard input can be read only once"},
        {{"a", "b", "--apply", "-", "x.log", "-"}, "standard input can be read only once"},
        {{"--examples", "-", "--apply"}, "standard input can be read only once"},
        {{"--examples", "e.tsv", "x"}, "too many arguments"},
        {{"--examples", "e.tsv", "--search-file", "s"},
         "--examples and --search-file cannot be combined"},
        {{"--diff", "--in-place", "a", "b", "x.log"}, "--diff and --in-place cannot be combined"},
        {{"--only-matching", "--in-place", "a", "b", "x"},
         "--only-matching and --in-place cannot be combined"},
        {{"--in-place", "a", "b"}, "--in-place needs the FILEs to rewrite, not standard input"},
        {{"--in-place", "a", "b", "x", "-"},
         "--in-place needs the FILEs to rewrite, not standard input"},
        {{"--in-place", "--json", "a", "b", "x"},
         "--json needs --count when rewriting: rewritten text is not JSON",
         true},
        {{"--encoding", "latin-9", "--diff", "a", "b"},
         "unknown encoding \"latin-9\": use utf-8 or latin1"},
        {{"--encoding", "latin1", "a", "b"},
         "--encoding is for the files rewritten (--apply, --diff, --in-place)"},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse_command_line(c.arguments);
        EXPECT_FALSE(parsed.command);
        EXPECT_EQ(parsed.error, c.error);
        EXPECT_EQ(parsed.json, c.json) << c.error;
    }
}
