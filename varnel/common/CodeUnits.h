#pragma once
// Tests of single UTF-16 code units and ASCII characters that text code everywhere asks.

#include <cstdint>

namespace varnel {

constexpr bool is_high_surrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool is_low_surrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

constexpr bool is_surrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The code point of a surrogate pair. Precondition: high and low are its two halves.
constexpr std::uint32_t code_point_of_pair(std::uint32_t high, std::uint32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

constexpr bool is_ascii_digit(std::uint32_t c) {
    return c >= '0' && c <= '9';
}

constexpr bool is_ascii_letter(std::uint32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The value of a hexadecimal digit, or -1.
constexpr int hex_digit_value(std::uint32_t c) {
    if (is_ascii_digit(c)) {
        return static_cast<int>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<int>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<int>(c - 'A' + 10);
    }
    return -1;
}

} // namespace varnel
