#pragma once

#include "cli/CommandLine.h"

#include <ostream>

// Runs a parsed command in the given language and writes its UTF-8 output.
void run_command(const CommandLine& command, LanguageFactory::Language language, std::ostream& out);
