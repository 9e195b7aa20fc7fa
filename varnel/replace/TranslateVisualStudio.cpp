#include "varnel/replace/TranslateVisualStudio.h"

#include "varnel/common/DBC.h"
#include "varnel/replace/BracketItems.h"

namespace varnel {

namespace {

using Group = PatternWriter::Group;
using Step = std::optional<RegexError>;

bool is_digit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

const CodeUnitRanges line_breaks = {{u'\n', u'\n'}, {u'\r', u'\r'}};
const CodeUnitRanges ascii_letters = {{u'A', u'Z'}, {u'a', u'z'}};
const CodeUnitRanges ascii_alphanumerics = {{u'0', u'9'}, {u'A', u'Z'}, {u'a', u'z'}};
const CodeUnitRanges ascii_digits = {{u'0', u'9'}};
const std::u16string line_break = u"(?:\\x{d}\\x{a}|\\x{a}|\\x{d})";

std::u16string locale_items(const wchar_t* name) {
    const std::optional<CodeUnitRanges> ranges = locale_class(name);
    DBC_CHECK(ranges);
    return pcre2_class_items(*ranges);
}

// A class that stands for one character, as items of a set.
std::optional<std::u16string> set_class(const std::wstring& name) {
    if (name == L"Zs") {
        return std::u16string(u"\\p{Zs}");
    }
    if (name == L"b") {
        return pcre2_class_items({{u'\t', u'\t'}, {u' ', u' '}});
    }
    const struct {
        const wchar_t* name;
        const wchar_t* locale_name;
    } locale_classes[] = {{L"Wh", L"space"}, {L"Lu", L"upper"}, {L"Ll", L"lower"},
                          {L"Al", L"alpha"}, {L"Nu", L"digit"}, {L"Pu", L"punct"}};
    for (const auto& entry : locale_classes) {
        if (name == entry.name) {
            return locale_items(entry.locale_name);
        }
    }
    if (name == L"c") {
        return pcre2_class_items(ascii_letters);
    }
    if (name == L"a") {
        return pcre2_class_items(ascii_alphanumerics);
    }
    return std::nullopt;
}

// A class that stands for a string, as one PCRE2 item.
std::optional<std::u16string> string_class(const std::wstring& name) {
    const std::u16string digits = pcre2_class(ascii_digits, false);
    const auto one_or_more = [](const wchar_t* locale_name) {
        std::u16string pattern = u"[";
        pattern += locale_items(locale_name);
        return pattern + u"]+";
    };
    if (name == L"w") {
        return pcre2_class(ascii_letters, false) + u"+";
    }
    if (name == L"i") {
        return std::u16string(u"(?:[a-zA-Z_$][a-zA-Z0-9_$]*)");
    }
    if (name == L"q") {
        return std::u16string(u"(?:\"[^\"]*\"|'[^']*')");
    }
    if (name == L"z") {
        return one_or_more(L"digit");
    }
    if (name == L"h") {
        return one_or_more(L"xdigit");
    }
    if (name == L"n") {
        return u"(?:" + digits + u"+\\." + digits + u"*|" + digits + u"*\\." + digits + u"+|" +
               digits + u"+)";
    }
    return std::nullopt;
}

class Reader {
public:
    explicit Reader(const std::wstring& regex) : regex(regex) {}

    Translation read() &&;

private:
    bool at(wchar_t c) const { return i < regex.size() && regex[i] == c; }
    std::wstring read_class_name();
    Step read_escape();
    Step read_class();
    Step read_close(Group kind, const wchar_t* unmatched);
    Step read_repeat_or_line_start();
    BracketRead read_set_member();
    Step quantify(const char16_t* quantifier, std::size_t begin);

    const std::wstring& regex;
    std::size_t i = 0;
    PatternWriter writer;
};

Translation Reader::read() && {
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
            writer.open_group(Group::Capturing, begin);
            ++i;
            break;
        case L'}':
            step = read_close(Group::Capturing, L"unmatched }");
            break;
        case L'(':
            writer.open_group(Group::NonCapturing, begin);
            ++i;
            break;
        case L')':
            step = read_close(Group::NonCapturing, L"unmatched )");
            break;
        case L'~':
            if (i + 1 >= regex.size() || regex[i + 1] != L'(') {
                return RegexError{L"~ must be followed by (", begin};
            }
            writer.open_group(Group::NegativeLookahead, begin);
            i += 2;
            break;
        case L'[':
            step = write_bracket(regex, i, writer, [this] { return read_set_member(); });
            break;
        case L'*':
            step = quantify(u"*", begin);
            break;
        case L'+':
            step = quantify(u"+", begin);
            break;
        case L'@':
            step = quantify(u"*?", begin);
            break;
        case L'#':
            step = quantify(u"+?", begin);
            break;
        case L'^':
            step = read_repeat_or_line_start();
            break;
        case L'$':
            writer.assertion(u"$", begin);
            ++i;
            break;
        case L'<':
            writer.assertion(pcre2_word_edge(WordEdge::Start), begin);
            ++i;
            break;
        case L'>':
            writer.assertion(pcre2_word_edge(WordEdge::End), begin);
            ++i;
            break;
        case L'|':
            writer.alternative(begin);
            ++i;
            break;
        case L'.':
            writer.atom(pcre2_class(line_breaks, true), begin);
            ++i;
            break;
        default:
            writer.literal(static_cast<char16_t>(regex[i]), begin);
            ++i;
        }
        if (step) {
            return *step;
        }
    }
    if (const auto open = writer.innermost_group()) {
        return RegexError{open->kind == Group::Capturing ? L"missing }" : L"missing )",
                          open->offset};
    }
    return std::move(writer).finish(true);
}

Step Reader::read_escape() {
    const std::size_t begin = i;
    if (i + 1 >= regex.size()) {
        return RegexError{L"\\ at the end of the regular expression", begin};
    }
    const wchar_t c = regex[i + 1];
    i += 2;
    if (c >= L'1' && c <= L'9') {
        if (!writer.back_reference(static_cast<unsigned>(c - L'0'), begin)) {
            return RegexError{
                L"a back reference must refer to a tagged expression closed before it", begin};
        }
    } else if (c == L'n') {
        writer.atom(line_break, begin);
    } else {
        writer.literal(c == L't' ? u'\t' : static_cast<char16_t>(c), begin);
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
    if (const std::optional<std::u16string> items = set_class(name)) {
        writer.atom(u"[" + *items + u"]", begin);
    } else if (const std::optional<std::u16string> pattern = string_class(name)) {
        writer.atom(*pattern, begin);
    } else {
        return RegexError{L"unknown class :" + name, begin};
    }
    return std::nullopt;
}

Step Reader::read_close(Group kind, const wchar_t* unmatched) {
    const auto open = writer.innermost_group();
    const bool closes = open && (open->kind == kind || (kind == Group::NonCapturing &&
                                                        open->kind == Group::NegativeLookahead));
    if (!closes) {
        return RegexError{unmatched, i};
    }
    writer.close_group(i++);
    return std::nullopt;
}

// "^" and a number after something to repeat repeats it; anywhere else "^" is a line start.
Step Reader::read_repeat_or_line_start() {
    const std::size_t begin = i;
    std::size_t end = i + 1;
    while (end < regex.size() && is_digit(regex[end])) {
        ++end;
    }
    if (end > begin + 1) {
        const std::wstring digits = regex.substr(begin + 1, end - begin - 1);
        const unsigned long count = std::stoul(digits.substr(0, 8));
        std::u16string quantifier = u"{";
        quantifier += pcre2_number(count);
        if (writer.quantifier(quantifier + u"}", begin)) {
            i = end;
            return std::nullopt;
        }
    }
    writer.assertion(u"^", begin);
    ++i;
    return std::nullopt;
}

BracketRead Reader::read_set_member() {
    const std::size_t begin = i;
    const wchar_t c = regex[i];
    if (c == L':') {
        const std::wstring name = read_class_name();
        if (const std::optional<std::u16string> items = set_class(name)) {
            return BracketToken::of_class(*items, begin);
        }
        return RegexError{string_class(name) ? L":" + name + L" stands for a string, not in a set"
                                             : L"unknown class :" + name,
                          begin};
    }
    if (c != L'\\') {
        ++i;
        return BracketToken::of_unit(static_cast<char16_t>(c), begin);
    }
    if (i + 1 >= regex.size()) {
        return RegexError{L"\\ at the end of the regular expression", begin};
    }
    const wchar_t escaped = regex[i + 1];
    i += 2;
    if (escaped == L'n') {
        return BracketToken::of_class(pcre2_class_items(line_breaks), begin);
    }
    return BracketToken::of_unit(escaped == L't' ? u'\t' : static_cast<char16_t>(escaped), begin);
}

Step Reader::quantify(const char16_t* quantifier, std::size_t begin) {
    if (!writer.quantifier(quantifier, begin)) {
        return RegexError{L"nothing to repeat", begin};
    }
    ++i;
    return std::nullopt;
}

} // namespace

Translation translate_visual_studio(const std::wstring& regex) {
    return Reader(regex).read();
}

} // namespace varnel
