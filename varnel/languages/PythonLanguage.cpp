#include "varnel/languages/PythonLanguage.h"

#include "varnel/languages/CompileMatcher.h"

namespace varnel {

namespace {

using Element = LanguageElementDescription;
const Element separator;
const auto tab = Element::Tab;

// In a str pattern \d is every decimal digit of Unicode (category Nd) and \s every white space:
// the matchers spell them out. The digits of the basic plane come in runs of ten from these.
const wchar_t decimal_digit_runs[] = {
    0x0030, 0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6,
    0x0C66, 0x0CE6, 0x0D66, 0x0DE6, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090, 0x17E0,
    0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90, 0x1B50, 0x1BB0, 0x1C40, 0x1C50, 0xA620,
    0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10};

std::vector<RegexDescription> make_regex_descriptions() {
    std::wstring digit = L"[";
    for (const wchar_t first : decimal_digit_runs) {
        digit += {first, L'-', static_cast<wchar_t>(first + 9)};
    }
    digit += L"]";
    const std::wstring space = L"[\t\n\v\f\r\x1C-\x1F \x85\xA0\u1680\u2000-\u200A\u2028\u2029"
                               L"\u202F\u205F\u3000]";
    return {
        table_row(space + L"+", L"\\s+", L"White space", L"Whitespace"),
        table_row(digit + L"+", L"\\d+", L"Integer, in the digits of any script", L"Integer"),
        table_row(L"[+-]?" + digit + L"+", L"[+-]?\\d+", L"Integer with an optional sign",
                  L"Signed"),
        table_row(digit + L"+(?:\\." + digit + L"+)?", L"\\d+(?:\\.\\d+)?", L"Decimal number",
                  L"Decimal"),
        table_row(L"[0-9A-Fa-f]+", L"[0-9A-Fa-f]+", L"Hexadecimal digits", L"Hexadecimal"),
        table_row(L"[A-Za-z]+", L"[A-Za-z]+", L"English letters", L"Letters"),
        table_row(L"[A-Za-z_][A-Za-z0-9_]*", L"[A-Za-z_][A-Za-z0-9_]*", L"Identifier",
                  L"Identifier"),
        table_row(L"\"[^\"]*\"|'[^']*'", L"\"[^\"]*\"|'[^']*'", L"Quoted string", L"Quote"),
        table_row(L"[A-Za-z0-9_.+-]+@[A-Za-z0-9_-]+(?:\\.[A-Za-z0-9_-]+)+",
                  L"[A-Za-z0-9_.+-]+@[A-Za-z0-9_-]+(?:\\.[A-Za-z0-9_-]+)+", L"E-mail address",
                  L"Email"),
    };
}

} // namespace

std::vector<RegexDescription> PythonLanguage::regex_descriptions() const {
    static const std::vector<RegexDescription> descriptions = make_regex_descriptions();
    return descriptions;
}

std::vector<LanguageElementDescription> PythonLanguage::special_elements() const {
    return {
        {L"*", L"Greedy zero or more", tab},
        {L"+", L"Greedy one or more", tab},
        {L"?", L"Zero or one", tab},
        {L"{n}", L"n times", tab},
        {L"{min,max}", L"Greedy min to max times", tab},
        separator,
        {L"*?", L"Lazy zero or more", tab},
        {L"+?", L"Lazy one or more", tab},
        {L"{min,max}?", L"Lazy min to max times", tab},
        separator,
        {L"^", L"Beginning of the string", tab},
        {L"$", L"End of the string", tab},
        {L"\\b", L"Word boundary", tab},
        {L"\\A", L"Beginning of the string only", tab},
        {L"\\Z", L"End of the string only", tab},
        separator,
        {L"()", L"Capturing group", tab},
        {L"(?P<name>)", L"Named group", tab},
        {L"(?:)", L"Non-capturing group", tab},
        {L"(?=)", L"Positive lookahead", tab},
        {L"(?!)", L"Negative lookahead", tab},
        {L"(?<=)", L"Positive lookbehind", tab},
        {L"\\1", L"Back reference", tab},
        {L"(?P=name)", L"Named back reference", tab},
        {L"[]", L"Any one character in the set", tab},
        {L"[^]", L"Any one character not in the set", tab},
        separator,
        {L"|", L"Or", tab},
        {L"\\", L"Escape", tab},
    };
}

std::vector<LanguageElementDescription> PythonLanguage::character_elements() const {
    return {
        {L".", L"Any character but a line feed", tab},
        {L"\\t", L"Tab", tab},
        {L"\\n", L"Line feed", tab},
        {L"\\s", L"White space", tab},
        separator,
        {L"[^\\W\\d_]", L"Letter of any script", tab},
        {L"\\w", L"Letter, digit or _ of any script", tab},
        separator,
        {L"\\d", L"Decimal digit of any script", tab},
        {L"[0-9]", L"Digit 0-9", tab},
    };
}

std::vector<LanguageElementDescription> PythonLanguage::string_elements() const {
    return {
        {L".*", L"Greedy wildcard string", tab},
        {L".*?", L"Lazy wildcard string", tab},
    };
}

} // namespace varnel
