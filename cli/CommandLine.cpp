#include "cli/CommandLine.h"

#include "cli/Printable.h"
#include "varnel/common/Utf8.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <utility>

namespace varnel {

const char* const usage_text = R"(Usage:
  varnel-cli [OPTION...] SEARCH [REPLACE]
  varnel-cli [OPTION...] --suggest SELECTION
  varnel-cli [OPTION...] --select REGEX
  varnel-cli [OPTION...] SEARCH REPLACE --apply [FILE...]
  varnel-cli [OPTION...] --regex REGEX --format FORMAT [FILE...]
  varnel-cli [OPTION...] (SEARCH REPLACE | --regex REGEX --format FORMAT) --code [FILE...]
  varnel-cli --help | --version

Infers a regular expression that matches SEARCH, with a capturing group around
every piece that SEARCH and REPLACE share, and a format string that rebuilds
REPLACE from back references. Prints the regular expression and the format
string on two lines.

With --apply, rewrites text with them instead, as sed does: every line of the
FILEs in turn (standard input when there is none, and for "-"), each match in
the line replaced as an editor's "Replace All" does, to standard output. Lines
without a match, line endings (LF, CRLF, none at the end) and every byte outside
the matches come out as they went in. A line that is not valid UTF-8 stops the
rewrite with an error that names the file and the line.

Rewriting:
  --apply              rewrites with the regular expression and format string
                       inferred from SEARCH and REPLACE.
  --regex REGEX        rewrites with REGEX and the format string given with
  --format FORMAT      --format instead, such as those copied from the Varnel
                       window after generalising them; every argument left is
                       a FILE.
  --count              prints only "LINES MATCHES": how many lines changed and
                       how many matches were replaced.
  --only-matching      writes only the lines that changed.
  --count, --only-matching, --regex and --format imply --apply.

Code:
  --code               prints the rule as a command or a line of code for the
                       language's home, quoted for it: sed -E (posix-ere),
                       perl -pe (pcre) on the FILEs (standard input when there
                       is none), re.sub (python) or String.prototype.replace
                       (javascript) on a variable "text". visual-studio and
                       ecmascript have none.

Samples from files, for samples that do not fit in an argument or hold
characters a shell changes:
  --search-file FILE   reads SEARCH from FILE ("-": standard input): the whole
                       file but for a final line break.
  --replace-file FILE  reads REPLACE likewise.
  The arguments left fill the other places in order.

Suggestions:
  --suggest SELECTION  prints the named patterns that could replace SELECTION,
                       a piece of a regular expression: one per line, the
                       pattern, a tab, its description.
  --select REGEX       prints the stretch of REGEX that a named pattern
                       recognises first, as "START END" (offsets in UTF-16
                       code units); nothing when there is none.

Options:
  -l, --language NAME  visual-studio, ecmascript, javascript, pcre, python or
                       posix-ere. Without it, the language
                       last chosen in the Varnel window (Visual Studio when
                       none was chosen).
  --json               prints one JSON document instead:
                       {"regex": ..., "format": ...},
                       [{"regex": ..., "description": ...}, ...],
                       {"start": ..., "end": ...} (null when there is no
                       stretch), {"lines": ..., "matches": ...} (with --count;
                       rewritten text is never JSON), {"help": ...} or
                       {"version": ...} or {"code": ...}; and an error as {"error": ...} on
                       standard error.
  -h, --help           prints this text.
  -V, --version        prints the version.
  An option's value follows it as the next argument or after "=" (--language
  NAME, --language=NAME, -l NAME, -lNAME). "--" ends the options: every argument
  after it is a sample or a FILE, even one that begins with "-".

Arguments, files and output are UTF-8. Error messages show control characters,
backslashes and bytes that are not UTF-8 escaped (\x1b, \\).

Exit status:
  0  done; when rewriting, at least one match was replaced.
  1  when rewriting, nothing matched.
  2  a usage error, an empty search sample, an argument or a file that is not
     valid UTF-8, a file that cannot be read, a REGEX or FORMAT that is not
     valid, a line on which the regular expression gives up (too many steps)
     or would split a character in two, or output that cannot be written. A
     closed pipe ends varnel-cli without a message.
)";

namespace {

using Mode = CommandLine::Mode;

// Options that choose different things to do, so that no two of them go together.
const struct {
    const char* option;
    std::vector<const char*> excluded;
} exclusions[] = {
    {"--suggest",
     {"--select", "--apply", "--count", "--only-matching", "--regex", "--format", "--search-file",
      "--replace-file"}},
    {"--select",
     {"--apply", "--count", "--only-matching", "--regex", "--format", "--search-file",
      "--replace-file"}},
    {"--regex", {"--search-file", "--replace-file"}},
    {"--count", {"--only-matching"}},
    {"--code", {"--apply", "--count", "--only-matching", "--suggest", "--select"}},
};

const char* const rewrite_options[] = {"--apply", "--count", "--only-matching", "--regex",
                                       "--format"};

// "visual-studio, ecmascript, ... or posix-ere", for every language.
std::string language_choices() {
    std::string choices;
    for (std::size_t i = 0; i < language_names.size(); ++i) {
        choices += i == 0 ? "" : i + 1 == language_names.size() ? " or " : ", ";
        choices += language_names[i].command_line;
    }
    return choices;
}

// The options as given, before they are checked against each other.
struct Options {
    std::string language;
    std::string suggest;
    std::string select;
    std::string regex;
    std::string format;
    std::string search_file;
    std::string replace_file;
    std::vector<std::string> positionals;
};

void add_options(CLI::App& app, Options& options) {
    app.set_help_flag();
    app.allow_extras(); // unknown options are refused below, in our words
    app.add_flag("-h,--help");
    app.add_flag("-V,--version");
    app.add_flag("--json");
    app.add_flag("--apply");
    app.add_flag("--count");
    app.add_flag("--only-matching");
    app.add_flag("--code");
    const std::pair<const char*, std::string*> valued[] = {
        {"-l,--language", &options.language},
        {"--suggest", &options.suggest},
        {"--select", &options.select},
        {"--regex", &options.regex},
        {"--format", &options.format},
        {"--search-file", &options.search_file},
        {"--replace-file", &options.replace_file},
    };
    for (const auto& [names, value] : valued) {
        // As most tools do, the last of a repeated option wins.
        app.add_option(names, *value)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    app.add_option("ARGUMENTS", options.positionals);
}

const char* const not_utf8 = "an argument is not valid UTF-8";

bool given(const CLI::App& app, const char* option) {
    return app.count(option) > 0;
}

bool rewrites(const CLI::App& app) {
    return std::any_of(std::begin(rewrite_options), std::end(rewrite_options),
                       [&app](const char* option) { return given(app, option); });
}

std::string conflict(const CLI::App& app) {
    for (const auto& exclusion : exclusions) {
        for (const char* other : exclusion.excluded) {
            if (given(app, exclusion.option) && given(app, other)) {
                return std::string(exclusion.option) + " and " + other + " cannot be combined";
            }
        }
    }
    if (given(app, "--regex") != given(app, "--format")) {
        return "--regex and --format go together";
    }
    if (rewrites(app) && !given(app, "--code") && given(app, "--json") && !given(app, "--count")) {
        return "--json needs --count when rewriting: rewritten text is not JSON";
    }
    return {};
}

Mode mode_of(const CLI::App& app) {
    if (given(app, "--help")) {
        return Mode::Help;
    }
    if (given(app, "--version")) {
        return Mode::Version;
    }
    if (given(app, "--suggest")) {
        return Mode::Suggest;
    }
    if (given(app, "--select")) {
        return Mode::Select;
    }
    if (given(app, "--code")) {
        return Mode::Code;
    }
    return rewrites(app) ? Mode::Rewrite : Mode::Infer;
}

// Checks the options against each other and gives the arguments their places.
ParsedCommandLine check_options(const CLI::App& app, const Options& options) {
    CommandLine command;
    command.mode = mode_of(app);
    command.json = given(app, "--json");
    const auto failure = [&command](const std::string& message) {
        return ParsedCommandLine{std::nullopt, message, command.json};
    };
    if (command.mode == Mode::Help || command.mode == Mode::Version) {
        return {command, {}, command.json};
    }
    for (const auto& extra : app.remaining()) {
        if (extra != "--") {
            return failure("unknown option " + printable(extra));
        }
    }
    if (given(app, "--language")) {
        command.language = language_on_command_line(options.language);
        if (!command.language) {
            return failure("unknown language \"" + printable(options.language) + "\": use " +
                           language_choices());
        }
    }
    if (const std::string message = conflict(app); !message.empty()) {
        return failure(message);
    }
    if (given(app, "--count")) {
        command.output = CommandLine::Output::Counts;
    } else if (given(app, "--only-matching")) {
        command.output = CommandLine::Output::ChangedLines;
    }

    const auto to_text = [](const std::string& argument, std::wstring& text) {
        const auto decoded = utf8_to_utf16(argument);
        if (decoded) {
            text = *decoded;
        }
        return decoded.has_value();
    };
    const std::vector<std::string>& positionals = options.positionals;
    auto next = positionals.begin();
    if (command.mode == Mode::Suggest || command.mode == Mode::Select) {
        if (!to_text(command.mode == Mode::Suggest ? options.suggest : options.select,
                     command.text)) {
            return failure(not_utf8);
        }
    } else if (given(app, "--regex")) {
        ReplaceRegex given_pair;
        if (!to_text(options.regex, given_pair.regex) ||
            !to_text(options.format, given_pair.format)) {
            return failure(not_utf8);
        }
        command.regex_and_format = given_pair;
    } else {
        // The samples not read from files come from the first arguments.
        if (given(app, "--search-file")) {
            command.search_file = options.search_file;
        } else if (next == positionals.end()) {
            return failure("no search sample given");
        } else if (!to_text(*next++, command.text)) {
            return failure(not_utf8);
        } else if (command.text.empty()) {
            return failure("the search sample is empty");
        }
        if (given(app, "--replace-file")) {
            command.replace_file = options.replace_file;
        } else if (next != positionals.end()) {
            if (!to_text(*next++, command.replace)) {
                return failure(not_utf8);
            }
        } else if (command.mode == Mode::Rewrite || command.mode == Mode::Code) {
            return failure("no replacement sample given");
        }
    }
    if (command.mode == Mode::Rewrite) {
        command.files.assign(next, positionals.end());
        if (command.files.empty()) {
            command.files.push_back("-");
        }
    } else if (command.mode == Mode::Code) {
        command.files.assign(next, positionals.end());
    } else if (next != positionals.end()) {
        return failure("too many arguments");
    }
    const auto standard_input_readers = (command.search_file == std::string("-")) +
                                        (command.replace_file == std::string("-")) +
                                        std::count(command.files.begin(), command.files.end(), "-");
    if (standard_input_readers > 1) {
        return failure("standard input can be read only once");
    }
    return {command, {}, command.json};
}

} // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& arguments) {
    CLI::App app;
    Options options;
    add_options(app, options);
    try {
        app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
    } catch (const CLI::ArgumentMismatch&) {
        // Only an option at the very end can lack its value: every other takes the next argument.
        return {std::nullopt, printable(arguments.back()) + " needs a value",
                app.count("--json") > 0};
    } catch (const CLI::ParseError& error) {
        return {std::nullopt, printable(error.what()), app.count("--json") > 0};
    }
    return check_options(app, options);
}

} // namespace varnel
