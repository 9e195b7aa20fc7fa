#pragma once
// Reads a regex of the ECMAScript language as the standard library's std::wregex reads it
// (ECMAScript grammar, default flags, classes by the global locale) and writes it for PCRE2.
// Where the two read a text differently, the standard library's reading is written out: classes
// as ranges of code units, "." without line terminators, "$" only at the end, "{" always a
// repetition, two quantifiers in a row as a repeated repetition, back references only to groups
// closed before them. "\cX" is the control character X modulo 32, as ECMAScript defines it (the
// standard library reads it as X).

#include "varnel/replace/PatternWriter.h"

namespace varnel {

Translation translate_ecmascript(const std::wstring& regex);

} // namespace varnel
