#include "tests/support/PrintableText.h"

#include <cstdio>

std::string printable(const std::wstring& text) {
    std::string result;
    for (const wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            result += static_cast<char>(c);
        } else {
            char escape[12];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned int>(c));
            result += escape;
        }
    }
    return result;
}
