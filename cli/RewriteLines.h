#pragma once
// The heart of rewriting: every line of a file through the regex runner, out as it came but for the
// matches.

#include "cli/LineReader.h"
#include "cli/TextEncoding.h"
#include "varnel/replace/RunReplace.h"

#include <functional>
#include <optional>
#include <string>

namespace varnel {

struct RewriteCounts {
    std::size_t lines = 0;   // lines with at least one match
    std::size_t matches = 0; // matches replaced
};

// One line as the rewrite leaves it.
struct RewrittenLine {
    Line line;                           // as read
    std::optional<std::string> replaced; // its new bytes, without the ending; none without a match
};

// Passes every line of the reader, rewritten, to the sink and adds what changed to counts. Throws
// CommandError that names the file and the line for a line on which the regex gives up or whose
// result the encoding cannot hold.
void rewrite_lines(LineReader& lines, const Replacer& replacer, Encoding encoding,
                   const std::function<void(const RewrittenLine&)>& sink, RewriteCounts& counts);

} // namespace varnel
