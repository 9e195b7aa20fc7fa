#pragma once

#include "cli/CommandLine.h"
#include "cli/OutputStream.h"

#include <ostream>

namespace varnel {

// The exit statuses of varnel-cli.
enum ExitStatus : int {
    Done = 0,    // when rewriting: at least one match replaced
    NoMatch = 1, // when rewriting: nothing matched
    Failed = 2,  // a usage error, input that cannot be read, output that cannot be written
};

// Runs a parsed command in the given language and writes its output, and notes for the user (what
// the examples leave open) on notes. Throws CommandError and OutputClosed.
ExitStatus run_command(const CommandLine& command, Language language, OutputStream& out,
                       std::ostream& notes);

} // namespace varnel
