#include "varnel/languages/ECMAScriptSyntax.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"
#include "varnel/languages/BracketReader.h"
#include "varnel/languages/FormatText.h"

#include <algorithm>

namespace varnel {

namespace {

using Group = IRegexBuilder::Group;
using Assertion = IRegexBuilder::Assertion;
using Item = CharSet::Item;
using Step = std::optional<RegexError>;

struct Escape {
    enum Kind { Unit, Class, WordBoundary, NotWordBoundary, BackReference };
    Kind kind;
    char16_t unit;
    Item item; // Class
    unsigned number;

    static Escape of(Kind kind) { return {kind, 0, {}, 0}; }
    static Escape of_unit(wchar_t unit) { return {Unit, static_cast<char16_t>(unit), {}, 0}; }
    static Escape of_class(Item item) { return {Class, 0, item, 0}; }
    static Escape of_back_reference(unsigned number) { return {BackReference, 0, {}, number}; }
};

class Reader {
public:
    Reader(const std::wstring& regex, IRegexBuilder& builder) : regex(regex), builder(builder) {}

    Step read() &&;

private:
    bool at(wchar_t c) const { return i < regex.size() && regex[i] == c; }
    std::optional<unsigned long> read_number();
    std::variant<Escape, RegexError> read_escape(bool in_bracket);
    Step read_escape_outside();
    Step read_group();
    BracketRead read_bracket_member();
    Step read_interval();
    Step read_quantifier(IRegexBuilder::Repeat repeat, std::size_t begin);

    const std::wstring& regex;
    IRegexBuilder& builder;
    std::size_t i = 0;
};

Step Reader::read() && {
    while (i < regex.size()) {
        const std::size_t begin = i;
        const wchar_t c = regex[i];
        Step step;
        switch (c) {
        case L'\\':
            step = read_escape_outside();
            break;
        case L'(':
            step = read_group();
            break;
        case L')':
            if (!builder.innermost_group()) {
                return RegexError{L"unmatched )", begin};
            }
            builder.close_group(begin);
            ++i;
            break;
        case L'[':
            step = read_bracket(regex, i, builder, [this] { return read_bracket_member(); });
            break;
        case L'{':
            step = read_interval();
            break;
        case L'*':
        case L'+':
        case L'?':
            ++i;
            step = read_quantifier(
                {c == L'+' ? 1ul : 0ul, c == L'?' ? std::optional<unsigned long>(1) : std::nullopt},
                begin);
            break;
        case L'|':
            builder.alternative(begin);
            ++i;
            break;
        case L'.':
            builder.set(ECMAScriptSyntax::dot(), begin);
            ++i;
            break;
        case L'^':
        case L'$':
            builder.assertion(c == L'^' ? Assertion::TextStart : Assertion::TextEnd, begin);
            ++i;
            break;
        default:
            builder.literal(static_cast<char16_t>(c), begin);
            ++i;
        }
        if (step) {
            return step;
        }
    }
    if (const auto open = builder.innermost_group()) {
        return RegexError{L"missing )", open->offset};
    }
    return std::nullopt;
}

// Decimal digits; numbers beyond what an engine takes are kept large enough for it to refuse.
std::optional<unsigned long> Reader::read_number() {
    if (i >= regex.size() || !is_ascii_digit(regex[i])) {
        return std::nullopt;
    }
    unsigned long number = 0;
    for (; i < regex.size() && is_ascii_digit(regex[i]); ++i) {
        number = std::min(number * 10 + static_cast<unsigned long>(regex[i] - L'0'), 10000000ul);
    }
    return number;
}

std::variant<Escape, RegexError> Reader::read_escape(bool in_bracket) {
    const std::size_t begin = i;
    if (i + 1 >= regex.size()) {
        return RegexError{L"\\ at the end of the regular expression", begin};
    }
    const wchar_t c = regex[i + 1];
    i += 2;
    const auto unit = Escape::of_unit;
    switch (c) {
    case L'0':
        return unit(L'\0');
    case L'f':
        return unit(L'\f');
    case L'n':
        return unit(L'\n');
    case L'r':
        return unit(L'\r');
    case L't':
        return unit(L'\t');
    case L'v':
        return unit(L'\v');
    case L'b':
        return in_bracket ? unit(L'\b') : Escape::of(Escape::WordBoundary);
    case L'B':
        if (in_bracket) {
            return RegexError{L"\\B cannot stand inside [ ]", begin};
        }
        return Escape::of(Escape::NotWordBoundary);
    case L'd':
    case L'D':
    case L's':
    case L'S':
    case L'w':
    case L'W': {
        const bool complement = c == L'D' || c == L'S' || c == L'W';
        const wchar_t name = complement ? c - L'A' + L'a' : c;
        const std::optional<LocaleClass> named = locale_class_named(std::wstring_view(&name, 1));
        DBC_CHECK(named);
        return Escape::of_class(Item::of_class(*named, complement));
    }
    case L'c':
        if (i >= regex.size() || !is_ascii_letter(regex[i])) {
            return RegexError{L"\\c must be followed by a letter", begin};
        }
        return unit(regex[i++] % 32);
    case L'x':
    case L'u': {
        const std::size_t digits = c == L'x' ? 2 : 4;
        unsigned value = 0;
        for (std::size_t n = 0; n < digits; ++n, ++i) {
            if (i >= regex.size() || hex_digit_value(regex[i]) < 0) {
                return RegexError{c == L'x' ? L"\\x must be followed by two hexadecimal digits"
                                            : L"\\u must be followed by four hexadecimal digits",
                                  begin};
            }
            value = value * 16 + static_cast<unsigned>(hex_digit_value(regex[i]));
        }
        return unit(static_cast<wchar_t>(value));
    }
    default:
        if (!is_ascii_digit(c)) {
            return unit(c);
        }
        if (in_bracket) {
            return RegexError{L"a back reference cannot stand inside [ ]", begin};
        }
        --i; // all the digits make the number, the first included
        return Escape::of_back_reference(static_cast<unsigned>(*read_number()));
    }
}

Step Reader::read_escape_outside() {
    const std::size_t begin = i;
    const std::variant<Escape, RegexError> read = read_escape(false);
    if (const auto* error = std::get_if<RegexError>(&read)) {
        return *error;
    }
    const Escape& escape = std::get<Escape>(read);
    switch (escape.kind) {
    case Escape::Unit:
        builder.literal(escape.unit, begin);
        break;
    case Escape::Class:
        builder.one_of(escape.item.locale_class, escape.item.kind == Item::ClassComplement, begin);
        break;
    case Escape::WordBoundary:
        builder.assertion(Assertion::WordBoundary, begin);
        break;
    case Escape::NotWordBoundary:
        builder.assertion(Assertion::NotWordBoundary, begin);
        break;
    case Escape::BackReference:
        if (!builder.back_reference(escape.number, begin)) {
            return RegexError{L"a back reference must refer to a group closed before it", begin};
        }
        break;
    }
    return std::nullopt;
}

Step Reader::read_group() {
    const std::size_t begin = i;
    if (i + 1 < regex.size() && regex[i + 1] == L'?') {
        const wchar_t kind = i + 2 < regex.size() ? regex[i + 2] : L'\0';
        if (kind != L':' && kind != L'=' && kind != L'!') {
            return RegexError{L"(? must be followed by :, = or !", begin};
        }
        builder.open_group(kind == L':'   ? Group::NonCapturing
                           : kind == L'=' ? Group::Lookahead
                                          : Group::NegativeLookahead,
                           begin);
        i += 3;
    } else {
        builder.open_group(Group::Capturing, begin);
        ++i;
    }
    return std::nullopt;
}

BracketRead Reader::read_bracket_member() {
    const std::size_t begin = i;
    const wchar_t c = regex[i];
    const wchar_t next = i + 1 < regex.size() ? regex[i + 1] : L'\0';
    if (c == L'[' && (next == L':' || next == L'.' || next == L'=')) {
        return read_bracket_class(regex, i);
    }
    if (c != L'\\') {
        ++i;
        return BracketMember::of_unit(static_cast<char16_t>(c), begin);
    }
    const std::variant<Escape, RegexError> read = read_escape(true);
    if (const auto* error = std::get_if<RegexError>(&read)) {
        return *error;
    }
    const Escape& escape = std::get<Escape>(read);
    DBC_CHECK(escape.kind == Escape::Unit || escape.kind == Escape::Class);
    if (escape.kind == Escape::Class) {
        return BracketMember::of_class({escape.item}, begin);
    }
    return BracketMember::of_unit(escape.unit, begin);
}

Step Reader::read_interval() {
    const std::size_t begin = i++;
    const std::optional<unsigned long> min = read_number();
    if (!min) {
        return RegexError{L"{ must be followed by a number", begin};
    }
    IRegexBuilder::Repeat repeat{*min, *min};
    if (at(L',')) {
        ++i;
        repeat.max = read_number();
        if (repeat.max && *repeat.max < *min) {
            return RegexError{L"numbers out of order in { }", begin};
        }
    }
    if (!at(L'}')) {
        return RegexError{L"missing }", begin};
    }
    ++i;
    return read_quantifier(repeat, begin);
}

Step Reader::read_quantifier(IRegexBuilder::Repeat repeat, std::size_t begin) {
    if (at(L'?')) {
        repeat.lazy = true;
        ++i;
    }
    if (!builder.repeat(repeat, begin)) {
        return RegexError{L"nothing to repeat", begin};
    }
    return std::nullopt;
}

} // namespace

const CharSet& ECMAScriptSyntax::dot() {
    static const CharSet not_line_terminator{
        true, {Item::range(U'\n', U'\n'), Item::range(U'\r', U'\r'), Item::range(0x2028, 0x2029)}};
    return not_line_terminator;
}

std::optional<RegexError> ECMAScriptSyntax::read_regex(const std::wstring& regex,
                                                       IRegexBuilder& builder) const {
    return Reader(regex, builder).read();
}

std::vector<FormatPiece> ECMAScriptSyntax::read_format(const std::wstring& format) const {
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
        } else if (next == L'&' || next == L'`' || next == L'\'') {
            pieces.push_back({next == L'&'   ? FormatPiece::Group
                              : next == L'`' ? FormatPiece::Before
                                             : FormatPiece::After,
                              {},
                              0,
                              begin});
            i += 2;
        } else {
            append_format_text(pieces, format[i++]);
        }
    }
    return pieces;
}

} // namespace varnel
