#include "cli/RewriteFiles.h"

#include "cli/AtomicFile.h"
#include "cli/UnifiedDiff.h"

namespace varnel {

namespace {

using Output = CommandLine::Output;

// The line as read, its ending included: the two lie side by side in the reader's buffer.
std::string_view whole(const Line& line) {
    return {line.text.data(), line.text.size() + line.ending.size()};
}

void write_line(OutputStream& out, const RewrittenLine& rewritten) {
    out.write(rewritten.replaced ? *rewritten.replaced : rewritten.line.text);
    out.write(rewritten.line.ending);
}

void to_output(const CommandLine& command, const Replacer& replacer, const std::string& path,
               OutputStream& out, RewriteCounts& counts) {
    InputFile file(path);
    LineReader lines(file);
    rewrite_lines(
        lines, replacer, command.encoding,
        [&](const RewrittenLine& rewritten) {
            if (command.output == Output::AllLines ||
                (command.output == Output::ChangedLines && rewritten.replaced)) {
                write_line(out, rewritten);
            }
        },
        counts);
}

void as_diff(const CommandLine& command, const Replacer& replacer, const std::string& path,
             OutputStream& out, RewriteCounts& counts) {
    InputFile file(path);
    LineReader lines(file);
    UnifiedDiff diff(out, path);
    rewrite_lines(
        lines, replacer, command.encoding,
        [&diff](const RewrittenLine& rewritten) {
            if (rewritten.replaced && *rewritten.replaced != rewritten.line.text) {
                diff.changed(whole(rewritten.line),
                             *rewritten.replaced + std::string(rewritten.line.ending));
            } else {
                diff.same(whole(rewritten.line));
            }
        },
        counts);
    diff.finish();
}

void in_place(const CommandLine& command, const Replacer& replacer, const std::string& path,
              RewriteCounts& counts) {
    AtomicFile rewritten_file(path);
    InputFile file(rewritten_file.target());
    LineReader lines(file);
    const std::size_t matches_before = counts.matches;
    rewrite_lines(
        lines, replacer, command.encoding,
        [&rewritten_file](const RewrittenLine& rewritten) {
            write_line(rewritten_file.out(), rewritten);
        },
        counts);
    if (counts.matches > matches_before) {
        rewritten_file.commit(command.backup_suffix);
    }
}

} // namespace

RewriteCounts rewrite_files(const CommandLine& command, const Replacer& replacer,
                            OutputStream& out) {
    RewriteCounts counts;
    for (const auto& path : command.files) {
        if (command.output == Output::Diff) {
            as_diff(command, replacer, path, out, counts);
        } else if (command.output == Output::InPlace) {
            in_place(command, replacer, path, counts);
        } else {
            to_output(command, replacer, path, out, counts);
        }
    }
    return counts;
}

} // namespace varnel
