#pragma once
// A compact text form of part lists for table tests.

#include "varnel/core/PartedStrings.h"

#include <string>
#include <vector>

namespace varnel {

// Unique parts as their text, Common parts as [text:group], separated by "|".
inline std::wstring dump(const std::vector<StringPart>& parts) {
    std::wstring result;
    for (const StringPart& part : parts) {
        result += result.empty() ? L"" : L"|";
        result += part.kind == StringPart::Common
                      ? L"[" + part.text + L":" + std::to_wstring(part.group) + L"]"
                      : part.text;
    }
    return result;
}

} // namespace varnel
