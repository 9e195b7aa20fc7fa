#pragma once
// The bytes of a rewritten file as Varnel's text and back, so that every byte the rewrite does not
// replace goes out as it came in.

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

enum class Encoding { Utf8, Latin1 };

// UTF-8: each byte that is not part of a valid sequence becomes a lone surrogate U+DC80..U+DCFF
// (as Python's "surrogateescape" does), which no valid UTF-8 decodes to. Latin-1: each byte is
// the character of that number.
std::wstring decode_text(std::string_view bytes, Encoding encoding);

// The inverse of decode_text: decode_text's result gives back the very bytes. None when the text
// holds a character that the encoding cannot hold: past U+00FF in Latin-1; in UTF-8, a surrogate
// without its partner other than U+DC80..U+DCFF.
std::optional<std::string> encode_text(const std::wstring& text, Encoding encoding);

} // namespace varnel
