#include "app/TextLines.h"

namespace varnel {

TextLines split_lines(std::wstring_view text) {
    TextLines split;
    const std::size_t first_break = text.find(L'\n');
    if (first_break != std::wstring_view::npos && first_break > 0 &&
        text[first_break - 1] == L'\r') {
        split.line_break = L"\r\n";
    }
    // A text of mixed breaks keeps each "\r" that is not part of its kind of break in its line.
    const std::size_t cut = split.line_break.size() - 1;
    std::size_t start = 0;
    for (std::size_t end = text.find(L'\n'); end != std::wstring_view::npos;
         end = text.find(L'\n', start)) {
        const bool crlf = cut == 1 && end > start && text[end - 1] == L'\r';
        split.lines.push_back(std::wstring(text.substr(start, end - start - (crlf ? 1 : 0))));
        start = end + 1;
    }
    split.ends_with_break = !text.empty() && start == text.size();
    if (!split.ends_with_break) {
        split.lines.push_back(std::wstring(text.substr(start)));
    }
    return split;
}

std::wstring join_lines(const TextLines& text) {
    return join_lines(
        text.lines.size(), [&](std::size_t i) -> const std::wstring& { return text.lines[i]; },
        text);
}

} // namespace varnel
