#include "varnel/common/StringToWString.h"

#include "varnel/common/Utf8.h"

namespace varnel {

std::wstring string_to_wstring(const std::string& text) {
    return utf8_to_utf16_replacing(text);
}

} // namespace varnel
