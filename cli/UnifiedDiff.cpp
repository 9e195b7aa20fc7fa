#include "cli/UnifiedDiff.h"

#include "varnel/common/DBC.h"

namespace varnel {

namespace {

// Lines kept around each change, as diff -u writes them.
constexpr std::size_t context = 3;

// A line of a hunk: its mark, its bytes, and the note a line without a line break needs.
std::string hunk_line(char mark, std::string_view line) {
    std::string text = mark + std::string(line);
    if (text.back() != '\n') {
        text += "\n\\ No newline at end of file\n";
    }
    return text;
}

// Calls add for each line of the lines, its line break included.
template <typename Add>
std::size_t each_line(std::string_view lines, Add add) {
    std::size_t count = 0;
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size() - 1) + 1;
        add(lines.substr(0, end));
        lines.remove_prefix(end);
        ++count;
    }
    return count;
}

// A side of a hunk's range: "start,count", where an empty side starts at the line before it.
std::string range(std::size_t start, std::size_t count) {
    return std::to_string(count == 0 ? start - 1 : start) + ',' + std::to_string(count);
}

} // namespace

UnifiedDiff::UnifiedDiff(OutputStream& out, std::string name) : out(out), name(std::move(name)) {}

void UnifiedDiff::same(std::string_view line) {
    end_change();
    ++old_line;
    ++new_line;
    if (hunk.empty()) {
        before.push_back(hunk_line(' ', line));
        if (before.size() > context) {
            before.pop_front();
        }
        return;
    }
    hunk.push_back(hunk_line(' ', line));
    ++old_count;
    ++new_count;
    // Changes closer than twice the context share a hunk.
    if (++trailing > 2 * context) {
        close_hunk();
    }
}

void UnifiedDiff::changed(std::string_view old_lines, std::string_view new_lines) {
    if (hunk.empty()) {
        old_start = old_line - before.size() + 1;
        new_start = new_line - before.size() + 1;
        old_count = new_count = before.size();
        hunk.assign(before.begin(), before.end());
        before.clear();
    }
    const std::size_t removed = each_line(
        old_lines, [this](std::string_view line) { hunk.push_back(hunk_line('-', line)); });
    const std::size_t inserted = each_line(
        new_lines, [this](std::string_view line) { added.push_back(hunk_line('+', line)); });
    old_line += removed;
    new_line += inserted;
    old_count += removed;
    new_count += inserted;
    trailing = 0;
}

void UnifiedDiff::end_change() {
    hunk.insert(hunk.end(), added.begin(), added.end());
    added.clear();
}

void UnifiedDiff::finish() {
    end_change();
    if (!hunk.empty()) {
        close_hunk();
    }
}

void UnifiedDiff::close_hunk() {
    DBC_PRECONDITION(!hunk.empty());
    // The lines kept past the context become the context of the next hunk.
    const std::size_t dropped = trailing > context ? trailing - context : 0;
    const auto kept_end = hunk.end() - static_cast<std::ptrdiff_t>(dropped);
    before.assign(kept_end, hunk.end());
    while (before.size() > context) {
        before.pop_front();
    }
    if (!headers_written) {
        out.write("--- " + name + "\n+++ " + name + "\n");
        headers_written = true;
    }
    out.write("@@ -" + range(old_start, old_count - dropped) + " +" +
              range(new_start, new_count - dropped) + " @@\n");
    for (auto line = hunk.begin(); line != kept_end; ++line) {
        out.write(*line);
    }
    hunk.clear();
    trailing = 0;
}

} // namespace varnel
