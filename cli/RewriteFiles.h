#pragma once

#include "cli/CommandLine.h"
#include "cli/OutputStream.h"
#include "cli/RewriteLines.h"

namespace varnel {

// Rewrites the command's files in turn with the replacer, to where its output says: standard
// output (out), a unified diff on out, or each file in its place. A file in which nothing matched
// is not rewritten in place. Stops at the first failure with a CommandError: the files before it
// are done, the file it names and those after it are as they were. The counts of every file.
RewriteCounts rewrite_files(const CommandLine& command, const Replacer& replacer,
                            OutputStream& out);

} // namespace varnel
