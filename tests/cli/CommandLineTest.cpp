#include "cli/CommandLine.h"

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace {

using Mode = CommandLine::Mode;

} // namespace

TEST(CommandLineTest, accepted_forms) {
    const struct {
        std::vector<std::string> arguments;
        Mode mode;
        boost::optional<LanguageFactory::Language> language;
        bool json;
        std::wstring text;
        std::wstring replace;
    } cases[] = {
        {{"John Smith", "Smith, John"},
         Mode::Infer,
         boost::none,
         false,
         L"John Smith",
         L"Smith, John"},
        {{"a.b"}, Mode::Infer, boost::none, false, L"a.b", L""},
        {{"--json", "--language", "ecmascript", "x", "y"},
         Mode::Infer,
         LanguageFactory::ECMAScript,
         true,
         L"x",
         L"y"},
        {{"--language", "visual-studio", "--suggest", "123"},
         Mode::Suggest,
         LanguageFactory::VisualStudio,
         false,
         L"123",
         L""},
        {{"--select", "foo 123", "--json"}, Mode::Select, boost::none, true, L"foo 123", L""},
        {{"--", "--42--", "-"}, Mode::Infer, boost::none, false, L"--42--", L"-"},
        {{"-5", "caf\xC3\xA9"}, Mode::Infer, boost::none, false, L"-5", L"caf\u00e9"},
        {{"x", "--help"}, Mode::Help, boost::none, false, L"", L""},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse_command_line(c.arguments);
        ASSERT_TRUE(parsed.command) << parsed.error;
        EXPECT_EQ(parsed.command->mode, c.mode);
        EXPECT_EQ(parsed.command->language, c.language);
        EXPECT_EQ(parsed.command->json, c.json);
        EXPECT_EQ(parsed.command->text, c.text);
        EXPECT_EQ(parsed.command->replace, c.replace);
    }
}

TEST(CommandLineTest, refused_forms_say_why) {
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{}, "no search sample given"},
        {{""}, "the search sample is empty"},
        {{"", "x"}, "the search sample is empty"},
        {{"a", "b", "c"}, "too many arguments"},
        {{"--suggest", "a", "b"}, "too many arguments"},
        {{"--language", "perl", "a"}, "unknown language \"perl\": use visual-studio or ecmascript"},
        {{"a", "--language"}, "--language needs a value"},
        {{"--suggest"}, "--suggest needs a value"},
        {{"--suggest", "a", "--select", "b"}, "--suggest and --select cannot be combined"},
        {{"--verbose", "a"}, "unknown option --verbose"},
        {{"caf\xC3"}, "an argument is not valid UTF-8"},
        {{"a", "\xFF"}, "an argument is not valid UTF-8"},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse_command_line(c.arguments);
        EXPECT_FALSE(parsed.command);
        EXPECT_EQ(parsed.error, c.error);
    }
}
