#include "varnel/languages/PcreFormatting.h"

#include "varnel/languages/CharacterClasses.h"
#include "varnel/languages/CodeQuoting.h"

#include <cwchar>

namespace varnel {

namespace {

// One half of s/.../.../ for Perl: "@name" and "/" escaped, line breaks as "\n" and "\r" (Perl
// reads a carriage return and line feed in its source as a line feed alone), and a first character
// beyond ASCII as "\x{...}" (Perl refuses a delimiter that a combining mark after it joins into
// one grapheme).
std::wstring perl_half(const std::wstring& text) {
    std::wstring half = escape_line_breaks(escape_unescaped(text, L"/@"));
    if (half.empty() || static_cast<unsigned>(half[0]) < 0x80) {
        return half;
    }
    const bool pair = half.size() > 1 && half[0] >= 0xD800 && half[0] <= 0xDBFF &&
                      half[1] >= 0xDC00 && half[1] <= 0xDFFF;
    const unsigned code = pair ? 0x10000 + ((static_cast<unsigned>(half[0]) - 0xD800) << 10) +
                                     (static_cast<unsigned>(half[1]) - 0xDC00)
                               : static_cast<unsigned>(half[0]);
    wchar_t escaped[16];
    std::swprintf(escaped, 16, L"\\x{%X}", code);
    return escaped + half.substr(pair ? 2 : 1);
}

} // namespace

PcreFormatting::PcreFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|",
                       {FormatSyntax::References::Braced, L'$', L'\\', L"\\$", 0}) {}

std::wstring PcreFormatting::one_of(CharacterClass kind) const {
    return unicode_property_class(kind);
}

std::optional<std::wstring> PcreFormatting::code(const std::wstring& regex,
                                                 const std::wstring& format,
                                                 const std::vector<std::wstring>& files) const {
    // Perl interpolates "@name" in both halves and ends each at "/". -CSD and utf8 read the files
    // and the program as UTF-8 characters, /a keeps \d, \w, \s and the POSIX classes in ASCII as
    // PCRE2 does, and -l keeps the line ending out of the text the regex sees.
    const std::wstring substitution = L"s/" + perl_half(regex) + L"/" + perl_half(format) + L"/ga";
    return L"perl -CSD -Mutf8 -lpe " + shell_quote(substitution) + shell_arguments(files);
}

} // namespace varnel
