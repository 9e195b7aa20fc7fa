#pragma once
// The heart of --apply: every line of a file through the regex runner, out as it came but for the
// matches.

#include "cli/CommandLine.h"
#include "cli/LineReader.h"
#include "cli/OutputStream.h"
#include "varnel/replace/RunReplace.h"

namespace varnel {

struct RewriteCounts {
    std::size_t lines = 0;   // lines with at least one match
    std::size_t matches = 0; // matches replaced
};

// Writes the lines of the reader with each match replaced (every line, the lines that changed or
// none, by output) and adds what changed to counts. Throws CommandError for a line that is not
// UTF-8 or on which the regex gives up.
void rewrite_lines(LineReader& lines, const Replacer& replacer, CommandLine::Output output,
                   OutputStream& out, RewriteCounts& counts);

} // namespace varnel
