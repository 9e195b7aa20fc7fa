#include "varnel/languages/PosixEreLanguage.h"

#include "varnel/languages/CompileMatcher.h"

namespace varnel {

namespace {

using Element = LanguageElementDescription;
const Element separator;
const auto tab = Element::Tab;

// The POSIX classes are the locale's in sed as in the matchers, which read them as ECMAScript
// does. No pattern holds a group, which would move the numbers of the user's groups, nor a
// range, which a locale may collate otherwise.
std::vector<RegexDescription> make_regex_descriptions() {
    const auto row = [](const wchar_t* regex, const wchar_t* description, const wchar_t* name) {
        return table_row(regex, regex, description, name);
    };
    return {
        row(L"[[:space:]]+", L"White space", L"Whitespace"),
        row(L"[[:blank:]]+", L"Spaces or tabs", L"Blank"),
        row(L"[[:digit:]]+", L"Integer", L"Integer"),
        row(L"[+-]?[[:digit:]]+", L"Integer with an optional sign", L"Signed"),
        row(L"[[:digit:]]*\\.?[[:digit:]]+", L"Decimal number", L"Decimal"),
        row(L"[[:xdigit:]]+", L"Hexadecimal digits", L"Hexadecimal"),
        row(L"[[:alpha:]]+", L"Letters", L"Alphabetic"),
        row(L"[[:upper:]]+", L"Uppercase letters", L"Uppercase"),
        row(L"[[:lower:]]+", L"Lowercase letters", L"Lowercase"),
        row(L"[[:alnum:]]+", L"Letters and digits", L"Alphanumeric"),
        row(L"[[:alpha:]_][[:alnum:]_]*", L"Identifier", L"Identifier"),
        row(L"\"[^\"]*\"|'[^']*'", L"Quoted string", L"Quote"),
        row(L"[[:alnum:]_.+-]+@[[:alnum:]_-]+\\.[[:alnum:]_.-]+", L"E-mail address", L"Email"),
    };
}

} // namespace

std::vector<RegexDescription> PosixEreLanguage::regex_descriptions() const {
    static const std::vector<RegexDescription> descriptions = make_regex_descriptions();
    return descriptions;
}

std::vector<LanguageElementDescription> PosixEreLanguage::special_elements() const {
    return {
        {L"*", L"Zero or more", tab},
        {L"+", L"One or more", tab},
        {L"?", L"Zero or one", tab},
        {L"{n}", L"n times", tab},
        {L"{n,}", L"n or more", tab},
        {L"{min,max}", L"min to max times", tab},
        separator,
        {L"^", L"Beginning of line", tab},
        {L"$", L"End of line", tab},
        {L"\\<", L"Beginning of word (GNU)", tab},
        {L"\\>", L"End of word (GNU)", tab},
        separator,
        {L"()", L"Group, captured", tab},
        {L"\\1", L"Back reference (GNU)", tab},
        {L"[]", L"Any one character in the set", tab},
        {L"[^]", L"Any one character not in the set", tab},
        separator,
        {L"|", L"Or", tab},
        {L"\\", L"Escape", tab},
    };
}

std::vector<LanguageElementDescription> PosixEreLanguage::character_elements() const {
    return {
        {L".", L"Any character", tab},
        {L"[[:space:]]", L"White space", tab},
        {L"[[:blank:]]", L"Space or tab", tab},
        separator,
        {L"[[:upper:]]", L"Uppercase letter", tab},
        {L"[[:lower:]]", L"Lowercase letter", tab},
        {L"[[:alpha:]]", L"Letter", tab},
        {L"[[:alnum:]]", L"Letter or digit", tab},
        separator,
        {L"[[:digit:]]", L"Decimal digit", tab},
        {L"[[:xdigit:]]", L"Hexadecimal digit", tab},
        separator,
        {L"[[:punct:]]", L"Punctuation", tab},
    };
}

std::vector<LanguageElementDescription> PosixEreLanguage::string_elements() const {
    return {
        {L".*", L"Longest wildcard string", tab},
    };
}

} // namespace varnel
