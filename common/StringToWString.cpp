#include "common/StringToWString.h"

#include "common/Utf8.h"

std::wstring string_to_wstring(const std::string& text) {
    return utf8_to_utf16_replacing(text);
}
