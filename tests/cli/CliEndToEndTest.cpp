// Runs the real varnel-cli executable with real arguments and checks what it prints.

#include "app/Settings.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
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

    CliRun run(const std::vector<std::string>& arguments) const {
        const auto err_file = home / "stderr";
        // A run that hangs is ended after a minute, with status 124.
        std::string command = "XDG_CONFIG_HOME=" + shell_quoted(home.string()) + " timeout 60 " +
                              shell_quoted(VARNEL_CLI_PATH);
        for (const auto& argument : arguments) {
            command += ' ';
            command += shell_quoted(argument);
        }
        command += " 2>";
        command += shell_quoted(err_file.string());
        CliRun result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) {
            ADD_FAILURE() << "cannot start " << command;
            return result;
        }
        std::array<char, 4096> buffer{};
        std::size_t count = 0;
        while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            result.out.append(buffer.data(), count);
        }
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(err_file);
        result.err.assign(std::istreambuf_iterator<char>(err), {});
        return result;
    }

    std::filesystem::path home;
};

} // namespace

TEST_F(CliEndToEndTest, prints_what_each_form_computes) {
    const struct {
        std::vector<std::string> arguments;
        std::string out;
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
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments);
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
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.message + "Try 'varnel-cli --help'.\n");
    }
}

TEST_F(CliEndToEndTest, help_explains_every_option) {
    const CliRun result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* option : {"--language", "--json", "--suggest", "--select", "visual-studio",
                               "ecmascript", "UTF-8", "Exit status"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
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

TEST_F(CliEndToEndTest, a_store_file_that_is_not_ours_leaves_the_default_language) {
    // Each store file holds ECMAScript, yet is no settings file of ours: a FIFO, which would block
    // the start, or a file over 1 MiB.
    const std::string ecmascript_line = "[Software]\nSorvexa\\Varnel\\1.0\\Language=ECMAScript\n";
    const struct {
        const char* kind;
        std::size_t size;
    } cases[] = {{"FIFO", 0}, {"over 1 MiB", 1024 * 1024 + 1}};
    const auto store = home / "Sorvexa" / "Varnel.conf";
    std::filesystem::create_directories(store.parent_path());
    for (const auto& c : cases) {
        std::filesystem::remove(store);
        if (c.size == 0) {
            ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0);
        } else {
            std::ofstream(store) << ecmascript_line << ';' << std::string(c.size, 'x') << '\n';
        }
        const CliRun result = run({"John Smith", "Smith, John"});
        EXPECT_EQ(result.status, 0) << c.kind;
        EXPECT_EQ(result.out, "{John}{ }{Smith}\n\\3,\\2\\1\n") << c.kind;
    }
}
