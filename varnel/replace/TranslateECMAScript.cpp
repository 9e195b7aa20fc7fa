#include "varnel/replace/TranslateECMAScript.h"

#include "varnel/common/DBC.h"
#include "varnel/replace/BracketItems.h"

namespace varnel {

namespace {

using Group = PatternWriter::Group;
using Step = std::optional<RegexError>;

bool is_digit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool is_ascii_letter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

int hex_value(wchar_t c) {
    if (is_digit(c)) {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

// Line terminators, which "." does not match.
const CodeUnitRanges line_terminators = {{u'\n', u'\n'}, {u'\r', u'\r'}, {u'\x2028', u'\x2029'}};

struct Escape {
    enum Kind { Unit, Class, WordBoundary, NotWordBoundary, BackReference };
    Kind kind;
    char16_t unit;
    CodeUnitRanges ranges;
    unsigned number;

    static Escape of(Kind kind) { return {kind, 0, {}, 0}; }
    static Escape of_unit(wchar_t unit) { return {Unit, static_cast<char16_t>(unit), {}, 0}; }
    static Escape of_class(CodeUnitRanges ranges) { return {Class, 0, std::move(ranges), 0}; }
    static Escape of_back_reference(unsigned number) { return {BackReference, 0, {}, number}; }
};

class Reader {
public:
    explicit Reader(const std::wstring& regex) : regex(regex) {}

    Translation read() &&;

private:
    bool at(wchar_t c) const { return i < regex.size() && regex[i] == c; }
    std::optional<unsigned long> read_number();
    std::variant<Escape, RegexError> read_escape(bool in_bracket);
    Step read_escape_outside();
    Step read_group();
    BracketRead read_bracket_member();
    Step read_interval();
    Step read_quantifier(std::u16string quantifier, std::size_t begin);

    const std::wstring& regex;
    std::size_t i = 0;
    PatternWriter writer;
};

Translation Reader::read() && {
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
            if (!writer.innermost_group()) {
                return RegexError{L"unmatched )", begin};
            }
            writer.close_group(begin);
            ++i;
            break;
        case L'[':
            step = write_bracket(regex, i, writer, [this] { return read_bracket_member(); });
            break;
        case L'{':
            step = read_interval();
            break;
        case L'*':
        case L'+':
        case L'?':
            ++i;
            step = read_quantifier(std::u16string(1, static_cast<char16_t>(c)), begin);
            break;
        case L'|':
            writer.alternative(begin);
            ++i;
            break;
        case L'.':
            writer.atom(pcre2_class(line_terminators, true), begin);
            ++i;
            break;
        case L'^':
        case L'$':
            writer.assertion(std::u16string(1, static_cast<char16_t>(c)), begin);
            ++i;
            break;
        default:
            writer.literal(static_cast<char16_t>(c), begin);
            ++i;
        }
        if (step) {
            return *step;
        }
    }
    if (const auto open = writer.innermost_group()) {
        return RegexError{L"missing )", open->offset};
    }
    return std::move(writer).finish(false);
}

// Decimal digits; numbers beyond what PCRE2 takes are kept large enough for PCRE2 to refuse.
std::optional<unsigned long> Reader::read_number() {
    if (i >= regex.size() || !is_digit(regex[i])) {
        return std::nullopt;
    }
    unsigned long number = 0;
    for (; i < regex.size() && is_digit(regex[i]); ++i) {
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
        const bool negated = c == L'D' || c == L'S' || c == L'W';
        const std::optional<CodeUnitRanges> ranges =
            locale_class(std::wstring(1, negated ? c - L'A' + L'a' : c));
        DBC_CHECK(ranges);
        return Escape::of_class(negated ? complement(*ranges) : *ranges);
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
            if (i >= regex.size() || hex_value(regex[i]) < 0) {
                return RegexError{c == L'x' ? L"\\x must be followed by two hexadecimal digits"
                                            : L"\\u must be followed by four hexadecimal digits",
                                  begin};
            }
            value = value * 16 + static_cast<unsigned>(hex_value(regex[i]));
        }
        return unit(static_cast<wchar_t>(value));
    }
    default:
        if (!is_digit(c)) {
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
        writer.literal(escape.unit, begin);
        break;
    case Escape::Class:
        writer.atom(pcre2_class(escape.ranges, false), begin);
        break;
    case Escape::WordBoundary:
        writer.assertion(pcre2_word_edge(WordEdge::Boundary), begin);
        break;
    case Escape::NotWordBoundary:
        writer.assertion(pcre2_word_edge(WordEdge::NotBoundary), begin);
        break;
    case Escape::BackReference:
        if (!writer.back_reference(escape.number, begin)) {
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
        writer.open_group(kind == L':'   ? Group::NonCapturing
                          : kind == L'=' ? Group::Lookahead
                                         : Group::NegativeLookahead,
                          begin);
        i += 3;
    } else {
        writer.open_group(Group::Capturing, begin);
        ++i;
    }
    return std::nullopt;
}

BracketRead Reader::read_bracket_member() {
    const std::size_t begin = i;
    const wchar_t c = regex[i];
    const wchar_t next = i + 1 < regex.size() ? regex[i + 1] : L'\0';
    if (c == L'[' && (next == L':' || next == L'.' || next == L'=')) {
        const std::size_t close = regex.find(std::wstring{next, L']'}, i + 2);
        if (next != L':') {
            return RegexError{L"collating elements and equivalence classes are not supported",
                              begin};
        }
        if (close == std::wstring::npos) {
            return RegexError{L"missing :]", begin};
        }
        const std::optional<CodeUnitRanges> ranges =
            locale_class(regex.substr(i + 2, close - i - 2));
        if (!ranges) {
            return RegexError{L"unknown class " + regex.substr(i, close + 2 - i), begin};
        }
        i = close + 2;
        return BracketToken::of_class(pcre2_class_items(*ranges), begin);
    }
    if (c != L'\\') {
        ++i;
        return BracketToken::of_unit(static_cast<char16_t>(c), begin);
    }
    const std::variant<Escape, RegexError> read = read_escape(true);
    if (const auto* error = std::get_if<RegexError>(&read)) {
        return *error;
    }
    const Escape& escape = std::get<Escape>(read);
    DBC_CHECK(escape.kind == Escape::Unit || escape.kind == Escape::Class);
    if (escape.kind == Escape::Class) {
        return BracketToken::of_class(pcre2_class_items(escape.ranges), begin);
    }
    return BracketToken::of_unit(escape.unit, begin);
}

Step Reader::read_interval() {
    const std::size_t begin = i++;
    const std::optional<unsigned long> min = read_number();
    if (!min) {
        return RegexError{L"{ must be followed by a number", begin};
    }
    std::u16string quantifier = u"{";
    quantifier += pcre2_number(*min);
    if (at(L',')) {
        ++i;
        quantifier += u',';
        if (const std::optional<unsigned long> max = read_number()) {
            if (*max < *min) {
                return RegexError{L"numbers out of order in { }", begin};
            }
            quantifier += pcre2_number(*max);
        }
    }
    if (!at(L'}')) {
        return RegexError{L"missing }", begin};
    }
    ++i;
    return read_quantifier(quantifier + u"}", begin);
}

Step Reader::read_quantifier(std::u16string quantifier, std::size_t begin) {
    if (at(L'?')) {
        quantifier += u'?';
        ++i;
    }
    if (!writer.quantifier(quantifier, begin)) {
        return RegexError{L"nothing to repeat", begin};
    }
    return std::nullopt;
}

} // namespace

Translation translate_ecmascript(const std::wstring& regex) {
    return Reader(regex).read();
}

} // namespace varnel
