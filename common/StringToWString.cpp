#include "common/StringToWString.h"

#include <locale>

std::wstring string_to_wstring(const std::string& text) {
    std::wstring result(text.size(), L'\0');
    std::use_facet<std::ctype<wchar_t>>(std::locale())
        .widen(text.data(), text.data() + text.size(), result.data());
    return result;
}
