#include "cli/JsonText.h"

#include "varnel/common/Utf8.h"

namespace varnel {

std::string json_text(const Json& document) {
    // With an indent of 0 the library puts each member and element on a line of its own. A JSON
    // string never holds a raw line break, so every line break is layout: it goes, and after a
    // comma it becomes a space.
    const std::string lines = document.dump(0);
    std::string text;
    text.reserve(lines.size());
    for (const char c : lines) {
        if (c != '\n') {
            text += c;
        } else if (!text.empty() && text.back() == ',') {
            text += ' ';
        }
    }
    return text;
}

Json json_string(const std::wstring& text) {
    return utf16_to_utf8(text);
}

} // namespace varnel
