#include "varnel/languages/PcreLanguage.h"

#include "varnel/languages/CompileMatcher.h"

namespace varnel {

namespace {

using Element = LanguageElementDescription;
const Element separator;
const auto tab = Element::Tab;

// \d, \s, \w and the POSIX classes are ASCII in PCRE2 by default and in Perl under /a: each
// matcher spells out the characters.
std::vector<RegexDescription> make_regex_descriptions() {
    return {
        table_row(L"[\t\n\v\f\r ]+", L"\\s+", L"White space", L"Whitespace"),
        table_row(L"[0-9]+", L"\\d+", L"Integer", L"Integer"),
        table_row(L"[+-]?[0-9]+", L"[+-]?\\d+", L"Integer with an optional sign", L"Signed"),
        table_row(L"[0-9]+(?:\\.[0-9]+)?", L"\\d+(?:\\.\\d+)?", L"Decimal number", L"Decimal"),
        table_row(L"[0-9A-Fa-f]+", L"[[:xdigit:]]+", L"Hexadecimal digits", L"Hexadecimal"),
        table_row(L"[A-Za-z]+", L"[[:alpha:]]+", L"English letters", L"Letters"),
        table_row(L"[A-Z]+", L"[[:upper:]]+", L"English uppercase letters", L"Uppercase"),
        table_row(L"[a-z]+", L"[[:lower:]]+", L"English lowercase letters", L"Lowercase"),
        table_row(L"[A-Za-z0-9_]+", L"\\w+", L"Word characters: English letters, digits, _",
                  L"Word"),
        table_row(L"[A-Za-z_][A-Za-z0-9_]*", L"[A-Za-z_]\\w*", L"Identifier", L"Identifier"),
        table_row(L"\"[^\"]*\"|'[^']*'", L"\"[^\"]*\"|'[^']*'", L"Quoted string", L"Quote"),
        table_row(L"[A-Za-z0-9_.+-]+@[A-Za-z0-9_-]+(?:\\.[A-Za-z0-9_-]+)+",
                  L"[\\w.+-]+@[\\w-]+(?:\\.[\\w-]+)+", L"E-mail address", L"Email"),
    };
}

} // namespace

std::vector<RegexDescription> PcreLanguage::regex_descriptions() const {
    static const std::vector<RegexDescription> descriptions = make_regex_descriptions();
    return descriptions;
}

std::vector<LanguageElementDescription> PcreLanguage::special_elements() const {
    return {
        {L"*", L"Greedy zero or more", tab},
        {L"+", L"Greedy one or more", tab},
        {L"?", L"Zero or one", tab},
        {L"{n}", L"n times", tab},
        {L"{min,max}", L"Greedy min to max times", tab},
        separator,
        {L"*?", L"Lazy zero or more", tab},
        {L"+?", L"Lazy one or more", tab},
        {L"*+", L"Possessive zero or more", tab},
        {L"++", L"Possessive one or more", tab},
        separator,
        {L"^", L"Beginning of line", tab},
        {L"$", L"End of line", tab},
        {L"\\b", L"Word boundary", tab},
        {L"\\A", L"Beginning of the text", tab},
        {L"\\z", L"End of the text", tab},
        separator,
        {L"()", L"Capturing group", tab},
        {L"(?<name>)", L"Named group", tab},
        {L"(?:)", L"Non-capturing group", tab},
        {L"(?>)", L"Atomic group", tab},
        {L"(?=)", L"Positive lookahead", tab},
        {L"(?!)", L"Negative lookahead", tab},
        {L"(?<=)", L"Positive lookbehind", tab},
        {L"(?<!)", L"Negative lookbehind", tab},
        {L"\\1", L"Back reference", tab},
        {L"[]", L"Any one character in the set", tab},
        {L"[^]", L"Any one character not in the set", tab},
        separator,
        {L"|", L"Or", tab},
        {L"\\", L"Escape", tab},
    };
}

std::vector<LanguageElementDescription> PcreLanguage::character_elements() const {
    return {
        {L".", L"Any character but a line feed", tab},
        {L"\\t", L"Tab", tab},
        {L"\\n", L"Line feed", tab},
        {L"\\R", L"Any line break", tab},
        {L"\\s", L"White space", tab},
        {L"\\h", L"Horizontal white space", tab},
        separator,
        {L"\\p{L}", L"Letter of any script", tab},
        {L"\\p{Lu}", L"Uppercase letter", tab},
        {L"\\p{Ll}", L"Lowercase letter", tab},
        {L"\\w", L"English letter, digit or _", tab},
        separator,
        {L"\\d", L"Digit 0-9", tab},
        {L"[[:xdigit:]]", L"Hexadecimal digit", tab},
        separator,
        {L"\\p{P}", L"Punctuation", tab},
        {L"\\x{hhhh}", L"Code point in hexadecimal", tab},
    };
}

std::vector<LanguageElementDescription> PcreLanguage::string_elements() const {
    return {
        {L".*", L"Greedy wildcard string", tab},
        {L".*?", L"Lazy wildcard string", tab},
    };
}

} // namespace varnel
