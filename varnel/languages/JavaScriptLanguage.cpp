#include "varnel/languages/JavaScriptLanguage.h"

#include "varnel/languages/CompileMatcher.h"

namespace varnel {

namespace {

using Element = LanguageElementDescription;
const Element separator;
const auto tab = Element::Tab;

// With the flag "u", \d and \w are ASCII and \s is Unicode's white space and line terminators:
// each matcher spells out the characters.
std::vector<RegexDescription> make_regex_descriptions() {
    const std::wstring space = L"[\t\n\v\f\r \u00A0\u1680\u2000-\u200A\u2028\u2029\u202F\u205F"
                               L"\u3000\uFEFF]";
    return {
        table_row(space + L"+", L"\\s+", L"White space and line terminators", L"Whitespace"),
        table_row(L"[0-9]+", L"\\d+", L"Integer", L"Integer"),
        table_row(L"[+-]?[0-9]+", L"[+-]?\\d+", L"Integer with an optional sign", L"Signed"),
        table_row(L"[0-9]+(?:\\.[0-9]+)?", L"\\d+(?:\\.\\d+)?", L"Decimal number", L"Decimal"),
        table_row(L"[0-9A-Fa-f]+", L"[0-9A-Fa-f]+", L"Hexadecimal digits", L"Hexadecimal"),
        table_row(L"[A-Za-z]+", L"[A-Za-z]+", L"English letters", L"Letters"),
        table_row(L"[A-Za-z0-9_]+", L"\\w+", L"Word characters: English letters, digits, _",
                  L"Word"),
        table_row(L"[A-Za-z_$][A-Za-z0-9_$]*", L"[A-Za-z_$][\\w$]*", L"JavaScript identifier",
                  L"Identifier"),
        table_row(L"\"[^\"]*\"|'[^']*'", L"\"[^\"]*\"|'[^']*'", L"Quoted string", L"Quote"),
        table_row(L"[A-Za-z0-9_.+-]+@[A-Za-z0-9_-]+(?:\\.[A-Za-z0-9_-]+)+",
                  L"[\\w.+-]+@[\\w-]+(?:\\.[\\w-]+)+", L"E-mail address", L"Email"),
    };
}

} // namespace

std::vector<RegexDescription> JavaScriptLanguage::regex_descriptions() const {
    static const std::vector<RegexDescription> descriptions = make_regex_descriptions();
    return descriptions;
}

std::vector<LanguageElementDescription> JavaScriptLanguage::special_elements() const {
    return {
        {L"*", L"Greedy zero or more", tab},
        {L"+", L"Greedy one or more", tab},
        {L"?", L"Zero or one", tab},
        {L"{n}", L"n times", tab},
        {L"{n,}", L"Greedy n or more", tab},
        {L"{min,max}", L"Greedy min to max times", tab},
        separator,
        {L"*?", L"Lazy zero or more", tab},
        {L"+?", L"Lazy one or more", tab},
        {L"{min,max}?", L"Lazy min to max times", tab},
        separator,
        {L"^", L"Beginning of input", tab},
        {L"$", L"End of input", tab},
        {L"\\b", L"Word boundary", tab},
        {L"\\B", L"Not a word boundary", tab},
        separator,
        {L"()", L"Capturing group", tab},
        {L"(?<name>)", L"Named group", tab},
        {L"(?:)", L"Non-capturing group", tab},
        {L"(?=)", L"Positive lookahead", tab},
        {L"(?!)", L"Negative lookahead", tab},
        {L"(?<=)", L"Positive lookbehind", tab},
        {L"(?<!)", L"Negative lookbehind", tab},
        {L"\\1", L"Back reference", tab},
        {L"\\k<name>", L"Named back reference", tab},
        {L"[]", L"Any one character in the set", tab},
        {L"[^]", L"Any one character not in the set", tab},
        separator,
        {L"|", L"Or", tab},
        {L"\\", L"Escape", tab},
    };
}

std::vector<LanguageElementDescription> JavaScriptLanguage::character_elements() const {
    return {
        {L".", L"Any character but a line terminator", tab},
        {L"\\t", L"Tab", tab},
        {L"\\n", L"Line feed", tab},
        {L"\\r", L"Carriage return", tab},
        {L"\\s", L"White space", tab},
        separator,
        {L"\\p{L}", L"Letter of any script", tab},
        {L"\\p{Lu}", L"Uppercase letter", tab},
        {L"\\p{Ll}", L"Lowercase letter", tab},
        {L"\\w", L"English letter, digit or _", tab},
        separator,
        {L"\\d", L"Digit 0-9", tab},
        {L"\\p{N}", L"Number of any script", tab},
        separator,
        {L"\\p{P}", L"Punctuation", tab},
        {L"\\u{hhhh}", L"Code point in hexadecimal", tab},
    };
}

std::vector<LanguageElementDescription> JavaScriptLanguage::string_elements() const {
    return {
        {L".*", L"Greedy wildcard string", tab},
        {L".*?", L"Lazy wildcard string", tab},
        {L"[^]*", L"Any text, line terminators too", tab},
    };
}

} // namespace varnel
