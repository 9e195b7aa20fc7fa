#pragma once
// Conversions between UTF-8 bytes and Varnel's text, which holds one UTF-16 code unit per wchar_t.

#include <string>

#include <boost/optional.hpp>

// The text of valid UTF-8 bytes, or none (overlong forms, encoded surrogates, values past
// U+10FFFF and cut sequences are not valid).
boost::optional<std::wstring> utf8_to_utf16(const std::string& bytes);
// The same, with each byte that does not begin a valid sequence read as U+FFFD.
std::wstring utf8_to_utf16_replacing(const std::string& bytes);

// A surrogate code unit without its partner cannot be written in UTF-8: it becomes U+FFFD.
std::string utf16_to_utf8(const std::wstring& text);

// The text as a JSON string literal, quotes included. Lone surrogates are kept exactly, as
// \u escapes.
std::string json_string(const std::wstring& text);
