#include "varnel/languages/PcreSyntax.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/languages/FormatText.h"
#include "varnel/languages/PerlFamilyReader.h"

namespace varnel {

namespace {

bool is_octal_digit(wchar_t c) {
    return c >= L'0' && c <= L'7';
}

// Reads a number at i in the format's base, at most most digits, and leaves i after them.
unsigned long read_digits(const std::wstring& format, std::size_t& i, unsigned base,
                          std::size_t most) {
    unsigned long value = 0;
    for (std::size_t n = 0; n < most && i < format.size(); ++n, ++i) {
        const int digit = base == 16 ? hex_digit_value(format[i])
                                     : (is_ascii_digit(format[i]) &&
                                                static_cast<unsigned>(format[i] - L'0') < base
                                            ? format[i] - L'0'
                                            : -1);
        if (digit < 0) {
            break;
        }
        value = std::min(value * base + static_cast<unsigned long>(digit), 0x110000ul);
    }
    return value;
}

// A group reference, or nothing for a group the regex lacks, as Perl leaves it empty.
void append_group(std::vector<FormatPiece>& pieces, unsigned long number, std::size_t offset,
                  const RegexGroups& groups) {
    if (number <= groups.count) {
        pieces.push_back({FormatPiece::Group, {}, static_cast<unsigned>(number), offset});
    }
}

void append_code_point(std::vector<FormatPiece>& pieces, unsigned long code_point) {
    if (code_point > 0xFFFF) {
        append_format_text(pieces, static_cast<wchar_t>(0xD7C0 + (code_point >> 10)));
        append_format_text(pieces, static_cast<wchar_t>(0xDC00 + (code_point & 0x3FF)));
    } else {
        append_format_text(pieces, static_cast<wchar_t>(code_point));
    }
}

} // namespace

std::optional<RegexError> PcreSyntax::read_regex(const std::wstring& regex,
                                                 IRegexBuilder& builder) const {
    static const PerlFlavour flavour{
        .dialect = PerlFlavour::Dialect::Perl,
        .classes = PerlFlavour::Classes{.digit = ranges_set({{'0', '9'}}),
                                        .space = ranges_set({{'\t', '\r'}, {' ', ' '}}),
                                        .word = ranges_set(
                                            {{'0', '9'}, {'A', 'Z'}, {'_', '_'}, {'a', 'z'}})},
        .posix_classes = PerlFlavour::PosixClasses::Ascii};
    return read_perl_family_regex(regex, flavour, builder);
}

FormatRead PcreSyntax::read_format(const std::wstring& format, const RegexGroups& groups) const {
    std::vector<FormatPiece> pieces;
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t begin = i;
        const wchar_t c = format[i++];
        const wchar_t next = i < format.size() ? format[i] : L'\0';
        if (c == L'$') {
            const bool braced = next == L'{';
            std::size_t end = i + (braced ? 1 : 0);
            const std::size_t digits = end;
            const unsigned long number = read_digits(format, end, 10, 8);
            if (const std::optional<FormatPiece> piece =
                    match_piece(next, FormatPiece::Prefix, begin)) {
                if (i + 1 < format.size() && (format[i + 1] == L'{' || format[i + 1] == L'[')) {
                    return RegexError{L"Perl would read a subscript after " +
                                          format.substr(begin, 2) + L"; write \\" +
                                          format.substr(i + 1, 1),
                                      begin};
                }
                pieces.push_back(*piece);
                ++i;
            } else if (end > digits && number != 0 &&
                       (!braced || format.compare(end, 1, L"}") == 0)) {
                append_group(pieces, number, begin, groups);
                i = end + (braced ? 1 : 0);
            } else {
                return RegexError{L"a $ that reads a Perl variable; write \\$ for a dollar", begin};
            }
            continue;
        }
        if (c != L'\\') {
            append_format_text(pieces, c);
            continue;
        }
        if (i == format.size()) {
            return RegexError{L"\\ at the end of the format", begin};
        }
        ++i;
        static const std::wstring_view escapes = L"n\nt\tr\rf\fe\x1B"
                                                 L"a\ab\b";
        if (const std::size_t escape = escapes.find(next);
            escape != std::wstring_view::npos && escape % 2 == 0 && is_ascii_letter(next)) {
            append_format_text(pieces, escapes[escape + 1]);
        } else if (is_ascii_digit(next) && next != L'0' &&
                   !(i < format.size() && is_ascii_digit(format[i]))) {
            append_group(pieces, static_cast<unsigned long>(next - L'0'), begin, groups);
        } else if (is_octal_digit(next)) {
            --i;
            append_code_point(pieces, read_digits(format, i, 8, 3));
        } else if (next == L'x') {
            const bool braced = i < format.size() && format[i] == L'{';
            i += braced ? 1 : 0;
            const unsigned long code_point = read_digits(format, i, 16, braced ? 8 : 2);
            if (braced && (format.compare(i++, 1, L"}") != 0 || code_point > 0x10FFFF)) {
                return RegexError{L"\\x{...} must hold a code point in hexadecimal", begin};
            }
            append_code_point(pieces, code_point);
        } else if (next == L'c' && i < format.size() && is_ascii_letter(format[i])) {
            append_format_text(pieces, static_cast<wchar_t>((format[i++] & ~0x20) ^ 0x40));
        } else if (next == L'E') {
            // Ends a case change or a quotation, of which Varnel reads none.
        } else if (std::wstring_view(L"ULulFQNc").find(next) != std::wstring_view::npos ||
                   is_ascii_digit(next)) {
            return RegexError{L"\\" + std::wstring(1, next) + L" is not supported in a format",
                              begin};
        } else {
            append_format_text(pieces, next);
        }
    }
    return pieces;
}

} // namespace varnel
