// Runs the real varnel-cli executable with real arguments and checks what it prints.

#include "settings/Settings.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string shell_quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

class CliEndToEndTest : public testing::Test {
protected:
    void SetUp() override {
        // An empty configuration home: no language is stored for this user.
        home = std::filesystem::temp_directory_path() /
               ("varnel-cli-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(home);
    }
    void TearDown() override { std::filesystem::remove_all(home); }

    // Runs varnel-cli with the shell's redirections (such as "<file" or ">/dev/full") and reads
    // at most the given number of bytes of its output before closing the pipe.
    CliRun run(const std::vector<std::string>& arguments, const std::string& redirections = "",
               std::size_t most = std::string::npos) const {
        const auto err_file = home / "stderr";
        std::string command = "LC_ALL=C.UTF-8 XDG_CONFIG_HOME=" + shell_quoted(home.string()) +
                              " " + shell_quoted(VARNEL_CLI_PATH);
        for (const auto& argument : arguments) {
            command += ' ';
            command += shell_quoted(argument);
        }
        command += " 2>" + shell_quoted(err_file.string()) + " " + redirections;
        CliRun result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) {
            ADD_FAILURE() << "cannot start " << command;
            return result;
        }
        std::array<char, 4096> buffer{};
        std::size_t count = 0;
        while (result.out.size() < most &&
               (count = std::fread(buffer.data(), 1,
                                   std::min(buffer.size(), most - result.out.size()), pipe)) > 0) {
            result.out.append(buffer.data(), count);
        }
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(err_file);
        result.err.assign(std::istreambuf_iterator<char>(err), {});
        return result;
    }

    // Standard input read from a file that holds these bytes.
    std::string input_from(const std::string& bytes) const {
        std::string redirection = "<";
        redirection += shell_quoted(file("input", bytes));
        return redirection;
    }

    // A file in the test's own folder; its path.
    std::string file(const std::string& name, const std::string& bytes) const {
        const auto path = home / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::filesystem::path home;
};

} // namespace

TEST_F(CliEndToEndTest, prints_what_each_form_computes) {
    const struct {
        std::vector<std::string> arguments;
        std::string out;
        std::string input = ""; // standard input
    } cases[] = {
        {{"John Smith", "Smith, John"}, "{John}{ }{Smith}\n\\3,\\2\\1\n"},
        {{"--language", "ecmascript", "John Smith", "Smith, John"}, "(John)( )(Smith)\n$3,$2$1\n"},
        {{"--json", "--language", "ecmascript", "2008-05-31", "31/05/2008"},
         "{\"regex\": \"(2008)-(05)-(31)\", \"format\": \"$3/$2/$1\"}\n"},
        {{"--language", "ecmascript", "a.b"}, "a\\.b\n\n"},
        {{"--language", "ecmascript", "x$y", "y $x"}, "(x)(\\$)(y)\n$3 $2$1\n"},
        {{"caf\xC3\xA9 cr\xC3\xA8me", "cr\xC3\xA8me caf\xC3\xA9"},
         "{caf\xC3\xA9}{ }{cr\xC3\xA8me}\n\\3\\2\\1\n"},
        {{"--json", "C:\\dir\\f\"x\".txt", "f\"x\""},
         "{\"regex\": \"C\\\\:\\\\\\\\dir\\\\\\\\{f\\\"x\\\"}\\\\.txt\", \"format\": \"\\\\1\"}\n"},
        {{"--suggest", "123"},
         ":z\tInteger\n:h\tHexadecimal number\n:n\tRational number\n:a+\tEnglish alphanumeric "
         "characters\n"},
        {{"--language", "ecmascript", "--json", "--suggest", "foo bar"},
         "[{\"regex\": \"[[:alnum:]]+[[:space:]]+[[:alnum:]]+\", \"description\": \"Alphanumeric "
         "Whitespace Alphanumeric\"}]\n"},
        {{"--suggest", "a+"}, ""},
        {{"--json", "--suggest", "a+"}, "[]\n"},
        {{"--select", "foo 123 bar"}, "0 3\n"},
        {{"--language", "ecmascript", "--select", "(John)( )(Smith)", "--json"},
         "{\"start\": 1, \"end\": 5}\n"},
        {{"--select", "\\(\\)"}, ""},
        {{"--json", "--select", "\\(\\)"}, "null\n"},
        {{"-V"}, "varnel-cli 1.0\n"},
        {{"--json", "--version"}, "{\"version\": \"1.0\"}\n"},
        {{"-l", "ecmascript", "--search-file", "-", "Smith, John"},
         "(John)( )(Smith)\n$3,$2$1\n",
         "John Smith\n"},
        {{"--json", "-lecmascript", "--replace-file=-", "a b"},
         "{\"regex\": \"(a) (b)\", \"format\": \"$2\\r\\n$1\"}\n",
         "b\r\na\r\n"},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments, input_from(c.input));
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, c.out) << c.arguments.front();
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliEndToEndTest, user_errors_exit_with_status_two_and_a_message) {
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{""}, "varnel-cli: the search sample is empty\n"},
        {{"caf\xC3", "x"}, "varnel-cli: an argument is not valid UTF-8\n"},
        {{"--language", "cobol", "x"},
         "varnel-cli: unknown language \"cobol\": use visual-studio or ecmascript\n"},
        {{}, "varnel-cli: no search sample given\n"},
        {{"-x", "a"}, "varnel-cli: unknown option -x\n"},
        {{"--language", "\x1b[31m", "x"},
         "varnel-cli: unknown language \"\\x1b[31m\": use visual-studio or ecmascript\n"},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.message + "Try 'varnel-cli --help'.\n");
    }
}

TEST_F(CliEndToEndTest, failures_exit_with_status_two_and_say_why) {
    const std::string missing = (home / "missing").string();
    const struct {
        std::vector<std::string> arguments;
        std::string redirections;
        std::string err;
    } cases[] = {
        {{"a", "b"},
         ">/dev/full",
         "varnel-cli: cannot write the output: No space left on device\n"},
        {{"--help"}, ">&-", "varnel-cli: cannot write the output: Bad file descriptor\n"},
        {{"--json", "--bogus"}, "", "{\"error\": \"unknown option --bogus\"}\n"},
        {{"--search-file", missing},
         "",
         "varnel-cli: cannot open " + missing + ": No such file or directory\n"},
        {{"--search-file", "-", "x"},
         input_from("caf\xC3\xA9\r\ncaf\xC3\n"),
         "varnel-cli: standard input: line 2: not valid UTF-8\n"},
        {{"--json", "--search-file", "-"},
         "</dev/null",
         "{\"error\": \"the search sample is empty\"}\n"},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments, c.redirections);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(CliEndToEndTest, help_explains_every_option) {
    const CliRun result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* option :
         {"--language", "-l,", "--json", "--suggest", "--select", "--apply", "--regex", "--format",
          "--count", "--only-matching", "--search-file", "--replace-file", "-h,", "-V,",
          "--version", "visual-studio", "ecmascript", "UTF-8", "Exit status"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(run({"-h"}).out, result.out);
    const std::string json = run({"--json", "-h"}).out;
    EXPECT_EQ(json.rfind("{\"help\": \"Usage:\\n  varnel-cli [OPTION...] SEARCH", 0), 0u) << json;
    EXPECT_EQ(json.find('\n'), json.size() - 1) << json;
}

TEST_F(CliEndToEndTest, supplementary_characters_stay_whole) {
    // Two different emoji share their first UTF-16 code unit; no group may cut them apart.
    const CliRun result =
        run({"--language", "ecmascript", "\xF0\x9F\x98\x80x", "\xF0\x9F\x98\x81x"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "\xF0\x9F\x98\x80(x)\n\xF0\x9F\x98\x81$1\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliEndToEndTest, without_a_language_option_uses_the_language_stored_by_the_window) {
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    Settings().set_language(LanguageFactory::ECMAScript);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(run({"John Smith", "Smith, John"}).out, "(John)( )(Smith)\n$3,$2$1\n");
    EXPECT_EQ(run({"--language", "visual-studio", "John Smith", "Smith, John"}).out,
              "{John}{ }{Smith}\n\\3,\\2\\1\n");
}
