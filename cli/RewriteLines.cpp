#include "cli/RewriteLines.h"

#include "cli/CommandError.h"
#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"

namespace varnel {

namespace {

std::string unwritable(Encoding encoding) {
    // In UTF-8, only a match that ends inside a character that takes two UTF-16 code units leaves
    // half of it.
    return encoding == Encoding::Utf8
               ? ": a match splits a character in two, which UTF-8 cannot hold"
               : ": the rewritten line holds a character that Latin-1 cannot hold";
}

} // namespace

void rewrite_lines(LineReader& lines, const Replacer& replacer, Encoding encoding,
                   const std::function<void(const RewrittenLine&)>& sink, RewriteCounts& counts) {
    while (const auto line = lines.next()) {
        const ReplaceOutcome outcome = replacer.replace_all(decode_text(line->text, encoding));
        if (outcome.status == ReplaceOutcome::Status::TooComplex) {
            throw CommandError(lines.position() + ": " + utf16_to_utf8(outcome.message));
        }
        DBC_CHECK(outcome.status == ReplaceOutcome::Status::Replaced ||
                  outcome.status == ReplaceOutcome::Status::NoMatch);
        RewrittenLine rewritten{*line, std::nullopt};
        if (outcome.status == ReplaceOutcome::Status::Replaced) {
            ++counts.lines;
            counts.matches += outcome.matches;
            rewritten.replaced = encode_text(outcome.text, encoding);
            if (!rewritten.replaced) {
                throw CommandError(lines.position() + unwritable(encoding));
            }
        }
        sink(rewritten);
    }
}

} // namespace varnel
