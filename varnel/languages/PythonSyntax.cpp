#include "varnel/languages/PythonSyntax.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/languages/FormatText.h"
#include "varnel/languages/PerlFamilyReader.h"

#include <algorithm>

namespace varnel {

namespace {

bool is_octal_digit(wchar_t c) {
    return c >= L'0' && c <= L'7';
}

// The group \g<...> names, and i after it; i at the "g".
std::variant<unsigned, RegexError> read_group_name(const std::wstring& format, std::size_t& i,
                                                   const RegexGroups& groups) {
    const std::size_t begin = i - 1;
    if (format.compare(i + 1, 1, L"<") != 0) {
        return RegexError{L"missing < after \\g", begin};
    }
    const std::size_t close = format.find(L'>', i + 2);
    if (close == std::wstring::npos) {
        return RegexError{L"missing > after \\g<", begin};
    }
    const std::wstring name = format.substr(i + 2, close - i - 2);
    i = close + 1;
    if (name.empty()) {
        return RegexError{L"missing group name after \\g<", begin};
    }
    if (std::all_of(name.begin(), name.end(), [](wchar_t c) { return is_ascii_digit(c); })) {
        return static_cast<unsigned>(std::min(std::stoul(name), 100000ul));
    }
    if (const auto number = groups.number_of(name)) {
        return *number;
    }
    return RegexError{L"no group is named " + name, begin};
}

} // namespace

std::optional<RegexError> PythonSyntax::read_regex(const std::wstring& regex,
                                                   IRegexBuilder& builder) const {
    static const PerlFlavour flavour{
        .dialect = PerlFlavour::Dialect::Python,
        .classes = PerlFlavour::Classes{
            .digit = CharSet{false, {CharSet::Item::of_property("Nd", false)}},
            // What str.isspace() calls white space.
            .space = with_unicode_spaces({{'\t', '\r'}, {0x1C, 0x1F}, {0x85, 0x85}}),
            .word = CharSet{false, {CharSet::Item::of_property("Xwd", false)}}}};
    return read_perl_family_regex(regex, flavour, builder);
}

FormatRead PythonSyntax::read_format(const std::wstring& format, const RegexGroups& groups) const {
    static const std::wstring_view escapes = L"a\ab\bf\fn\nr\rt\tv\v\\\\";
    std::vector<FormatPiece> pieces;
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t begin = i;
        if (format[i] != L'\\') {
            append_format_text(pieces, format[i++]);
            continue;
        }
        if (++i == format.size()) {
            return RegexError{L"\\ at the end of the format", begin};
        }
        const wchar_t c = format[i];
        const auto octal_at = [&](std::size_t at) {
            return at < format.size() && is_octal_digit(format[at]);
        };
        if (c == L'g') {
            const std::variant<unsigned, RegexError> number = read_group_name(format, i, groups);
            if (const auto* error = std::get_if<RegexError>(&number)) {
                return *error;
            }
            pieces.push_back({FormatPiece::Group, {}, std::get<unsigned>(number), begin});
        } else if (c == L'0' || (octal_at(i) && octal_at(i + 1) && octal_at(i + 2))) {
            // Octal: "\0" and up to two more digits, or three digits.
            unsigned value = 0;
            const std::size_t most = i + 3;
            for (; i < most && octal_at(i); ++i) {
                value = value * 8 + static_cast<unsigned>(format[i] - L'0');
            }
            if (c != L'0' && value > 0377) {
                return RegexError{L"an octal escape must be at most \\377", begin};
            }
            append_format_text(pieces, static_cast<wchar_t>(value & 0xFF));
        } else if (is_ascii_digit(c)) {
            unsigned number = static_cast<unsigned>(c - L'0');
            if (++i < format.size() && is_ascii_digit(format[i])) {
                number = number * 10 + static_cast<unsigned>(format[i++] - L'0');
            }
            pieces.push_back({FormatPiece::Group, {}, number, begin});
        } else if (const std::size_t escape = escapes.find(c);
                   escape != std::wstring_view::npos && escape % 2 == 0) {
            append_format_text(pieces, escapes[escape + 1]);
            ++i;
        } else if (is_ascii_letter(c)) {
            return RegexError{L"\\" + std::wstring(1, c) + L" is no escape", begin};
        } else {
            append_format_text(pieces, L'\\');
            append_format_text(pieces, format[i++]);
        }
    }
    return pieces;
}

} // namespace varnel
