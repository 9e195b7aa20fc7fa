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
        split.lines.emplace_back(text.substr(start, end - start - (crlf ? 1 : 0)));
        start = end + 1;
    }
    split.ends_with_break = !text.empty() && start == text.size();
    if (!split.ends_with_break) {
        split.lines.emplace_back(text.substr(start));
    }
    return split;
}

std::wstring join_lines(const std::vector<std::wstring>& lines, const TextLines& layout) {
    std::wstring text;
    std::size_t size = 0;
    for (const std::wstring& line : lines) {
        size += line.size() + layout.line_break.size();
    }
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || layout.ends_with_break) {
            text += layout.line_break;
        }
    }
    return text;
}

} // namespace varnel
