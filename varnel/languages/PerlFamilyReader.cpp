#include "varnel/languages/PerlFamilyReader.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"
#include "varnel/languages/BracketReader.h"
#include "varnel/languages/UnicodeProperty.h"

#include <algorithm>

namespace varnel {

namespace {

using Dialect = PerlFlavour::Dialect;
using Group = IRegexBuilder::Group;
using Assertion = IRegexBuilder::Assertion;
using Item = CharSet::Item;
using Step = std::optional<RegexError>;

constexpr char32_t last_code_point = 0x10FFFF;

struct Escape {
    enum Kind {
        Unit,
        Set,
        LocaleSet,
        Anchor,
        Boundary,
        BackReference,
        NamedReference,
        QuoteStart,
        QuoteEnd,
        LineBreak // Perl's \R
    };
    Kind kind;
    char32_t unit = 0;     // Unit
    CharSet set;           // Set; LocaleSet: one class item
    Assertion anchor{};    // Anchor
    bool boundary = false; // Boundary: \b rather than \B
    unsigned number = 0;   // BackReference
    std::wstring name;     // NamedReference

    static Escape of_unit(char32_t unit) { return {Unit, unit, {}, {}, false, 0, {}}; }
    static Escape of_set(CharSet set, bool complement) {
        set.negated = complement != set.negated;
        return {Set, 0, std::move(set), {}, false, 0, {}};
    }
};

// Every character outside the items, as items of a bracket expression: the set must be ranges, or
// one Unicode property.
std::vector<Item> complement_items(const std::vector<Item>& items) {
    if (items.size() == 1 &&
        (items[0].kind == Item::Property || items[0].kind == Item::PropertyComplement)) {
        return {Item::of_property(items[0].property, items[0].kind == Item::Property)};
    }
    std::vector<Item> ranges = items;
    DBC_CHECK(std::all_of(ranges.begin(), ranges.end(),
                          [](const Item& item) { return item.kind == Item::Range; }));
    std::sort(ranges.begin(), ranges.end(),
              [](const Item& a, const Item& b) { return a.first < b.first; });
    std::vector<Item> outside;
    char32_t next = 0; // the first code point not yet accounted for
    for (const Item& range : ranges) {
        if (range.first > next) {
            outside.push_back(Item::range(next, range.first - 1));
        }
        next = std::max(next, static_cast<char32_t>(range.last + 1));
    }
    if (next <= last_code_point) {
        outside.push_back(Item::range(next, last_code_point));
    }
    return outside;
}

// Perl's \v: the line feed, vertical tab, form feed, carriage return, NEL and the two Unicode
// separators.
CharSet vertical_space() {
    return ranges_set({{'\n', '\r'}, {0x85, 0x85}, {0x2028, 0x2029}});
}

// The items of a set written inside a bracket expression.
std::vector<Item> items_of(const CharSet& set) {
    return set.negated ? complement_items(set.items) : set.items;
}

std::optional<CharSet> ascii_posix_class(std::wstring_view name) {
    struct Named {
        std::wstring_view name;
        CharSet set;
    };
    static const std::vector<Named> classes = {
        {L"alpha", ranges_set({{'A', 'Z'}, {'a', 'z'}})},
        {L"digit", ranges_set({{'0', '9'}})},
        {L"alnum", ranges_set({{'0', '9'}, {'A', 'Z'}, {'a', 'z'}})},
        {L"upper", ranges_set({{'A', 'Z'}})},
        {L"lower", ranges_set({{'a', 'z'}})},
        {L"space", ranges_set({{'\t', '\r'}, {' ', ' '}})},
        {L"blank", ranges_set({{'\t', '\t'}, {' ', ' '}})},
        {L"punct", ranges_set({{'!', '/'}, {':', '@'}, {'[', '`'}, {'{', '~'}})},
        {L"cntrl", ranges_set({{0, 0x1F}, {0x7F, 0x7F}})},
        {L"graph", ranges_set({{'!', '~'}})},
        {L"print", ranges_set({{' ', '~'}})},
        {L"xdigit", ranges_set({{'0', '9'}, {'A', 'F'}, {'a', 'f'}})},
        {L"word", ranges_set({{'0', '9'}, {'A', 'Z'}, {'_', '_'}, {'a', 'z'}})},
        {L"ascii", ranges_set({{0, 0x7F}})},
    };
    const auto found = std::find_if(classes.begin(), classes.end(),
                                    [name](const Named& named) { return named.name == name; });
    return found == classes.end() ? std::nullopt : std::optional(found->set);
}

bool is_name_start(wchar_t c) {
    return is_ascii_letter(c) || c == L'_' || c >= 0x80;
}

// The names of the capturing groups of a JavaScript regex, in order, empty for a group without
// one: a back reference may come before its group.
std::vector<std::wstring> group_names(const std::wstring& regex) {
    std::vector<std::wstring> names;
    bool in_bracket = false;
    for (std::size_t i = 0; i < regex.size(); ++i) {
        const wchar_t c = regex[i];
        if (c == L'\\') {
            ++i;
        } else if (c == L'[' || c == L']') {
            in_bracket = c == L'[';
        } else if (c == L'(' && !in_bracket && regex.compare(i + 1, 1, L"?") != 0) {
            names.emplace_back();
        } else if (c == L'(' && !in_bracket && regex.compare(i + 1, 2, L"?<") == 0 &&
                   i + 3 < regex.size() && regex[i + 3] != L'=' && regex[i + 3] != L'!') {
            const std::size_t close = regex.find(L'>', i);
            names.push_back(regex.substr(i + 3, close == std::wstring::npos ? 0 : close - i - 3));
        }
    }
    return names;
}

class Reader {
public:
    Reader(const std::wstring& regex, const PerlFlavour& flavour, IRegexBuilder& builder)
        : regex(regex), flavour(flavour), builder(builder) {
        if (flavour.dialect == Dialect::JavaScript) {
            all_groups = group_names(regex);
        }
    }

    Step read() &&;

private:
    bool at(wchar_t c) const { return i < regex.size() && regex[i] == c; }
    bool dialect(Dialect d) const { return flavour.dialect == d; }
    std::optional<unsigned long> read_number();
    std::optional<unsigned long> read_hex(std::size_t most);
    std::variant<Escape, RegexError> read_escape(bool in_bracket);
    std::variant<Escape, RegexError> read_class_escape(wchar_t c);
    std::variant<Escape, RegexError> read_digits_escape(bool in_bracket, std::size_t begin);
    std::variant<Escape, RegexError> read_letter_escape(wchar_t c, bool in_bracket,
                                                        std::size_t begin);
    std::variant<Escape, RegexError> read_braced_unit(std::size_t begin);
    std::variant<std::wstring, RegexError> read_name(wchar_t close, std::size_t begin);
    Step read_escape_outside();
    Step back_reference(unsigned number, std::size_t begin);
    Step named_reference(const std::wstring& name, std::size_t begin);
    Step read_group();
    Step open_named(std::size_t begin, wchar_t close);
    BracketRead read_bracket_member();
    BracketRead read_posix_class();
    // Empty when what is at i is no repetition.
    std::optional<IRegexBuilder::Repeat> read_interval();
    Step read_quantifier(IRegexBuilder::Repeat repeat, std::size_t begin);
    void literal(char32_t unit, std::size_t offset);

    const std::wstring& regex;
    const PerlFlavour& flavour;
    IRegexBuilder& builder;
    std::size_t i = 0;
    unsigned groups = 0;
    std::vector<std::pair<std::wstring, unsigned>> names;
    // JavaScript: the names of all the groups, which back references may come before.
    std::vector<std::wstring> all_groups;
    bool after_quantifier = false;
    bool quoting = false; // between \Q and \E
    // Where the last escape of a letter ends: Perl refuses a "{" there.
    std::size_t letter_escape_end = std::wstring::npos;
    // Where the lookarounds begin that a group holds, for a quantifier to repeat.
    std::vector<std::size_t> wrapped;
};

Step Reader::read() && {
    while (i < regex.size()) {
        const std::size_t begin = i;
        const wchar_t c = regex[i];
        const std::optional<IRegexBuilder::Repeat> interval =
            c == L'{' && !quoting ? read_interval() : std::nullopt;
        const bool quantifier = !quoting && (c == L'*' || c == L'+' || c == L'?' || interval);
        if (quantifier && after_quantifier && !flavour.stacked_quantifiers) {
            return RegexError{L"a quantifier cannot follow a quantifier", begin};
        }
        after_quantifier = quantifier;
        Step step;
        if (quoting) {
            if (regex.compare(i, 2, L"\\E") == 0) {
                quoting = false;
                i += 2;
            } else {
                literal(c, begin);
                ++i;
            }
            continue;
        }
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
            if (const auto wrapper = builder.innermost_group();
                wrapper && wrapper->kind == Group::NonCapturing && !wrapped.empty() &&
                wrapper->offset == wrapped.back()) {
                builder.close_group(begin);
                wrapped.pop_back();
            }
            ++i;
            break;
        case L'[':
            step = read_bracket(
                regex, i, builder, [this] { return read_bracket_member(); },
                flavour.literal_bracket_first);
            break;
        case L'{':
            if (interval) {
                step = read_quantifier(*interval, begin);
            } else if (dialect(Dialect::Perl) && begin == letter_escape_end) {
                return RegexError{L"a { after an escape of a letter must be escaped", begin};
            } else if (flavour.literal_brace) {
                literal(c, begin);
                ++i;
            } else {
                const bool number = i + 1 < regex.size() && is_ascii_digit(regex[i + 1]);
                return RegexError{number ? L"missing }" : L"{ must be followed by a number", begin};
            }
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
            builder.set(flavour.dot, begin);
            ++i;
            break;
        case L'^':
        case L'$':
            if (c == L'$' && dialect(Dialect::Perl) && i + 1 < regex.size() &&
                (is_ascii_letter(regex[i + 1]) || is_ascii_digit(regex[i + 1]) ||
                 std::wstring_view(L"_{:").find(regex[i + 1]) != std::wstring_view::npos)) {
                return RegexError{L"a $ that Perl reads as a variable; write \\$ for a dollar",
                                  begin};
            }
            builder.assertion(c == L'^' ? Assertion::TextStart : flavour.dollar, begin);
            ++i;
            break;
        case L'}':
        case L']':
            if (dialect(Dialect::JavaScript)) {
                return RegexError{std::wstring(1, c) + L" must be escaped to stand for itself",
                                  begin};
            }
            [[fallthrough]];
        default:
            literal(c, begin);
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

void Reader::literal(char32_t unit, std::size_t offset) {
    if (unit > 0xFFFF) {
        builder.literal(static_cast<char16_t>(0xD7C0 + (unit >> 10)), offset);
        builder.literal(static_cast<char16_t>(0xDC00 + (unit & 0x3FF)), offset);
    } else {
        builder.literal(static_cast<char16_t>(unit), offset);
    }
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

// Up to most hexadecimal digits, none when there is not one.
std::optional<unsigned long> Reader::read_hex(std::size_t most) {
    unsigned long value = 0;
    std::size_t n = 0;
    for (; n < most && i < regex.size() && hex_digit_value(regex[i]) >= 0; ++n, ++i) {
        value = std::min(value * 16 + static_cast<unsigned long>(hex_digit_value(regex[i])),
                         0x1000000ul);
    }
    return n == 0 ? std::nullopt : std::optional(value);
}

std::variant<Escape, RegexError> Reader::read_escape(bool in_bracket) {
    const std::size_t begin = i;
    if (i + 1 >= regex.size()) {
        return RegexError{L"\\ at the end of the regular expression", begin};
    }
    const wchar_t c = regex[i + 1];
    i += 2;
    if (is_ascii_digit(c)) {
        --i;
        return read_digits_escape(in_bracket, begin);
    }
    if (is_ascii_letter(c)) {
        return read_letter_escape(c, in_bracket, begin);
    }
    const bool syntax = std::wstring_view(L"^$\\.*+?()[]{}|/").find(c) != std::wstring_view::npos;
    if (dialect(Dialect::JavaScript) && !syntax && !(in_bracket && c == L'-')) {
        return RegexError{L"\\" + std::wstring(1, c) + L" is no escape", begin};
    }
    return Escape::of_unit(c);
}

std::variant<Escape, RegexError> Reader::read_class_escape(wchar_t c) {
    const bool complement = c >= L'A' && c <= L'Z';
    const wchar_t name = complement ? c - L'A' + L'a' : c;
    if (!flavour.classes) {
        const std::optional<LocaleClass> named = locale_class_named(std::wstring_view(&name, 1));
        DBC_CHECK(named);
        return Escape{Escape::LocaleSet,
                      0,
                      CharSet{false, {Item::of_class(*named, complement)}},
                      {},
                      false,
                      0,
                      {}};
    }
    const PerlFlavour::Classes& classes = *flavour.classes;
    return Escape::of_set(name == L'd'   ? classes.digit
                          : name == L's' ? classes.space
                                         : classes.word,
                          complement);
}

std::variant<Escape, RegexError> Reader::read_digits_escape(bool in_bracket, std::size_t begin) {
    const auto octal = [this](std::size_t most) {
        unsigned value = 0;
        for (std::size_t n = 0;
             n < most && i < regex.size() && regex[i] >= L'0' && regex[i] <= L'7'; ++n, ++i) {
            value = value * 8 + static_cast<unsigned>(regex[i] - L'0');
        }
        return value;
    };
    const bool octal_three = i + 2 < regex.size() && regex[i] <= L'7' && regex[i + 1] >= L'0' &&
                             regex[i + 1] <= L'7' && regex[i + 2] >= L'0' && regex[i + 2] <= L'7';
    switch (flavour.dialect) {
    case Dialect::ECMAScript:
        if (regex[i] == L'0') {
            ++i;
            return Escape::of_unit(0);
        }
        break;
    case Dialect::JavaScript:
        if (regex[i] == L'0') {
            ++i;
            if (i < regex.size() && is_ascii_digit(regex[i])) {
                return RegexError{L"\\0 cannot be followed by a digit", begin};
            }
            return Escape::of_unit(0);
        }
        break;
    case Dialect::Python:
        if (regex[i] == L'0' || octal_three) {
            const unsigned value = octal(3);
            if (value > 0377) {
                return RegexError{L"an octal escape must be at most \\377", begin};
            }
            return Escape::of_unit(value);
        }
        if (in_bracket) {
            return RegexError{L"a back reference cannot stand inside [ ]", begin};
        }
        {
            unsigned number = static_cast<unsigned>(regex[i++] - L'0');
            if (i < regex.size() && is_ascii_digit(regex[i])) {
                number = number * 10 + static_cast<unsigned>(regex[i++] - L'0');
            }
            return Escape{Escape::BackReference, 0, {}, {}, false, number, {}};
        }
    case Dialect::Perl:
        if (regex[i] == L'0' || in_bracket) {
            return Escape::of_unit(octal(3));
        }
        {
            const std::size_t digits = i;
            const unsigned long number = *read_number();
            if (number >= 10 && number > groups && regex[digits] <= L'7') {
                i = digits;
                return Escape::of_unit(octal(3));
            }
            return Escape{Escape::BackReference,         0, {}, {}, false,
                          static_cast<unsigned>(number), {}};
        }
    }
    if (in_bracket) {
        return RegexError{L"a back reference cannot stand inside [ ]", begin};
    }
    return Escape{
        Escape::BackReference, 0, {}, {}, false, static_cast<unsigned>(*read_number()), {}};
}

std::variant<Escape, RegexError> Reader::read_braced_unit(std::size_t begin) {
    if (!at(L'{')) {
        return RegexError{L"missing { after " + regex.substr(begin, 2), begin};
    }
    ++i;
    const std::optional<unsigned long> value = read_hex(8);
    if (!value || !at(L'}') || *value > last_code_point) {
        return RegexError{L"a code point must be written as {hexadecimal digits} up to 10FFFF",
                          begin};
    }
    ++i;
    return Escape::of_unit(static_cast<char32_t>(*value));
}

std::variant<Escape, RegexError> Reader::read_letter_escape(wchar_t c, bool in_bracket,
                                                            std::size_t begin) {
    const auto unit = Escape::of_unit;
    const bool perl = dialect(Dialect::Perl);
    const bool python = dialect(Dialect::Python);
    const bool ecmascript = dialect(Dialect::ECMAScript) || dialect(Dialect::JavaScript);
    const auto anchor = [&](Assertion kind) -> std::variant<Escape, RegexError> {
        if (in_bracket) {
            return RegexError{regex.substr(begin, 2) + L" cannot stand inside [ ]", begin};
        }
        return Escape{Escape::Anchor, 0, {}, kind, false, 0, {}};
    };
    switch (c) {
    case L'f':
        return unit(L'\f');
    case L'n':
        return unit(L'\n');
    case L'r':
        return unit(L'\r');
    case L't':
        return unit(L'\t');
    case L'v':
        if (perl) {
            return Escape::of_set(vertical_space(), false);
        }
        return unit(L'\v');
    case L'V':
        if (perl) {
            return Escape::of_set(vertical_space(), true);
        }
        break;
    case L'R':
        if (perl && !in_bracket) {
            return Escape{Escape::LineBreak, 0, {}, {}, false, 0, {}};
        }
        break;
    case L'h':
    case L'H':
        if (perl) {
            return Escape::of_set(ranges_set({{'\t', '\t'},
                                              {' ', ' '},
                                              {0xA0, 0xA0},
                                              {0x1680, 0x1680},
                                              {0x180E, 0x180E},
                                              {0x2000, 0x200A},
                                              {0x202F, 0x202F},
                                              {0x205F, 0x205F},
                                              {0x3000, 0x3000}}),
                                  c == L'H');
        }
        break;
    case L'N':
        // "\N{2}" repeats \N.
        if (perl && (!at(L'{') || (i + 1 < regex.size() &&
                                   (is_ascii_digit(regex[i + 1]) || regex[i + 1] == L',')))) {
            return Escape::of_set(ranges_set({{'\n', '\n'}}), true);
        }
        if (perl) {
            return RegexError{L"\\N{...} is not supported; write \\x{...}", begin};
        }
        break;
    case L'a':
        if (perl || python) {
            return unit(7);
        }
        break;
    case L'e':
        if (perl) {
            return unit(27);
        }
        break;
    case L'b':
        if (in_bracket) {
            return unit(L'\b');
        }
        if (!flavour.classes) {
            return Escape{Escape::Anchor, 0, {}, Assertion::WordBoundary, false, 0, {}};
        }
        return Escape{Escape::Boundary, 0, {}, {}, true, 0, {}};
    case L'B':
        if (in_bracket) {
            return RegexError{L"\\B cannot stand inside [ ]", begin};
        }
        if (!flavour.classes) {
            return Escape{Escape::Anchor, 0, {}, Assertion::NotWordBoundary, false, 0, {}};
        }
        return Escape{Escape::Boundary, 0, {}, {}, false, 0, {}};
    case L'A':
        if (perl || python) {
            return anchor(Assertion::TextStart);
        }
        break;
    case L'z':
        if (perl) {
            return anchor(Assertion::TextEnd);
        }
        break;
    case L'Z':
        if (perl || python) {
            return anchor(perl ? Assertion::TextEndOrFinalLineFeed : Assertion::TextEnd);
        }
        break;
    case L'd':
    case L'D':
    case L's':
    case L'S':
    case L'w':
    case L'W':
        return read_class_escape(c);
    case L'c':
        if (!ecmascript && !perl) {
            break;
        }
        if (i >= regex.size() || !is_ascii_letter(regex[i])) {
            return RegexError{L"\\c must be followed by a letter", begin};
        }
        return unit(regex[i++] % 32);
    case L'o':
        if (perl) {
            if (!at(L'{')) {
                return RegexError{L"missing { after \\o", begin};
            }
            ++i;
            unsigned long value = 0;
            const std::size_t digits = i;
            for (; i < regex.size() && regex[i] >= L'0' && regex[i] <= L'7'; ++i) {
                value =
                    std::min(value * 8 + static_cast<unsigned long>(regex[i] - L'0'), 0x1000000ul);
            }
            if (i == digits || !at(L'}') || value > last_code_point) {
                return RegexError{L"\\o{...} must hold octal digits", begin};
            }
            ++i;
            return unit(static_cast<char32_t>(value));
        }
        break;
    case L'x':
        if (perl) {
            if (at(L'{')) {
                return read_braced_unit(begin);
            }
            return unit(static_cast<char32_t>(read_hex(2).value_or(0)));
        }
        {
            const std::size_t start = i;
            const std::optional<unsigned long> value = read_hex(2);
            if (!value || i - start != 2) {
                return RegexError{L"\\x must be followed by two hexadecimal digits", begin};
            }
            return unit(static_cast<char32_t>(*value));
        }
    case L'u':
    case L'U': {
        if (perl || (c == L'U' && !python)) {
            break;
        }
        if (dialect(Dialect::JavaScript) && at(L'{')) {
            return read_braced_unit(begin);
        }
        const std::size_t digits = c == L'U' ? 8 : 4;
        const std::size_t start = i;
        const std::optional<unsigned long> value = read_hex(digits);
        if (!value || i - start != digits || *value > last_code_point) {
            return RegexError{c == L'U' ? L"\\U must be followed by eight hexadecimal digits"
                                        : L"\\u must be followed by four hexadecimal digits",
                              begin};
        }
        return unit(static_cast<char32_t>(*value));
    }
    case L'p':
    case L'P':
        if (dialect(Dialect::JavaScript) || perl) {
            const std::size_t name_begin = i + 1;
            std::wstring name;
            if (perl && i < regex.size() && is_ascii_letter(regex[i])) {
                name = regex.substr(i++, 1);
            } else if (at(L'{') && regex.find(L'}', i) != std::wstring::npos) {
                const std::size_t close = regex.find(L'}', i);
                name = regex.substr(name_begin, close - name_begin);
                i = close + 1;
            } else {
                return RegexError{L"\\p must be followed by a property in { }", begin};
            }
            const std::variant<CharSet, std::wstring> set = unicode_property(name);
            if (const auto* problem = std::get_if<std::wstring>(&set)) {
                return RegexError{*problem, begin};
            }
            return Escape::of_set(std::get<CharSet>(set), c == L'P');
        }
        break;
    case L'k':
        if (!in_bracket && (dialect(Dialect::JavaScript) || perl)) {
            const wchar_t open = i < regex.size() ? regex[i] : L'\0';
            const wchar_t close = open == L'<' ? L'>' : open == L'{' ? L'}' : L'\'';
            if (open != L'<' && !(perl && (open == L'{' || open == L'\''))) {
                return RegexError{L"\\k must be followed by <name>", begin};
            }
            ++i;
            auto name = read_name(close, begin);
            if (const auto* error = std::get_if<RegexError>(&name)) {
                return *error;
            }
            return Escape{Escape::NamedReference,
                          0,
                          {},
                          {},
                          false,
                          0,
                          std::get<std::wstring>(std::move(name))};
        }
        break;
    case L'g':
        if (!in_bracket && perl) {
            const bool braced = at(L'{');
            i += braced ? 1 : 0;
            const bool relative = at(L'-');
            i += relative ? 1 : 0;
            if (const std::optional<unsigned long> number = read_number()) {
                if (braced && !at(L'}')) {
                    return RegexError{L"missing } after \\g{", begin};
                }
                i += braced ? 1 : 0;
                if (relative && *number > groups) {
                    return RegexError{L"\\g refers to a group before the first", begin};
                }
                const unsigned long absolute = relative ? groups + 1 - *number : *number;
                return Escape{Escape::BackReference,           0, {}, {}, false,
                              static_cast<unsigned>(absolute), {}};
            }
            if (braced && !relative) {
                auto name = read_name(L'}', begin);
                if (const auto* error = std::get_if<RegexError>(&name)) {
                    return *error;
                }
                return Escape{Escape::NamedReference,
                              0,
                              {},
                              {},
                              false,
                              0,
                              std::get<std::wstring>(std::move(name))};
            }
            return RegexError{L"\\g must be followed by a group number or {name}", begin};
        }
        break;
    case L'Q':
        if (perl && !in_bracket) {
            return Escape{Escape::QuoteStart, 0, {}, {}, false, 0, {}};
        }
        break;
    case L'E':
        if (perl && !in_bracket) {
            return Escape{Escape::QuoteEnd, 0, {}, {}, false, 0, {}};
        }
        break;
    default:
        break;
    }
    if (dialect(Dialect::ECMAScript)) {
        return unit(c);
    }
    return RegexError{L"\\" + std::wstring(1, c) + L" is not supported", begin};
}

// A group name up to close, and i after close.
std::variant<std::wstring, RegexError> Reader::read_name(wchar_t close, std::size_t begin) {
    const std::size_t end = regex.find(close, i);
    if (end == std::wstring::npos || end == i || !is_name_start(regex[i]) ||
        !std::all_of(regex.begin() + static_cast<std::ptrdiff_t>(i),
                     regex.begin() + static_cast<std::ptrdiff_t>(end),
                     [](wchar_t c) { return is_name_start(c) || is_ascii_digit(c); })) {
        return RegexError{L"a group name must be a letter or _ followed by letters, digits or _",
                          begin};
    }
    std::wstring name = regex.substr(i, end - i);
    i = end + 1;
    return name;
}

Step Reader::back_reference(unsigned number, std::size_t begin) {
    if (dialect(Dialect::JavaScript)) {
        if (number == 0 || number > all_groups.size()) {
            return RegexError{L"the regular expression has no group " + std::to_wstring(number),
                              begin};
        }
        builder.back_reference_or_empty(number, begin);
        return std::nullopt;
    }
    if (!builder.back_reference(number, begin)) {
        return RegexError{L"a back reference must refer to a group closed before it", begin};
    }
    return std::nullopt;
}

Step Reader::named_reference(const std::wstring& name, std::size_t begin) {
    const auto named = std::find(all_groups.begin(), all_groups.end(), name);
    if (named != all_groups.end()) {
        return back_reference(static_cast<unsigned>(named - all_groups.begin()) + 1, begin);
    }
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&name](const auto& named) { return named.first == name; });
    if (found == names.end()) {
        return RegexError{L"no group is named " + name, begin};
    }
    return back_reference(found->second, begin);
}

Step Reader::read_escape_outside() {
    const std::size_t begin = i;
    std::variant<Escape, RegexError> read = read_escape(false);
    if (begin + 1 < regex.size() && is_ascii_letter(regex[begin + 1])) {
        letter_escape_end = i;
    }
    if (const auto* error = std::get_if<RegexError>(&read)) {
        return *error;
    }
    const Escape& escape = std::get<Escape>(read);
    switch (escape.kind) {
    case Escape::Unit:
        literal(escape.unit, begin);
        break;
    case Escape::Set:
        builder.set(escape.set, begin);
        break;
    case Escape::LocaleSet:
        builder.one_of(escape.set.items[0].locale_class,
                       escape.set.items[0].kind == Item::ClassComplement, begin);
        break;
    case Escape::Anchor:
        builder.assertion(escape.anchor, begin);
        break;
    case Escape::Boundary:
        if (!escape.boundary && dialect(Dialect::Python)) {
            // Python's \B does not match in an empty text.
            builder.open_group(Group::NegativeLookahead, begin);
            builder.assertion(Assertion::TextStart, begin);
            builder.assertion(Assertion::TextEnd, begin);
            builder.close_group(begin);
        }
        builder.word_boundary(flavour.classes->word, escape.boundary, begin);
        break;
    case Escape::BackReference:
        return back_reference(escape.number, begin);
    case Escape::NamedReference:
        return named_reference(escape.name, begin);
    case Escape::QuoteStart:
        quoting = true;
        break;
    case Escape::QuoteEnd: // one that ends nothing is nothing
        break;
    case Escape::LineBreak:
        // A CR LF taken whole, never given back as its CR alone; else one vertical space.
        builder.open_group(Group::Atomic, begin);
        builder.literal(u'\r', begin);
        builder.literal(u'\n', begin);
        builder.alternative(begin);
        builder.set(vertical_space(), begin);
        builder.close_group(begin);
        break;
    }
    return std::nullopt;
}

Step Reader::open_named(std::size_t begin, wchar_t close) {
    auto name = read_name(close, begin);
    if (const auto* error = std::get_if<RegexError>(&name)) {
        return *error;
    }
    const std::wstring& named = std::get<std::wstring>(name);
    if (std::any_of(names.begin(), names.end(),
                    [&named](const auto& other) { return other.first == named; })) {
        return RegexError{L"two groups are named " + named, begin};
    }
    builder.open_group(Group::Capturing, begin);
    builder.name_group(named);
    names.emplace_back(named, ++groups);
    return std::nullopt;
}

Step Reader::read_group() {
    const std::size_t begin = i;
    if (!(i + 1 < regex.size() && regex[i + 1] == L'?')) {
        builder.open_group(Group::Capturing, begin);
        ++groups;
        ++i;
        return std::nullopt;
    }
    const std::wstring_view rest = std::wstring_view(regex).substr(i + 2);
    const bool perl = dialect(Dialect::Perl);
    const bool python = dialect(Dialect::Python);
    const bool lookbehind = !dialect(Dialect::ECMAScript);
    struct Opening {
        std::wstring_view text;
        Group kind;
        bool allowed;
    };
    const Opening openings[] = {
        {L":", Group::NonCapturing, true},
        {L"=", Group::Lookahead, true},
        {L"!", Group::NegativeLookahead, true},
        {L"<=", Group::Lookbehind, lookbehind},
        {L"<!", Group::NegativeLookbehind, lookbehind},
        {L">", Group::Atomic, perl || python},
    };
    for (const Opening& opening : openings) {
        if (opening.allowed && rest.substr(0, opening.text.size()) == opening.text) {
            const bool lookaround =
                opening.kind != Group::NonCapturing && opening.kind != Group::Atomic;
            if (lookaround && flavour.repeatable_lookaround) {
                builder.open_group(Group::NonCapturing, begin);
                wrapped.push_back(begin);
            }
            builder.open_group(opening.kind, begin);
            i += 2 + opening.text.size();
            return std::nullopt;
        }
    }
    if ((perl || python) && rest.substr(0, 1) == L"#") {
        const std::size_t close = regex.find(L')', i);
        if (close == std::wstring::npos) {
            return RegexError{L"missing ) after the comment", begin};
        }
        i = close + 1;
        return std::nullopt;
    }
    if ((perl || python) && rest.substr(0, 2) == L"P=") {
        i += 4;
        auto name = read_name(L')', begin);
        if (const auto* error = std::get_if<RegexError>(&name)) {
            return *error;
        }
        return named_reference(std::get<std::wstring>(name), begin);
    }
    if ((perl || python) && rest.substr(0, 2) == L"P<") {
        i += 4;
        return open_named(begin, L'>');
    }
    if (!python && !dialect(Dialect::ECMAScript) && rest.substr(0, 1) == L"<") {
        i += 3;
        return open_named(begin, L'>');
    }
    if (perl && rest.substr(0, 1) == L"'") {
        i += 3;
        return open_named(begin, L'\'');
    }
    return RegexError{dialect(Dialect::ECMAScript) ? L"(? must be followed by :, = or !"
                                                   : L"unknown kind of group after (?",
                      begin};
}

BracketRead Reader::read_posix_class() {
    const std::size_t begin = i;
    const std::size_t close = regex.find(L":]", i + 2);
    if (close == std::wstring::npos) {
        return RegexError{L"missing :]", begin};
    }
    const bool complement = regex[i + 2] == L'^';
    const std::wstring_view name =
        std::wstring_view(regex).substr(i + (complement ? 3 : 2), close - i - (complement ? 3 : 2));
    const std::optional<CharSet> set = ascii_posix_class(name);
    if (!set) {
        return RegexError{L"unknown class " + regex.substr(i, close + 2 - i), begin};
    }
    i = close + 2;
    return BracketMember::of_class(complement ? complement_items(set->items) : set->items, begin);
}

BracketRead Reader::read_bracket_member() {
    const std::size_t begin = i;
    const wchar_t c = regex[i];
    const wchar_t next = i + 1 < regex.size() ? regex[i + 1] : L'\0';
    if (c == L'[' && (next == L':' || next == L'.' || next == L'=')) {
        switch (flavour.posix_classes) {
        case PerlFlavour::PosixClasses::Locale:
            return read_bracket_class(regex, i);
        case PerlFlavour::PosixClasses::Ascii:
            if (next == L':') {
                return read_posix_class();
            }
            return RegexError{L"collating elements and equivalence classes are not supported",
                              begin};
        case PerlFlavour::PosixClasses::None:
            break;
        }
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
    switch (escape.kind) {
    case Escape::Unit:
        return BracketMember::of_unit(escape.unit, begin);
    case Escape::Set:
        return BracketMember::of_class(items_of(escape.set), begin);
    case Escape::LocaleSet:
        return BracketMember::of_class(escape.set.items, begin);
    default:
        return RegexError{regex.substr(begin, i - begin) + L" cannot stand inside [ ]", begin};
    }
}

std::optional<IRegexBuilder::Repeat> Reader::read_interval() {
    const std::size_t begin = i++;
    std::optional<unsigned long> min = read_number();
    // Left after the "}" when it is a repetition, at the "{" when not.
    if (!min && flavour.open_minimum && at(L',')) {
        min = 0;
    }
    IRegexBuilder::Repeat repeat{min.value_or(0), min};
    if (min && at(L',')) {
        ++i;
        repeat.max = read_number();
    }
    if (!min || !at(L'}')) {
        i = begin;
        return std::nullopt;
    }
    ++i;
    return repeat;
}

Step Reader::read_quantifier(IRegexBuilder::Repeat repeat, std::size_t begin) {
    if (repeat.max && *repeat.max < repeat.min) {
        return RegexError{L"numbers out of order in { }", begin};
    }
    if (at(L'?')) {
        repeat.lazy = true;
        ++i;
    } else if (flavour.possessive && at(L'+')) {
        repeat.possessive = true;
        ++i;
    }
    if (!builder.repeat(repeat, begin)) {
        return RegexError{L"nothing to repeat", begin};
    }
    return std::nullopt;
}

} // namespace

CharSet ranges_set(std::initializer_list<std::pair<char32_t, char32_t>> ranges) {
    CharSet set;
    for (const auto& [first, last] : ranges) {
        set.items.push_back(Item::range(first, last));
    }
    return set;
}

CharSet with_unicode_spaces(std::initializer_list<std::pair<char32_t, char32_t>> ranges) {
    CharSet set = ranges_set(ranges);
    const CharSet spaces = ranges_set({{' ', ' '},
                                       {0xA0, 0xA0},
                                       {0x1680, 0x1680},
                                       {0x2000, 0x200A},
                                       {0x2028, 0x2029},
                                       {0x202F, 0x202F},
                                       {0x205F, 0x205F},
                                       {0x3000, 0x3000}});
    set.items.insert(set.items.end(), spaces.items.begin(), spaces.items.end());
    return set;
}

CharSet not_line_terminator() {
    return CharSet{true, ranges_set({{'\n', '\n'}, {'\r', '\r'}, {0x2028, 0x2029}}).items};
}

std::optional<RegexError> read_perl_family_regex(const std::wstring& regex,
                                                 const PerlFlavour& flavour,
                                                 IRegexBuilder& builder) {
    return Reader(regex, flavour, builder).read();
}

} // namespace varnel
