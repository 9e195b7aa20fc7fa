#include "varnel/languages/JavaScriptSyntax.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/languages/FormatText.h"
#include "varnel/languages/PerlFamilyReader.h"

namespace varnel {

std::optional<RegexError> JavaScriptSyntax::read_regex(const std::wstring& regex,
                                                       IRegexBuilder& builder) const {
    static const PerlFlavour flavour{
        .dialect = PerlFlavour::Dialect::JavaScript,
        .classes =
            PerlFlavour::Classes{.digit = ranges_set({{'0', '9'}}),
                                 .space = with_unicode_spaces({{'\t', '\r'}, {0xFEFF, 0xFEFF}}),
                                 .word =
                                     ranges_set({{'0', '9'}, {'A', 'Z'}, {'_', '_'}, {'a', 'z'}})},
        .dot = not_line_terminator(),
        .dollar = IRegexBuilder::Assertion::TextEnd,
        .literal_bracket_first = false,
        .literal_brace = false,
        .open_minimum = false,
        .possessive = false,
        .repeatable_lookaround = false};
    return read_perl_family_regex(regex, flavour, builder);
}

FormatRead JavaScriptSyntax::read_format(const std::wstring& format,
                                         const RegexGroups& groups) const {
    std::vector<FormatPiece> pieces;
    const auto group = [&](unsigned number) { return number >= 1 && number <= groups.count; };
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t begin = i;
        const wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        const wchar_t after = i + 2 < format.size() ? format[i + 2] : L'\0';
        const unsigned one = static_cast<unsigned>(next - L'0');
        const unsigned two = one * 10 + static_cast<unsigned>(after - L'0');
        const std::size_t close =
            next == L'<' && !groups.names.empty() ? format.find(L'>', i) : std::wstring::npos;
        if (format[i] != L'$') {
            append_format_text(pieces, format[i++]);
        } else if (next == L'$') {
            append_format_text(pieces, L'$');
            i += 2;
        } else if (is_ascii_digit(next) && is_ascii_digit(after) && group(two)) {
            pieces.push_back({FormatPiece::Group, {}, two, begin});
            i += 3;
        } else if (is_ascii_digit(next) && group(one)) {
            pieces.push_back({FormatPiece::Group, {}, one, begin});
            i += 2;
        } else if (const std::optional<FormatPiece> piece =
                       match_piece(next, FormatPiece::Prefix, begin)) {
            pieces.push_back(*piece);
            i += 2;
        } else if (close != std::wstring::npos) {
            // A name no group has stands for nothing.
            if (const auto number = groups.number_of(format.substr(i + 2, close - i - 2))) {
                pieces.push_back({FormatPiece::Group, {}, *number, begin});
            }
            i = close + 1;
        } else {
            append_format_text(pieces, format[i++]);
        }
    }
    return pieces;
}

} // namespace varnel
