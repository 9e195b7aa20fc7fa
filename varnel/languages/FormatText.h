#pragma once
// Helpers for the languages' format readers.

#include "varnel/languages/IRegexSyntax.h"

namespace varnel {

// Appends one character of text to the pieces, joined to the text piece before it.
void append_format_text(std::vector<FormatPiece>& pieces, wchar_t c);

} // namespace varnel
