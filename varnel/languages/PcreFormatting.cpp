#include "varnel/languages/PcreFormatting.h"

#include "varnel/languages/CharacterClasses.h"
#include "varnel/languages/CodeQuoting.h"

#include <algorithm>
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

// The format as Perl's double-quoted replacement reads it: each back reference as "$1", and
// "\E" (which ends nothing here) between it and a digit, "[", "{" or "->" after it. Perl would
// read on into "$12", guess a subscript in "$1[" or "${1}[", and under "strict refs" takes some
// "${10}" for a reference to a variable named "10".
std::wstring perl_format(const std::wstring& format) {
    const auto digits_end = [&](std::size_t from) {
        while (from < format.size() && format[from] >= L'0' && format[from] <= L'9') {
            ++from;
        }
        return from;
    };
    std::wstring result;
    for (std::size_t i = 0; i < format.size();) {
        const bool braced = format.compare(i, 2, L"${") == 0;
        const std::size_t first = i + (braced ? 2 : 1);
        std::size_t end = digits_end(first);
        const bool reference = format[i] == L'$' && end > first &&
                               (!braced || (end < format.size() && format[end] == L'}'));
        if (!reference) {
            end = format[i] == L'\\' ? std::min(format.size(), i + 2) : i + 1;
            result += format.substr(i, end - i);
            i = end;
            continue;
        }
        result += L"$" + format.substr(first, end - first);
        end += braced ? 1 : 0;
        if (end < format.size() && (digits_end(end) > end || format[end] == L'[' ||
                                    format[end] == L'{' || format.compare(end, 2, L"->") == 0)) {
            result += L"\\E";
        }
        i = end;
    }
    return result;
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
    const std::wstring substitution =
        L"s/" + perl_half(regex) + L"/" + perl_half(perl_format(format)) + L"/ga";
    return L"perl -CSD -Mutf8 -lpe " + shell_quote(substitution) + shell_arguments(files);
}

} // namespace varnel
