// Runs the real varnel-cli executable with real arguments and checks what it prints.

#include "varnel/settings/Settings.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

using namespace varnel;

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
        // A run that hangs is ended after a minute, with status 124.
        std::string command = prefix +
                              "LC_ALL=C.UTF-8 XDG_CONFIG_HOME=" + shell_quoted(home.string()) +
                              " timeout 60 " + wrapper + shell_quoted(VARNEL_CLI_PATH);
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

    // What a shell command, run in the test's folder, writes on standard output.
    std::string run_shell(const std::string& command) const {
        FILE* pipe = ::popen(("cd " + shell_quoted(home.string()) + " && " + command).c_str(), "r");
        std::string out;
        std::array<char, 4096> buffer{};
        for (std::size_t count; (count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
            out.append(buffer.data(), count);
        }
        ::pclose(pipe);
        return out;
    }

    // The file's bytes.
    static std::string read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path home;
    std::string prefix;  // shell commands before the run, such as limits
    std::string wrapper; // a command that runs varnel-cli, such as one that changes the user
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
        {{"-l", "posix-ere", "John Smith", "Smith, John", "--code", "my file"},
         "sed -E 's/(John)( )(Smith)/\\3,\\2\\1/g' 'my file'\n"},
        {{"-l", "javascript", "--json", "--regex", "a/b", "--format", "it's", "--code"},
         "{\"code\": \"text.replace(/a\\\\/b/gu, 'it\\\\'s')\"}\n"},
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
         "varnel-cli: unknown language \"cobol\": use visual-studio, ecmascript, javascript, pcre, "
         "python or posix-ere\n"},
        {{}, "varnel-cli: no search sample given\n"},
        {{"-x", "a"}, "varnel-cli: unknown option -x\n"},
        {{"--language", "\x1b[31m", "x"},
         "varnel-cli: unknown language \"\\x1b[31m\": use visual-studio, ecmascript, javascript, "
         "pcre, python or posix-ere\n"},
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
    const std::string bad = file("bad.log", "a\nok\n\xFF a\n");
    const std::string emoji = file("emoji.log", "ok\n\xF0\x9F\x98\x80\n");
    const std::string exes = file("exes.log", "ok\n" + std::string(40, 'x') + "\n");
    const struct {
        std::vector<std::string> arguments;
        std::string redirections;
        std::string err;
        std::string out = ""; // what came before the failure
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
        {{"--encoding", "latin1", "--regex", "a", "--format", "\xE2\x82\xAC", bad},
         "",
         "varnel-cli: " + bad +
             ": line 1: the rewritten line holds a character that Latin-1 "
             "cannot hold\n"},
        {{"-l", "ecmascript", "--regex", "(x+x+)+[yz]", "--format", "z", exes},
         "",
         "varnel-cli: " + exes + ": line 2: match limit exceeded\n",
         "ok\n"},
        {{"-l", "ecmascript", "--regex", "(", "--format", "x", emoji},
         "",
         "varnel-cli: the regular expression is not valid at character 1: missing )\n"},
        // Counted in characters, as the window counts them: each emoji is one.
        {{"-l", "ecmascript", "--regex", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80(", "--format", "x",
          emoji},
         "",
         "varnel-cli: the regular expression is not valid at character 3: missing )\n"},
        // The reason quotes the regex: its control bytes are shown escaped.
        {{"-l", "ecmascript", "--regex", "[[:\x1b[31m:]]", "--format", "x", emoji},
         "",
         "varnel-cli: the regular expression is not valid at character 2: unknown class "
         "[:\\x1b[31m:]\n"},
        {{"-l", "ecmascript", "--regex", "a", "--format", "$1", emoji},
         "",
         "varnel-cli: the format string is not valid at character 1: the format refers to group 1, "
         "but "
         "the regular expression has 0 groups\n"},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments, c.redirections);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(CliEndToEndTest, rewrites_lines_byte_for_byte) {
    // LF and CRLF lines, a line without a match, a character outside ASCII, no final line break.
    const std::string log = file("log", "John Smith\nnobody here\r\nJohn Smith and John Smith\r\n"
                                        "caf\xC3\xA9 John Smith");
    const std::string rewritten = "Smith, John\nnobody here\r\nSmith, John and Smith, John\r\n"
                                  "caf\xC3\xA9 Smith, John";
    const std::vector<std::string> pair = {"John Smith", "Smith, John"};
    const struct {
        std::vector<std::string> arguments;
        std::string input; // standard input
        std::string out;
        int status;
    } cases[] = {
        {{"--apply", log}, "", rewritten, 0},
        {{"--apply"}, "John Smith\n", "Smith, John\n", 0},
        {{"--apply", log, "-"}, "John Smith", rewritten + "Smith, John", 0},
        {{"--only-matching", log},
         "",
         "Smith, John\nSmith, John and Smith, John\r\ncaf\xC3\xA9 Smith, John",
         0},
        {{"--count", log}, "", "3 4\n", 0},
        {{"--json", "--count", "-l", "ecmascript", log}, "", "{\"lines\": 3, \"matches\": 4}\n", 0},
        {{"--count", "-"}, "Jane Doe\n", "0 0\n", 1},
        {{"--apply", "-"}, "Jane Doe\r\nJohn\n", "Jane Doe\r\nJohn\n", 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = pair;
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun result = run(arguments, input_from(c.input));
        EXPECT_EQ(result.status, c.status) << c.arguments.front();
        EXPECT_EQ(result.out, c.out) << c.arguments.front();
        EXPECT_EQ(result.err, "");
    }
}

// A character outside the Basic Multilingual Plane is matched whole, never half of it.
TEST_F(CliEndToEndTest, matches_whole_characters) {
    const std::string emoji = file("emoji.log", "ok\n\xF0\x9F\x98\x80\n");
    const struct {
        std::vector<std::string> arguments;
        std::string out;
        int status;
    } cases[] = {
        {{"-l", "ecmascript", "--regex", "^.$", "--format", "<$&>"}, "ok\n<\xF0\x9F\x98\x80>\n", 0},
        {{"--regex", "[^o]", "--format", "<\\0>"}, "o<k>\n<\xF0\x9F\x98\x80>\n", 0},
        {{"-l", "ecmascript", "--regex", "\\uD83D", "--format", "x"}, "ok\n\xF0\x9F\x98\x80\n", 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back(emoji);
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments[c.arguments.size() - 3];
        EXPECT_EQ(result.out, c.out) << c.arguments[c.arguments.size() - 3];
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliEndToEndTest, a_regex_generalised_by_a_suggestion_rewrites_more) {
    // The window's way, step by step: infer, take the proposed selection, put the first
    // suggestion in its place, and rewrite a file with what came of it.
    const std::string dates =
        file("dates", "2008-05-31 release\r\n1999-05-31 party\n2010-06-30 other day\n");
    for (const char* language : {"visual-studio", "ecmascript"}) {
        const std::string inferred = run({"-l", language, "2008-05-31", "31/05/2008"}).out;
        const std::string regex = inferred.substr(0, inferred.find('\n'));
        const std::string format =
            inferred.substr(regex.size() + 1, inferred.size() - regex.size() - 2);
        std::istringstream selection(run({"-l", language, "--select", regex}).out);
        std::size_t start = 0;
        std::size_t end = 0;
        ASSERT_TRUE(selection >> start >> end) << language;
        const std::string suggestions =
            run({"-l", language, "--suggest", regex.substr(start, end - start)}).out;
        const std::string generalised = regex.substr(0, start) +
                                        suggestions.substr(0, suggestions.find('\t')) +
                                        regex.substr(end);
        ASSERT_NE(generalised, regex);
        const CliRun result =
            run({"-l", language, "--regex", generalised, "--format", format, dates});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, "31/05/2008 release\r\n31/05/1999 party\n2010-06-30 other day\n")
            << language << ": " << generalised;
    }
}

TEST_F(CliEndToEndTest, a_closed_pipe_ends_the_rewrite_quietly) {
    std::string lines;
    for (int i = 0; i < 100000; ++i) {
        lines += "John Smith\n";
    }
    const CliRun result =
        run({"John Smith", "Smith, John", "--apply", file("long", lines)}, "", 100);
    EXPECT_EQ(result.out.rfind("Smith, John\nSmith, John\n", 0), 0u);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "");
}

TEST_F(CliEndToEndTest, help_explains_every_option) {
    const CliRun result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* option : {"--language",    "-l,",
                               "--json",        "--suggest",
                               "--select",      "--apply",
                               "--regex",       "--format",
                               "--count",       "--only-matching",
                               "--search-file", "--replace-file",
                               "--examples",    "--diff",
                               "--in-place",    "--encoding",
                               "latin1",        "-h,",
                               "-V,",           "--version",
                               "visual-studio", "ecmascript",
                               "UTF-8",         "Exit status"}) {
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
    Settings().set_language(Language::ECMAScript);
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

TEST_F(CliEndToEndTest, learns_a_rule_from_examples_that_rewrites_other_lines) {
    const struct {
        std::string name;
        std::string examples;
        std::string out;       // the rule, as for a pair
        std::string held_out;  // lines that are no example
        std::string rewritten; // held_out rewritten with the rule
        std::vector<std::string> extra = {};
    } cases[] = {
        // The unchanged text keeps the number's label in the regex; a blank line is skipped.
        {"ids.tsv", "id 12\tid=12\nid 7\tid=7\r\n\nsize 12\n", "id ([[:digit:]]+)\nid=$1\n",
         "id 42\nsize 3\r\n", "id=42\nsize 3\r\n"},
        // Samples that hold tabs.
        {"names.jsonl",
         "[\"John\\tSmith\", \"Smith, John\"]\n\"Acme\\tCorp\\tLtd\"\n",
         "{\"regex\": \"^([[:alpha:]]+)\\t([[:alpha:]]+)$\", \"format\": \"$2, $1\", "
         "\"ambiguous\": []}\n",
         "Grace\tHopper\nAcme\tCorp\tLtd\n",
         "Hopper, Grace\nAcme\tCorp\tLtd\n",
         {"--json"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"-l", "ecmascript", "--examples",
                                              file(c.name, c.examples)};
        arguments.insert(arguments.end(), c.extra.begin(), c.extra.end());
        const CliRun printed = run(arguments);
        EXPECT_EQ(printed.status, 0) << printed.err;
        EXPECT_EQ(printed.out, c.out) << c.name;
        const CliRun rewritten = run({"-l", "ecmascript", "--examples", file(c.name, c.examples),
                                      "--apply", file("held-out", c.held_out)});
        EXPECT_EQ(rewritten.out, c.rewritten) << c.name;
    }
    // From standard input, with what one example leaves open said on standard error.
    const CliRun one =
        run({"-l", "ecmascript", "--examples", "-"}, input_from("01 Jan 2020\t2020-01-01\n"));
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, "([[:digit:]]+) [[:alpha:]]+ ([[:digit:]]+)\n$2-$1-$1\n");
    EXPECT_NE(one.err.find("example 1 leaves open where \"01\" comes from"), std::string::npos)
        << one.err;
}

TEST_F(CliEndToEndTest, examples_that_no_rule_fits_are_refused_with_the_reason) {
    const struct {
        std::string name;
        std::string examples;
        std::string err;
    } cases[] = {
        {"months.tsv", "01 Jan 2020\tJAN\n01 Feb 2020\tFEB\n",
         "the output of example 1 holds \"AN\", which neither its input holds nor the output of "
         "example 2 shares"},
        {"same.tsv", "same\tsame\nother\n", "no example changes its text"},
        {"unchanged.tsv", "John Smith\tSmith, John\nAcme Corp\n",
         "changes unchanged text 1 \"Acme Corp\" into \"Corp, Acme\""},
        {"tabs.tsv", "a\tb\tc\n", "tabs.tsv: line 1: more than one tab"},
        {"empty.tsv", "\tx\n", "empty.tsv: line 1: the search text is empty"},
        {"none.tsv", "\n", "none.tsv holds no example"},
        {"bad.jsonl", "[\"a\", \"b\"]\n[1, 2]\n", "bad.jsonl: line 2: not a JSON"},
    };
    for (const auto& c : cases) {
        const CliRun result = run({"-l", "ecmascript", "--examples", file(c.name, c.examples)});
        EXPECT_EQ(result.status, 2) << c.name;
        EXPECT_EQ(result.out, "") << c.name;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
}

TEST_F(CliEndToEndTest, a_diff_is_what_diff_writes_and_patch_applies) {
    const std::string near = "John Smith\nx\nJohn Smith\n";
    std::string far = "John Smith\n";
    for (int i = 0; i < 9; ++i) {
        far += "line " + std::to_string(i) + "\n";
    }
    const struct {
        std::string name;
        std::string content;
        std::vector<std::string> rule = {"John Smith", "Smith, John"};
    } cases[] = {
        {"near", near + near},
        {"far", far + far + "John Smith"},
        {"crlf", "a\r\nJohn Smith\r\nb"},
        {"lines", "John Smith\nJohn Smith\n"},
        {"split", "1 John Smith\n2\n", {"--regex", "John Smith", "--format", "John\nSmith"}},
        {"unmatched", "Jane Doe\n"},
    };
    // patch takes only relative names.
    prefix = "cd " + shell_quoted(home.string()) + " && ";
    for (const auto& c : cases) {
        file(c.name, c.content);
        const std::string& path = c.name;
        std::vector<std::string> arguments = c.rule;
        arguments.insert(arguments.end(), {"-l", "ecmascript", "--apply", path});
        const std::string rewritten = run(arguments).out;
        arguments[arguments.size() - 2] = "--diff";
        const CliRun diff = run(arguments);
        EXPECT_EQ(diff.status, rewritten == c.content ? 1 : 0) << c.name << diff.err;
        EXPECT_EQ(read(home / path), c.content) << c.name;
        const std::string wanted = file("rewritten", rewritten);
        const std::string label = shell_quoted(path);
        EXPECT_EQ(diff.out, run_shell("diff -u --label " + label + " --label " + label + " " +
                                      label + " " + shell_quoted(wanted)))
            << c.name;
        run_shell("patch -s -p0 <" + shell_quoted(file("diff", diff.out)));
        EXPECT_EQ(read(home / path), rewritten) << c.name;
    }
}

TEST_F(CliEndToEndTest, in_place_rewrites_the_file_as_sed_does_and_keeps_every_other_byte) {
    const std::vector<std::string> pair = {"John Smith", "Smith, John"};
    const std::string names = "John Smith\r\nnobody\nJohn Smith and John Smith";
    const struct {
        std::string name;
        std::string content;
        std::vector<std::string> rule;
        std::string sed; // the same rewrite
        std::string suffix = "";
        bool through_link = false;
    } cases[] = {
        {"plain", names, pair, "s/John Smith/Smith, John/g"},
        {"kept", names, pair, "s/John Smith/Smith, John/g", ".orig"},
        {"linked", names, pair, "s/John Smith/Smith, John/g", "", true},
        // Bytes that are not UTF-8, an encoded surrogate among them, around and between matches.
        {"invalid", "\xFFJohn Smith\xC3 x\n\xED\xA0\x80John Smith\xF0\x9F\n", pair,
         "s/John Smith/Smith, John/g"},
        {"latin1",
         "caf\xE9 cr\xE8me\n\xFF\n",
         {"--encoding", "latin1", "--regex", "\xC3\xA9", "--format", "\xC3\xA8"},
         "s/\xE9/\xE8/g"},
    };
    for (const auto& c : cases) {
        const std::string path = file(c.name, c.content);
        ::chmod(path.c_str(), 0640);
        const std::string expected =
            run_shell("LC_ALL=C sed " + shell_quoted(c.sed) + " " + c.name);
        const std::string link = path + ".link";
        if (c.through_link) {
            std::filesystem::create_symlink(path, link);
        }
        std::vector<std::string> arguments = c.rule;
        arguments.insert(arguments.end(), {"-l", "ecmascript", "--in-place=" + c.suffix,
                                           c.through_link ? link : path});
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << c.name << result.err;
        EXPECT_EQ(read(path), expected) << c.name;
        EXPECT_EQ(std::filesystem::status(path).permissions(),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                      std::filesystem::perms::group_read)
            << c.name;
        EXPECT_EQ(std::filesystem::is_symlink(link), c.through_link) << c.name;
        if (!c.suffix.empty()) {
            EXPECT_EQ(read(path + c.suffix), c.content) << c.name;
        }
    }
}

TEST_F(CliEndToEndTest, in_place_leaves_a_file_it_cannot_rewrite_whole_as_it_was) {
    const std::string folder = (home / "folder").string();
    std::filesystem::create_directories(folder);
    std::string long_file;
    for (int i = 0; i < 1000; ++i) {
        long_file += "John Smith\n";
    }
    const struct {
        std::string why;
        std::string content;
        std::vector<std::string> rule;
        std::string err;
        std::string prefix = "";
        bool read_only = false;
    } cases[] = {
        {"read-only folder", "John Smith\n", {"John Smith", "x"}, ": Permission denied", "", true},
        {"full", long_file, {"John Smith", "Smith, John"}, ": File too large", "ulimit -f 4; "},
        {"latin1",
         "a\n\xE9 a\n",
         {"--encoding", "latin1", "--regex", "\xC3\xA9", "--format", "\xE2\x82\xAC"},
         ": line 2: the rewritten line holds a character that Latin-1 cannot hold"},
        {"gives up",
         "a\n" + std::string(40, 'x') + "\n",
         {"-l", "ecmascript", "--regex", "(x+x+)+[yz]|a", "--format", "z"},
         ": line 2: match limit exceeded"},
    };
    for (const auto& c : cases) {
        const std::string path = folder + "/file";
        std::ofstream(path, std::ios::binary) << c.content;
        ::chmod(folder.c_str(), c.read_only ? 0555 : 0755);
        prefix = c.prefix;
        // root writes in any folder: the run drops to an ordinary user.
        wrapper = c.read_only && ::geteuid() == 0
                      ? "setpriv --reuid=65534 --regid=65534 --clear-groups "
                      : "";
        std::vector<std::string> arguments = c.rule;
        arguments.insert(arguments.end(), {"--in-place=.orig", path});
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << c.why;
        EXPECT_NE(result.err.find(path + c.err), std::string::npos) << c.why << ": " << result.err;
        EXPECT_EQ(read(path), c.content) << c.why;
        ::chmod(folder.c_str(), 0755);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << c.why;
    }
}

// The code --code prints, run as printed on a file, writes the bytes --apply writes, in the
// languages the runner reads that have code to copy.
TEST_F(CliEndToEndTest, copied_code_rewrites_a_file_as_apply_does) {
    const std::string text = file("text", "John Smith 12-ab\nocean one\r\n"
                                          "John Smith, caf\xC3\xA9 7-\xC3\xA9t\xC3\xA9 oak\n");
    const std::vector<std::string> rules[] = {
        {"John Smith", "Smith, John"},
        {"--regex", "([[:digit:]]+)-([[:alpha:]]+)", "--format", "\\2:\\1 & \\&"},
        {"--regex", "\\<o[[:lower:]]*|J", "--format", "[&]"},
    };
    for (const auto& rule : rules) {
        std::vector<std::string> arguments = {"-l", "posix-ere"};
        arguments.insert(arguments.end(), rule.begin(), rule.end());
        arguments.push_back(text);
        const CliRun applied = run([&] {
            auto apply = arguments;
            apply.insert(apply.end() - 1, "--apply");
            return apply;
        }());
        arguments.insert(arguments.end() - 1, "--code");
        const CliRun code = run(arguments);
        ASSERT_EQ(code.status, 0) << code.err;
        EXPECT_EQ(applied.status, 0) << applied.err;
        EXPECT_EQ(run_shell("LC_ALL=C.UTF-8 " + code.out), applied.out) << code.out;
    }
}
