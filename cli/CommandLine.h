#pragma once
// The command line of varnel-cli, parsed.

#include "languages/LanguageFactory.h"

#include <string>
#include <vector>

#include <boost/optional.hpp>

struct CommandLine {
    enum class Mode { Infer, Suggest, Select, Help };

    Mode mode = Mode::Infer;
    boost::optional<LanguageFactory::Language> language; // none: the one the user stored
    bool json = false;
    std::wstring text;    // the search sample, the selection or the regex, by mode
    std::wstring replace; // the replacement sample (inference only)
};

struct ParsedCommandLine {
    boost::optional<CommandLine> command;
    std::string error; // set when command is none
};

// Arguments are UTF-8, without the program name.
ParsedCommandLine parse_command_line(const std::vector<std::string>& arguments);

extern const char* const usage_text;
