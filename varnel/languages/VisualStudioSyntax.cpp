#include "varnel/languages/VisualStudioSyntax.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"
#include "varnel/languages/BracketReader.h"
#include "varnel/languages/FormatText.h"

namespace varnel {

namespace {

using Group = IRegexBuilder::Group;
using Assertion = IRegexBuilder::Assertion;
using Repeat = IRegexBuilder::Repeat;
using Item = CharSet::Item;
using Items = std::vector<Item>;
using Step = std::optional<RegexError>;

const Items line_breaks = {Item::range(U'\n', U'\n'), Item::range(U'\r', U'\r')};
const Items ascii_letters = {Item::range(U'A', U'Z'), Item::range(U'a', U'z')};
const Items ascii_alphanumerics = {Item::range(U'0', U'9'), Item::range(U'A', U'Z'),
                                   Item::range(U'a', U'z')};
const Items ascii_digits = {Item::range(U'0', U'9')};
const Items identifier_start = {Item::range(U'$', U'$'), Item::range(U'A', U'Z'),
                                Item::range(U'_', U'_'), Item::range(U'a', U'z')};
const Items identifier_rest = {Item::range(U'$', U'$'), Item::range(U'0', U'9'),
                               Item::range(U'A', U'Z'), Item::range(U'_', U'_'),
                               Item::range(U'a', U'z')};

// A class that stands for one character, as items of a set.
std::optional<Items> set_class(const std::wstring& name) {
    const struct {
        const wchar_t* name;
        Items items;
    } classes[] = {
        {L"Zs", {Item::of_property("Zs", false)}},
        {L"b", {Item::range(U'\t', U'\t'), Item::range(U' ', U' ')}},
        {L"Wh", {Item::of_class(LocaleClass::Space, false)}},
        {L"Lu", {Item::of_class(LocaleClass::Upper, false)}},
        {L"Ll", {Item::of_class(LocaleClass::Lower, false)}},
        {L"Al", {Item::of_class(LocaleClass::Alpha, false)}},
        {L"Nu", {Item::of_class(LocaleClass::Digit, false)}},
        {L"Pu", {Item::of_class(LocaleClass::Punct, false)}},
        {L"c", ascii_letters},
        {L"a", ascii_alphanumerics},
    };
    for (const auto& entry : classes) {
        if (name == entry.name) {
            return entry.items;
        }
    }
    return std::nullopt;
}

// A class that stands for a string: alternatives, each a sequence of sets, each set with its
// repetition (none: once).
struct Term {
    CharSet set;
    std::optional<Repeat> repeat;
};
using Alternatives = std::vector<std::vector<Term>>;

std::optional<Alternatives> string_class(const std::wstring& name) {
    const Repeat any{0, std::nullopt};
    const Repeat some{1, std::nullopt};
    const CharSet digits{false, ascii_digits};
    const CharSet point{false, {Item::range(U'.', U'.')}};
    const auto quoted = [&](char32_t quote) {
        const CharSet mark{false, {Item::range(quote, quote)}};
        return std::vector<Term>{{mark, {}}, {{true, mark.items}, any}, {mark, {}}};
    };
    const auto run_of = [&](LocaleClass locale_class) {
        return Alternatives{{{{false, {Item::of_class(locale_class, false)}}, some}}};
    };
    if (name == L"w") {
        return Alternatives{{{{false, ascii_letters}, some}}};
    }
    if (name == L"i") {
        return Alternatives{{{{false, identifier_start}, {}}, {{false, identifier_rest}, any}}};
    }
    if (name == L"q") {
        return Alternatives{quoted(U'"'), quoted(U'\'')};
    }
    if (name == L"z") {
        return run_of(LocaleClass::Digit);
    }
    if (name == L"h") {
        return run_of(LocaleClass::Xdigit);
    }
    if (name == L"n") {
        return Alternatives{{{digits, some}, {point, {}}, {digits, any}},
                            {{digits, any}, {point, {}}, {digits, some}},
                            {{digits, some}}};
    }
    return std::nullopt;
}

class Reader {
public:
    Reader(const std::wstring& regex, IRegexBuilder& builder) : regex(regex), builder(builder) {}

    Step read() &&;

private:
    std::wstring read_class_name();
    Step read_escape();
    Step read_class();
    void write_string_class(const Alternatives& alternatives, std::size_t begin);
    Step read_close(Group kind, const wchar_t* unmatched);
    Step read_repeat_or_line_start();
    BracketRead read_set_member();
    Step quantify(const Repeat& repeat, std::size_t begin);

    const std::wstring& regex;
    IRegexBuilder& builder;
    std::size_t i = 0;
};

Step Reader::read() && {
    while (i < regex.size()) {
        const std::size_t begin = i;
        Step step;
        switch (regex[i]) {
        case L'\\':
            step = read_escape();
            break;
        case L':':
            step = read_class();
            break;
        case L'{':
            builder.open_group(Group::Capturing, begin);
            ++i;
            break;
        case L'}':
            step = read_close(Group::Capturing, L"unmatched }");
            break;
        case L'(':
            builder.open_group(Group::NonCapturing, begin);
            ++i;
            break;
        case L')':
            step = read_close(Group::NonCapturing, L"unmatched )");
            break;
        case L'~':
            if (i + 1 >= regex.size() || regex[i + 1] != L'(') {
                return RegexError{L"~ must be followed by (", begin};
            }
            builder.open_group(Group::NegativeLookahead, begin);
            i += 2;
            break;
        case L'[':
            step = read_bracket(regex, i, builder, [this] { return read_set_member(); });
            break;
        case L'*':
            step = quantify({0, std::nullopt}, begin);
            break;
        case L'+':
            step = quantify({1, std::nullopt}, begin);
            break;
        case L'@':
            step = quantify({0, std::nullopt, true}, begin);
            break;
        case L'#':
            step = quantify({1, std::nullopt, true}, begin);
            break;
        case L'^':
            step = read_repeat_or_line_start();
            break;
        case L'$':
            builder.assertion(Assertion::LineEnd, begin);
            ++i;
            break;
        case L'<':
            builder.assertion(Assertion::WordStart, begin);
            ++i;
            break;
        case L'>':
            builder.assertion(Assertion::WordEnd, begin);
            ++i;
            break;
        case L'|':
            builder.alternative(begin);
            ++i;
            break;
        case L'.':
            builder.set(VisualStudioSyntax::dot(), begin);
            ++i;
            break;
        default:
            builder.literal(static_cast<char16_t>(regex[i]), begin);
            ++i;
        }
        if (step) {
            return step;
        }
    }
    if (const auto open = builder.innermost_group()) {
        return RegexError{open->kind == Group::Capturing ? L"missing }" : L"missing )",
                          open->offset};
    }
    return std::nullopt;
}

Step Reader::read_escape() {
    const std::size_t begin = i;
    if (i + 1 >= regex.size()) {
        return RegexError{L"\\ at the end of the regular expression", begin};
    }
    const wchar_t c = regex[i + 1];
    i += 2;
    if (c >= L'1' && c <= L'9') {
        if (!builder.back_reference(static_cast<unsigned>(c - L'0'), begin)) {
            return RegexError{
                L"a back reference must refer to a tagged expression closed before it", begin};
        }
    } else if (c == L'n') {
        // CR LF, LF or CR.
        builder.open_group(Group::NonCapturing, begin);
        builder.literal(u'\r', begin);
        builder.literal(u'\n', begin);
        builder.alternative(begin);
        builder.literal(u'\n', begin);
        builder.alternative(begin);
        builder.literal(u'\r', begin);
        builder.close_group(begin);
    } else {
        builder.literal(c == L't' ? u'\t' : static_cast<char16_t>(c), begin);
    }
    return std::nullopt;
}

// A two-letter name begins with a capital, a one-letter name is lower case.
std::wstring Reader::read_class_name() {
    const std::size_t begin = i + 1;
    const bool two_letters = begin < regex.size() && regex[begin] >= L'A' && regex[begin] <= L'Z';
    const std::wstring name = regex.substr(begin, two_letters ? 2 : 1);
    i = begin + name.size();
    return name;
}

Step Reader::read_class() {
    const std::size_t begin = i;
    const std::wstring name = read_class_name();
    if (const std::optional<Items> items = set_class(name)) {
        builder.set({false, *items}, begin);
    } else if (const std::optional<Alternatives> alternatives = string_class(name)) {
        write_string_class(*alternatives, begin);
    } else {
        return RegexError{L"unknown class :" + name, begin};
    }
    return std::nullopt;
}

void Reader::write_string_class(const Alternatives& alternatives, std::size_t begin) {
    builder.open_group(Group::NonCapturing, begin);
    for (std::size_t a = 0; a < alternatives.size(); ++a) {
        if (a > 0) {
            builder.alternative(begin);
        }
        for (const Term& term : alternatives[a]) {
            builder.set(term.set, begin);
            const bool repeated = !term.repeat || builder.repeat(*term.repeat, begin);
            DBC_CHECK(repeated);
        }
    }
    builder.close_group(begin);
}

Step Reader::read_close(Group kind, const wchar_t* unmatched) {
    const auto open = builder.innermost_group();
    const bool closes = open && (open->kind == kind || (kind == Group::NonCapturing &&
                                                        open->kind == Group::NegativeLookahead));
    if (!closes) {
        return RegexError{unmatched, i};
    }
    builder.close_group(i++);
    return std::nullopt;
}

// "^" and a number after something to repeat repeats it; anywhere else "^" is a line start.
Step Reader::read_repeat_or_line_start() {
    const std::size_t begin = i;
    std::size_t end = i + 1;
    while (end < regex.size() && is_ascii_digit(regex[end])) {
        ++end;
    }
    if (end > begin + 1) {
        const std::wstring digits = regex.substr(begin + 1, end - begin - 1);
        const unsigned long count = std::stoul(digits.substr(0, 8));
        if (builder.repeat({count, count}, begin)) {
            i = end;
            return std::nullopt;
        }
    }
    builder.assertion(Assertion::LineStart, begin);
    ++i;
    return std::nullopt;
}

BracketRead Reader::read_set_member() {
    const std::size_t begin = i;
    const wchar_t c = regex[i];
    if (c == L':') {
        const std::wstring name = read_class_name();
        if (std::optional<Items> items = set_class(name)) {
            return BracketMember::of_class(std::move(*items), begin);
        }
        return RegexError{string_class(name) ? L":" + name + L" stands for a string, not in a set"
                                             : L"unknown class :" + name,
                          begin};
    }
    if (c != L'\\') {
        ++i;
        return BracketMember::of_unit(static_cast<char16_t>(c), begin);
    }
    if (i + 1 >= regex.size()) {
        return RegexError{L"\\ at the end of the regular expression", begin};
    }
    const wchar_t escaped = regex[i + 1];
    i += 2;
    if (escaped == L'n') {
        return BracketMember::of_class(line_breaks, begin);
    }
    return BracketMember::of_unit(escaped == L't' ? u'\t' : static_cast<char16_t>(escaped), begin);
}

Step Reader::quantify(const Repeat& repeat, std::size_t begin) {
    if (!builder.repeat(repeat, begin)) {
        return RegexError{L"nothing to repeat", begin};
    }
    ++i;
    return std::nullopt;
}

} // namespace

const CharSet& VisualStudioSyntax::dot() {
    static const CharSet any_but_line_breaks{true, line_breaks};
    return any_but_line_breaks;
}

std::optional<RegexError> VisualStudioSyntax::read_regex(const std::wstring& regex,
                                                         IRegexBuilder& builder) const {
    return Reader(regex, builder).read();
}

FormatRead VisualStudioSyntax::read_format(const std::wstring& format,
                                           const RegexGroups& /*groups*/) const {
    std::vector<FormatPiece> pieces;
    for (std::size_t i = 0; i < format.size();) {
        const wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        if (format[i] == L'\\' && is_ascii_digit(next)) {
            pieces.push_back({FormatPiece::Group, {}, static_cast<unsigned>(next - L'0'), i});
            i += 2;
        } else {
            // "\\" is one backslash; a backslash before anything else stands for itself.
            append_format_text(pieces, format[i]);
            i += format[i] == L'\\' && next == L'\\' ? 2 : 1;
        }
    }
    return pieces;
}

} // namespace varnel
