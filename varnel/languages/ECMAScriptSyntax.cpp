#include "varnel/languages/ECMAScriptSyntax.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/languages/FormatText.h"
#include "varnel/languages/PerlFamilyReader.h"

namespace varnel {

const CharSet& ECMAScriptSyntax::dot() {
    static const CharSet not_a_line_terminator = not_line_terminator();
    return not_a_line_terminator;
}

std::optional<RegexError> ECMAScriptSyntax::read_regex(const std::wstring& regex,
                                                       IRegexBuilder& builder) const {
    static const PerlFlavour flavour{.dialect = PerlFlavour::Dialect::ECMAScript,
                                     .classes = std::nullopt,
                                     .posix_classes = PerlFlavour::PosixClasses::Locale,
                                     .dot = dot(),
                                     .dollar = IRegexBuilder::Assertion::TextEnd,
                                     .literal_bracket_first = false,
                                     .stacked_quantifiers = true,
                                     .literal_brace = false,
                                     .open_minimum = false,
                                     .possessive = false,
                                     .repeatable_lookaround = false};
    return read_perl_family_regex(regex, flavour, builder);
}

FormatRead ECMAScriptSyntax::read_format(const std::wstring& format,
                                         const RegexGroups& /*groups*/) const {
    std::vector<FormatPiece> pieces;
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t begin = i;
        const wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        if (format[i] != L'$' || i + 1 == format.size()) {
            append_format_text(pieces, format[i++]);
        } else if (next == L'$') {
            append_format_text(pieces, L'$');
            i += 2;
        } else if (is_ascii_digit(next)) {
            unsigned number = static_cast<unsigned>(next - L'0');
            i += 2;
            if (i < format.size() && is_ascii_digit(format[i])) {
                number = number * 10 + static_cast<unsigned>(format[i++] - L'0');
            }
            pieces.push_back({FormatPiece::Group, {}, number, begin});
        } else if (const std::optional<FormatPiece> piece =
                       match_piece(next, FormatPiece::Before, begin)) {
            pieces.push_back(*piece);
            i += 2;
        } else {
            append_format_text(pieces, format[i++]);
        }
    }
    return pieces;
}

} // namespace varnel
