#pragma once
// The command line of varnel-cli, parsed.

#include "cli/TextEncoding.h"
#include "varnel/core/ReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"

#include <optional>
#include <string>
#include <vector>

namespace varnel {

struct CommandLine {
    enum class Mode { Infer, Suggest, Select, Rewrite, Code, Help, Version };
    // What a rewrite writes: every line, only the lines that changed or only the counts (all to
    // standard output), what it changes as a unified diff, or each file in its place.
    enum class Output { AllLines, ChangedLines, Counts, Diff, InPlace };

    Mode mode = Mode::Infer;
    std::optional<Language> language; // none: the one the user stored
    bool json = false;
    std::wstring text;    // the search sample, the selection or the regex, by mode
    std::wstring replace; // the replacement sample (inference and rewriting from samples)
    // Samples read from these files ("-": standard input) instead of text and replace.
    std::optional<std::string> search_file;
    std::optional<std::string> replace_file;
    // The rule learned from the examples in this file ("-": standard input) instead of samples.
    std::optional<std::string> examples_file;

    // Rewriting: the regex and format the user gave; none to infer them from the samples.
    std::optional<ReplaceRegex> regex_and_format;
    Output output = Output::AllLines;
    std::string backup_suffix; // InPlace: the original kept as FILE + suffix; none when empty
    Encoding encoding = Encoding::Utf8; // of the files rewritten
    // Rewriting: as given, "-" for standard input; never empty. Code: the files the command
    // names, none for standard input.
    std::vector<std::string> files;
};

struct ParsedCommandLine {
    std::optional<CommandLine> command;
    std::string error; // set when command is none, safe to show
    bool json = false; // whether the error is wanted as JSON
};

// Arguments are the bytes the program was given, without the program name. Samples, selections,
// regexes and formats must be UTF-8; file names are taken as they are.
ParsedCommandLine parse_command_line(const std::vector<std::string>& arguments);

extern const char* const usage_text;

} // namespace varnel
