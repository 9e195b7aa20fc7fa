#include "tests/support/SurrogatePairs.h"

namespace {

bool is_high_surrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool is_low_surrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool cuts_surrogate_pair(const std::wstring& text, std::size_t position) {
    return position > 0 && position < text.size() && is_high_surrogate(text[position - 1]) &&
           is_low_surrogate(text[position]);
}

std::size_t count_surrogate_pairs(const std::wstring& text) {
    std::size_t pairs = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        pairs += cuts_surrogate_pair(text, i) ? 1 : 0;
    }
    return pairs;
}

bool whole_characters(const std::wstring& text) {
    std::size_t halves = 0;
    for (const wchar_t unit : text) {
        halves += is_high_surrogate(unit) || is_low_surrogate(unit) ? 1 : 0;
    }
    return halves == 2 * count_surrogate_pairs(text);
}
