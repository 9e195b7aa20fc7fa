#pragma once
// What a rewrite changes in one file, written as a unified diff (as "diff -u" writes it and
// "patch" reads it) while the file is read: only the lines of the hunk under way are kept.

#include "cli/OutputStream.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

class UnifiedDiff {
public:
    // The file is named on the "---" and "+++" lines, which are written before the first hunk: a
    // file without a change writes nothing.
    UnifiedDiff(OutputStream& out, std::string name);

    // The lines that follow in the file, each with its line break (but for a last line without
    // one): a line kept as it is, or lines replaced by others (none or several).
    void same(std::string_view line);
    void changed(std::string_view old_lines, std::string_view new_lines);

    // Writes the last hunk. Call once, at the end of the file.
    void finish();

private:
    void close_hunk();
    void end_change();

    OutputStream& out;
    std::string name;
    bool headers_written = false;
    std::size_t old_line = 0;       // lines of the file read so far
    std::size_t new_line = 0;       // lines of the rewritten file written so far
    std::deque<std::string> before; // the last lines kept, when no hunk is open, as context
    // The hunk under way: its lines as they are written, where it starts, how many lines of each
    // side it holds, and how many lines kept end it.
    std::vector<std::string> hunk;
    std::size_t old_start = 0;
    std::size_t new_start = 0;
    std::size_t old_count = 0;
    std::size_t new_count = 0;
    std::size_t trailing = 0;
    // The new lines of the change under way, written after all its old ones, as diff -u does.
    std::vector<std::string> added;
};

} // namespace varnel
