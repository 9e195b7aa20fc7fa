#include "cli/CommandLine.h"

#include "common/Utf8.h"

const char* const usage_text =
    R"(Usage:
  varnel-cli [--language visual-studio|ecmascript] [--json] SEARCH [REPLACE]
  varnel-cli [--language ...] [--json] --suggest SELECTION
  varnel-cli [--language ...] [--json] --select REGEX
  varnel-cli --help

Infers a regular expression that matches SEARCH, with a capturing group around every piece that
SEARCH and REPLACE share, and a format string that rebuilds REPLACE from back references.
Prints the regular expression and the format string on two lines.

  --suggest SELECTION  prints the named patterns that could replace SELECTION, a piece of a
                       regular expression: one per line, the pattern, a tab, its description.
  --select REGEX       prints the stretch of REGEX that a named pattern recognises first, as
                       "START END" (offsets in UTF-16 code units); nothing when there is none.
  --language NAME      visual-studio or ecmascript. Without it, the language last chosen in the
                       Varnel window (Visual Studio when none was chosen).
  --json               prints one JSON document instead: {"regex": ..., "format": ...},
                       [{"regex": ..., "description": ...}, ...], or {"start": ..., "end": ...}
                       (null when there is no stretch).
  --help               prints this text.

Arguments and output are UTF-8. Exit status: 0 on success, 2 on a usage error, an empty
search sample or an argument that is not valid UTF-8.
)";

namespace {

ParsedCommandLine failure(const std::string& message) {
    return {boost::none, message};
}

boost::optional<LanguageFactory::Language> language_named(const std::string& name) {
    if (name == "visual-studio") {
        return LanguageFactory::VisualStudio;
    }
    if (name == "ecmascript") {
        return LanguageFactory::ECMAScript;
    }
    return boost::none;
}

} // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& arguments) {
    CommandLine command;
    std::vector<std::string> texts;
    bool options_end = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool has_value = i + 1 < arguments.size();
        if (options_end || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            texts.push_back(argument);
        } else if (argument == "--") {
            options_end = true;
        } else if (argument == "--help") {
            command.mode = CommandLine::Mode::Help;
            return {command, {}};
        } else if (argument == "--json") {
            command.json = true;
        } else if (argument == "--language" && has_value) {
            command.language = language_named(arguments[++i]);
            if (!command.language) {
                return failure("unknown language \"" + arguments[i] +
                               "\": use visual-studio or ecmascript");
            }
        } else if ((argument == "--suggest" || argument == "--select") && has_value) {
            if (command.mode != CommandLine::Mode::Infer) {
                return failure("--suggest and --select cannot be combined");
            }
            command.mode =
                argument == "--suggest" ? CommandLine::Mode::Suggest : CommandLine::Mode::Select;
            texts.insert(texts.begin(), arguments[++i]);
        } else if (argument == "--language" || argument == "--suggest" || argument == "--select") {
            return failure(argument + " needs a value");
        } else {
            return failure("unknown option " + argument);
        }
    }

    const std::size_t most = command.mode == CommandLine::Mode::Infer ? 2 : 1;
    if (texts.empty()) {
        return failure("no search sample given");
    }
    if (texts.size() > most) {
        return failure("too many arguments");
    }
    const auto first = utf8_to_utf16(texts[0]);
    const auto second = utf8_to_utf16(texts.size() > 1 ? texts[1] : std::string());
    if (!first || !second) {
        return failure("an argument is not valid UTF-8");
    }
    if (command.mode == CommandLine::Mode::Infer && first->empty()) {
        return failure("the search sample is empty");
    }
    command.text = *first;
    command.replace = *second;
    return {command, {}};
}
