#pragma once
// A text as the preview holds it: its lines without their breaks, and how they were broken, so
// that the rewritten text comes out with the same line ends.

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

struct TextLines {
    std::vector<std::wstring> lines;
    // The first line break of the text: "\r\n" or "\n" ("\n" when there is none).
    std::wstring line_break = L"\n";
    // True when the text ends with a line break: no empty line stands for what follows it.
    bool ends_with_break = false;

    bool operator==(const TextLines&) const = default;
};

// Splits at "\n"; a "\r" before it goes with the break when the text's first break is "\r\n".
TextLines split_lines(std::wstring_view text);

// The text of lines broken as layout was.
std::wstring join_lines(const std::vector<std::wstring>& lines, const TextLines& layout);

} // namespace varnel
