#include "cli/RewriteLines.h"

#include "cli/CommandError.h"
#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"

namespace varnel {

void rewrite_lines(LineReader& lines, const Replacer& replacer, CommandLine::Output output,
                   OutputStream& out, RewriteCounts& counts) {
    while (const auto line = lines.next()) {
        const ReplaceOutcome outcome = replacer.replace_all(lines.decoded(line->text));
        if (outcome.status == ReplaceOutcome::Status::TooComplex) {
            throw CommandError(lines.position() + ": " + utf16_to_utf8(outcome.message));
        }
        DBC_CHECK(outcome.status == ReplaceOutcome::Status::Replaced ||
                  outcome.status == ReplaceOutcome::Status::NoMatch);
        const bool replaced = outcome.status == ReplaceOutcome::Status::Replaced;
        if (replaced) {
            ++counts.lines;
            counts.matches += outcome.matches;
        }
        if (output == CommandLine::Output::Counts ||
            (output == CommandLine::Output::ChangedLines && !replaced)) {
            continue;
        }
        // A line without a match goes out as the very bytes that came in.
        if (replaced) {
            // The regex runs on UTF-16 code units: a match may end inside a character that takes
            // two of them, and what is left of it has no UTF-8.
            const auto bytes = exact_utf8(outcome.text);
            if (!bytes) {
                throw CommandError(lines.position() +
                                   ": a match splits a character in two, which UTF-8 cannot hold");
            }
            out.write(*bytes);
        } else {
            out.write(line->text);
        }
        out.write(line->ending);
    }
}

} // namespace varnel
