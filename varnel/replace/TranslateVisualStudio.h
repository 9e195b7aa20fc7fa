#pragma once
// Reads a regex of the Visual Studio language, the find-and-replace syntax of the Visual Studio
// editor as Varnel writes it and as its menus and named patterns offer it, and writes it for
// PCRE2:
//
//   {x}  tagged expression (a capturing group)     (x)   grouping
//   ~(x) prevents a match of x here                \1-\9 the text a tagged expression matched
//   * +  greedy repetitions                        @ #   lazy zero or more, lazy one or more
//   x^n  n times                                   |     or
//   ^ $  beginning and end of a line               < >   beginning and end of a word
//   .    any character but a line break            [ ]   a set, [^ ] its complement
//   \t   tab                                       \n    line break (CR LF, LF or CR)
//   \c   c itself for any other c
//
// and the classes, which a set may hold too where they stand for one character:
//
//   :Zs  space separator (Unicode)    :b   space or tab          :Wh  whitespace
//   :Lu  uppercase letter             :Ll  lowercase letter      :Al  letter
//   :c   ASCII letter                 :a   ASCII letter or digit :Nu  digit
//   :Pu  punctuation                  :w   ASCII letters         :i   C/C++ identifier
//   :q   quoted string                :z   integer (digits)      :h   hexadecimal digits
//   :n   rational number
//
// Whitespace, letters, digits, punctuation and word characters follow the global locale, as the
// language's named patterns classify them. A back reference must refer to a tagged expression
// closed before it.

#include "varnel/replace/PatternWriter.h"

namespace varnel {

Translation translate_visual_studio(const std::wstring& regex);

} // namespace varnel
