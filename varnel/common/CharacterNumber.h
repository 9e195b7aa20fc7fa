#pragma once
// Positions in Varnel's text as the user counts them, for messages.

#include <cstddef>
#include <string>

namespace varnel {

// The number, from 1, of the character at a code-unit offset of the text (such as where the
// runner found a regex or a format not valid): a surrogate pair is one character, an offset
// inside one names that character, and an offset past the end names the place after the last.
std::size_t character_number(const std::wstring& text, std::size_t offset);

} // namespace varnel
