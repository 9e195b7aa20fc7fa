#pragma once
// Conversions between UTF-8 bytes and Varnel's text, which holds one UTF-16 code unit per wchar_t.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

struct Utf8Character {
    std::uint32_t code_point;
    std::size_t length; // in bytes
};

// The character that starts at offset, or none when the bytes there are not valid UTF-8 (overlong
// forms, encoded surrogates, values past U+10FFFF and cut sequences are not valid).
// Precondition: offset < bytes.size().
std::optional<Utf8Character> decode_utf8_character(std::string_view bytes, std::size_t offset);

// One code unit, or a surrogate pair for a character beyond the Basic Multilingual Plane.
std::wstring utf16_of(std::uint32_t code_point);

// The text of valid UTF-8 bytes, or none.
std::optional<std::wstring> utf8_to_utf16(std::string_view bytes);
// The same, with each byte that does not begin a valid sequence read as U+FFFD.
std::wstring utf8_to_utf16_replacing(std::string_view bytes);

// A surrogate code unit without its partner cannot be written in UTF-8: it becomes U+FFFD.
std::string utf16_to_utf8(const std::wstring& text);

// The UTF-8 of text, or none when it holds a surrogate without its partner.
std::optional<std::string> exact_utf8(const std::wstring& text);

} // namespace varnel
