#include "varnel/languages/ECMAScriptLanguage.h"

#include "varnel/languages/CompileMatcher.h"

namespace varnel {

namespace {

using Element = LanguageElementDescription;
const Element separator;
const auto none = Element::None;
const auto tab = Element::Tab;
const auto two_spaces = Element::TwoSpaces;

// The ECMAScript patterns are their own matchers.
std::vector<RegexDescription> make_regex_descriptions() {
    const auto row = [](const wchar_t* regex, const wchar_t* description, const wchar_t* name) {
        return table_row(regex, regex, description, name);
    };
    return {
        row(L"[[:space:]]+", L"Whitespace characters", L"Whitespace"),
        row(L"[[:digit:]]+", L"Decimal digits", L"Digit"),
        row(L"[[:xdigit:]]+", L"Hexadecimal digits", L"Hexadecimal"),
        row(L"[[:lower:]]+", L"Lowercase letters", L"Lowercase"),
        row(L"[[:upper:]]+", L"Uppercase letters", L"Uppercase"),
        row(L"[[:alpha:]]+", L"Lowercase and uppercase letters", L"Alphabetic"),
        row(L"[[:alnum:]]+", L"Lowercase letters, uppercase letters, and digits", L"Alphanumeric"),
    };
}

} // namespace

std::vector<RegexDescription> ECMAScriptLanguage::regex_descriptions() const {
    // Compiled once, on first use rather than at static initialisation: a matcher classifies
    // letters by the global locale of the moment it is built, which the application sets in main.
    // The copy shares the compiled matchers.
    static const std::vector<RegexDescription> descriptions = make_regex_descriptions();
    return descriptions;
}

// The alignment values are chosen per entry by how the menu font renders each text.
std::vector<LanguageElementDescription> ECMAScriptLanguage::special_elements() const {
    return {
        {L"*", L"Greedy zero or more", tab},
        {L"+", L"Greedy one or more", tab},
        {L"?", L"Zero or one", tab},
        {L"{n}", L"n times", tab},
        {L"{n,}", L"Greedy n or more", tab},
        {L"{min,max}", L"Greedy min to max times", none},
        separator,
        {L"*?", L"Lazy zero or more", tab},
        {L"+?", L"Lazy one or more", tab},
        {L"{n,}?", L"Lazy n or more", tab},
        {L"{min,max}?", L"Lazy min to max times", none},
        separator,
        {L"^", L"Beginning of line", tab},
        {L"$", L"End of line", tab},
        {L"\\b", L"Word boundary assert", tab},
        {L"\\B", L"Negative word boundary assert", tab},
        separator,
        {L"()", L"Grouping and tagged expression", tab},
        {L"(?:)", L"Non-capture group", tab},
        {L"(?=)", L"Positive lookahead", tab},
        {L"(?!)", L"Negative lookahead", tab},
        {L"\\n", L"Back reference", tab},
        {L"[]", L"Any one character in the set", tab},
        {L"[^]", L"Any one character not in the set", tab},
        separator,
        {L"|", L"Or", tab},
        {L"\\", L"Escape", tab},
    };
}

std::vector<LanguageElementDescription> ECMAScriptLanguage::character_elements() const {
    return {
        {L".", L"Any character", tab},
        {L"\\t", L"Tab", tab},
        {L"\\n", L"Newline", tab},
        {L"\\r", L"Carriage return", tab},
        {L"[:space:]", L"Whitespace", tab},
        separator,
        {L"[:upper:]", L"Uppercase letter", two_spaces},
        {L"[:lower:]", L"Lowercase letter", tab},
        {L"[:alpha:]", L"Lowercase or uppercase letter", tab},
        {L"[:alnum:]", L"Lowercase letter, uppercase letter, or digit", two_spaces},
        separator,
        {L"[:digit:]", L"Decimal digit", tab},
        {L"[:xdigit:]", L"Hexadecimal digit", tab},
        separator,
        {L"[:punct:]", L"Punctuation", tab},
        {L"[:graph:]", L"Lowercase letter, uppercase letter, digit, or punctuation", two_spaces},
        {L"[:print:]", L"Lowercase letter, uppercase letter, digit, punctuation or space", tab},
    };
}

std::vector<LanguageElementDescription> ECMAScriptLanguage::string_elements() const {
    return {
        {L".*", L"Greedy wildcard string", none},
        {L".*?", L"Lazy wildcard string", none},
    };
}

} // namespace varnel
