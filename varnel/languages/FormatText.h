#pragma once
// Helpers for the languages' format readers.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

// Appends one character of text to the pieces, joined to the text piece before it.
void append_format_text(std::vector<FormatPiece>& pieces, wchar_t c);

// What "$&" (the match), "$`" (the text before it: a piece of kind before) and "$'" (the text
// after it) stand for, at offset; none for another character after the dollar.
std::optional<FormatPiece> match_piece(wchar_t after_dollar, FormatPiece::Kind before,
                                       std::size_t offset);

} // namespace varnel
