#include "varnel/languages/CodeQuoting.h"

#include <cwchar>

namespace varnel {

std::wstring shell_quote(const std::wstring& text) {
    std::wstring result = L"'";
    for (const wchar_t c : text) {
        result += c == L'\'' ? std::wstring(L"'\\''") : std::wstring(1, c);
    }
    return result + L"'";
}

std::wstring shell_arguments(const std::vector<std::wstring>& files) {
    std::wstring result;
    for (const std::wstring& file : files) {
        result += L" " + shell_quote(file);
    }
    return result;
}

std::wstring escape_unescaped(const std::wstring& text, const std::wstring& chars) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size()) {
            result += text.substr(i, 2);
            ++i;
            continue;
        }
        if (chars.find(text[i]) != std::wstring::npos) {
            result += L'\\';
        }
        result += text[i];
    }
    return result;
}

std::wstring escape_line_breaks(const std::wstring& text) {
    std::wstring result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        result += c == L'\n' ? L"\\n" : c == L'\r' ? L"\\r" : std::wstring(1, c);
    }
    return result;
}

std::wstring quoted_string(const std::wstring& text) {
    std::wstring result = L"'";
    for (const wchar_t c : text) {
        if (c == L'\\' || c == L'\'') {
            result += L'\\';
            result += c;
        } else if (c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029) {
            // JavaScript ends a line at U+2028 and U+2029 in older engines' string literals.
            wchar_t escaped[8];
            std::swprintf(escaped, 8, c > 0xFF ? L"\\u%04x" : L"\\x%02x", static_cast<unsigned>(c));
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + L"'";
}

} // namespace varnel
