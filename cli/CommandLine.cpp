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
  varnel-cli [OPTION...] --examples FILE [--apply [FILE...]]
  varnel-cli --help | --version

Infers a regular expression that matches SEARCH, with a capturing group around
every piece that SEARCH and REPLACE share, and a format string that rebuilds
REPLACE from back references. Prints the regular expression and the format
string on two lines.

With --apply, rewrites text with them instead, as sed does: every line of the
FILEs in turn (standard input when there is none, and for "-"), each match in
the line replaced as an editor's "Replace All" does, to standard output. Lines
without a match, line endings (LF, CRLF, none at the end) and every byte outside
the matches come out as they went in, bytes that are not UTF-8 included: they
are never matched nor altered.

Learning from examples:
  --examples FILE      learns one regular expression and format string from the
                       examples in FILE ("-": standard input) instead of SEARCH
                       and REPLACE: one a line, SEARCH, a tab and REPLACE; a
                       line without a tab is a text that must stay unchanged.
                       A FILE whose name ends in ".jsonl" holds a JSON value a
                       line: ["search", "replace"] or "unchanged text". Prints
                       them as for SEARCH and REPLACE, with --apply rewrites
                       with them; says on standard error which pieces of the
                       output the examples leave open. Examples that no regular
                       expression fits are refused with the reason.

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
  --diff               prints what the rewrite would change as a unified diff
                       (as "diff -u" writes it) and leaves the FILEs alone.
  --in-place[=SUFFIX]  rewrites each FILE in its place instead, whole or not at
                       all: a new file in the same folder, flushed to the disk,
                       takes the old one's place and permission bits. With
                       SUFFIX, the old content stays as FILE + SUFFIX. A symbolic
                       link is followed; its target is rewritten. A FILE in
                       which nothing matched is left untouched. A FILE that
                       cannot be rewritten whole stays as it was, with an error
                       naming it, and the FILEs after it are not rewritten.
  --encoding NAME      utf-8 (the default) or latin1: how the FILEs are read
                       and written.
  --count, --only-matching, --diff, --in-place, --regex and --format imply
  --apply.

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
                       {"regex": ..., "format": ...} (with --examples, and
                       "ambiguous": [{"example": ..., "position": ...,
                       "text": ..., "question": ...}, ...]),
                       [{"regex": ..., "description": ...}, ...],
                       {"start": ..., "end": ...} (null when there is no
                       stretch), {"lines": ..., "matches": ...} (with --count;
                       rewritten text is never JSON), {"help": ...} or
                       {"version": ...} or {"code": ...}; and an error as {"error": ...} on
                       standard error.
  -h, --help           prints this text.
  -V, --version        prints the version.
  An option's value follows it as the next argument or after "=" (--language
  NAME, --language=NAME, -l NAME, -lNAME); the SUFFIX of --in-place only after
  "=". "--" ends the options: every argument
  after it is a sample or a FILE, even one that begins with "-".

Arguments, sample and example files and output are UTF-8. Error messages show
control characters, backslashes and bytes that are not UTF-8 escaped (\x1b,
\\).

Exit status:
  0  done; when rewriting, at least one match was replaced.
  1  when rewriting, nothing matched.
  2  a usage error, an empty search sample, an argument or a sample or example
     file that is not valid UTF-8, examples that no rule fits, a file that
     cannot be read or rewritten, a REGEX or FORMAT that is not valid (placed
     at a character counted from 1), a line on which the regular expression
     gives up (too many steps) or would split a character in two, a rewritten
     line that its encoding cannot hold, or output that cannot be written. A
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
     {"--select", "--apply", "--count", "--only-matching", "--diff", "--in-place", "--regex",
      "--format", "--search-file", "--replace-file", "--examples", "--encoding"}},
    {"--select",
     {"--apply", "--count", "--only-matching", "--diff", "--in-place", "--regex", "--format",
      "--search-file", "--replace-file", "--examples", "--encoding"}},
    {"--regex", {"--search-file", "--replace-file", "--examples"}},
    {"--examples", {"--search-file", "--replace-file", "--format"}},
    {"--count", {"--only-matching", "--diff", "--in-place"}},
    {"--only-matching", {"--diff", "--in-place"}},
    {"--diff", {"--in-place"}},
    {"--code",
     {"--apply", "--count", "--only-matching", "--diff", "--in-place", "--suggest", "--select",
      "--encoding"}},
};

const char* const rewrite_options[] = {"--apply",    "--count", "--only-matching", "--diff",
                                       "--in-place", "--regex", "--format"};

// The encodings of rewritten files, by their names on the command line.
const std::pair<const char*, Encoding> encodings[] = {{"utf-8", Encoding::Utf8},
                                                      {"latin1", Encoding::Latin1}};

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
    std::string examples;
    std::string encoding;
    std::string in_place_suffix;
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
    app.add_flag("--diff");
    // A flag, so that it never takes the next argument: a suffix comes only after "=".
    app.add_flag("--in-place{}", options.in_place_suffix);
    const std::pair<const char*, std::string*> valued[] = {
        {"-l,--language", &options.language},
        {"--suggest", &options.suggest},
        {"--select", &options.select},
        {"--regex", &options.regex},
        {"--format", &options.format},
        {"--search-file", &options.search_file},
        {"--replace-file", &options.replace_file},
        {"--examples", &options.examples},
        {"--encoding", &options.encoding},
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
    const std::pair<const char*, CommandLine::Output> outputs[] = {
        {"--count", CommandLine::Output::Counts},
        {"--only-matching", CommandLine::Output::ChangedLines},
        {"--diff", CommandLine::Output::Diff},
        {"--in-place", CommandLine::Output::InPlace},
    };
    for (const auto& [option, output] : outputs) {
        if (given(app, option)) {
            command.output = output;
        }
    }
    command.backup_suffix = options.in_place_suffix;
    if (given(app, "--encoding")) {
        const auto* const named = std::find_if(
            std::begin(encodings), std::end(encodings),
            [&options](const auto& encoding) { return options.encoding == encoding.first; });
        if (named == std::end(encodings)) {
            return failure("unknown encoding \"" + printable(options.encoding) +
                           "\": use utf-8 or latin1");
        }
        if (command.mode != Mode::Rewrite) {
            return failure("--encoding is for the files rewritten (--apply, --diff, --in-place)");
        }
        command.encoding = named->second;
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
    } else if (given(app, "--examples")) {
        command.examples_file = options.examples;
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
        if (command.output == CommandLine::Output::InPlace &&
            (command.files.empty() ||
             std::count(command.files.begin(), command.files.end(), "-") > 0)) {
            return failure("--in-place needs the FILEs to rewrite, not standard input");
        }
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
                                        (command.examples_file == std::string("-")) +
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
