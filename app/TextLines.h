#pragma once
// A text as the preview holds it: its lines without their breaks, and how they were broken, so
// that the rewritten text comes out with the same line ends. A copy shares the lines.

#include "app/SharedPieces.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

struct TextLines {
    SharedPieces<std::wstring> lines;
    // The first line break of the text: "\r\n" or "\n" ("\n" when there is none).
    std::wstring line_break = L"\n";
    // True when the text ends with a line break: no empty line stands for what follows it.
    bool ends_with_break = false;

    bool operator==(const TextLines&) const = default;
};

// Splits at "\n"; a "\r" before it goes with the break when the text's first break is "\r\n".
TextLines split_lines(std::wstring_view text);

// The text of count lines broken as layout was, line(i) the line numbered i.
template <typename Line>
std::wstring join_lines(std::size_t count, const Line& line, const TextLines& layout) {
    std::size_t size = 0;
    for (std::size_t i = 0; i < count; ++i) {
        size += line(i).size() + layout.line_break.size();
    }
    std::wstring text;
    text.reserve(size);
    for (std::size_t i = 0; i < count; ++i) {
        text += line(i);
        if (i + 1 < count || layout.ends_with_break) {
            text += layout.line_break;
        }
    }
    return text;
}

// The text's lines broken as they were.
std::wstring join_lines(const TextLines& text);

} // namespace varnel
