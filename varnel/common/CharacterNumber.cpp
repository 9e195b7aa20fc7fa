#include "varnel/common/CharacterNumber.h"

#include "varnel/common/CodeUnits.h"

#include <algorithm>

namespace varnel {

namespace {

bool ends_pair(const std::wstring& text, std::size_t i) {
    return i > 0 && i < text.size() && is_low_surrogate(text[i]) && is_high_surrogate(text[i - 1]);
}

} // namespace

std::size_t character_number(const std::wstring& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    if (ends_pair(text, offset)) {
        --offset;
    }
    std::size_t number = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        number += ends_pair(text, i) ? 0 : 1;
    }
    return number;
}

} // namespace varnel
