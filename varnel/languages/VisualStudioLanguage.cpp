#include "varnel/languages/VisualStudioLanguage.h"

#include "varnel/languages/CompileMatcher.h"

namespace varnel {

namespace {

using Element = LanguageElementDescription;
const Element separator;
const auto none = Element::None;

// The Visual Studio patterns are not ECMAScript: each carries a matcher written for it.
std::vector<RegexDescription> make_regex_descriptions() {
    const auto row = table_row;
    return {
        row(L"[ ]+", L":Zs+", L"Space separators", L"Space"),
        row(L"[ \t]+", L":b+", L"Spaces or Tabs", L"Blank"),
        row(L"[[:space:]]+", L":Wh+", L"Whitespace characters", L"Whitespace"),
        row(L"[[:digit:]]+", L":z", L"Integer", L"Integer"),
        row(L"[[:xdigit:]]+", L":h", L"Hexadecimal number", L"Hexadecimal"),
        row(L"([0-9]+\\.[0-9]*)|([0-9]*\\.[0-9]+)|([0-9]+)", L":n", L"Rational number",
            L"Rational"),
        row(L"[[:upper:]]+", L":Lu+", L"Uppercase letters", L"Uppercase"),
        row(L"[[:lower:]]+", L":Ll+", L"Lowercase letters", L"Lowercase"),
        row(L"[[:alpha:]]+", L":Al+", L"Alphabetic string", L"Alphabetic"),
        row(L"[a-zA-Z0-9]+", L":a+", L"English alphanumeric characters", L"EAlphanumeric"),
        row(L"[a-zA-Z_$][a-zA-Z0-9_$]*", L":i", L"C/C++ identifier", L"Identifier"),
        row(L"(\"[^\"]*\")|('[^']*')", L":q", L"Quoted string", L"Quote"),
    };
}

} // namespace

std::vector<RegexDescription> VisualStudioLanguage::regex_descriptions() const {
    // Compiled once, on first use rather than at static initialisation: a matcher classifies
    // letters by the global locale of the moment it is built, which the application sets in main.
    // The copy shares the compiled matchers.
    static const std::vector<RegexDescription> descriptions = make_regex_descriptions();
    return descriptions;
}

std::vector<LanguageElementDescription> VisualStudioLanguage::special_elements() const {
    return {
        {L"*", L"Greedy zero or more", none},
        {L"+", L"Greedy one or more", none},
        {L"@", L"Lazy zero or more", none},
        {L"#", L"Lazy one or more", none},
        {L"^n", L"Repeat n times", none},
        separator,
        {L"^", L"Beginning of line", none},
        {L"$", L"End of line", none},
        {L"<", L"Beginning of word", none},
        {L">", L"End of word", none},
        separator,
        {L"()", L"Grouping", none},
        {L"[]", L"Any one character in the set", none},
        {L"[^]", L"Any one character not in the set", none},
        {L"{}", L"Tagged expression", none},
        {L"~()", L"Prevent match", none},
        {L"\\n", L"Back reference", none},
        separator,
        {L"|", L"Or", none},
        {L"\\", L"Escape", none},
    };
}

std::vector<LanguageElementDescription> VisualStudioLanguage::character_elements() const {
    return {
        {L".", L"Any character", none},
        {L":Zs", L"Space separator", none},
        {L"\\t", L"Tab", none},
        {L":b", L"Space or Tab", none},
        {L"\\n", L"Line break", none},
        {L":Wh", L"Whitespace", none},
        separator,
        {L":Lu", L"Uppercase letter", none},
        {L":Ll", L"Lowercase letter", none},
        {L":Al", L"Alphabetic character", none},
        {L":c", L"English alphabetic character", none},
        {L":a", L"English alphanumeric character", none},
        separator,
        {L":Nu", L"Numeric", none},
        {L":Pu", L"Punctuation", none},
    };
}

std::vector<LanguageElementDescription> VisualStudioLanguage::string_elements() const {
    return {
        {L".*", L"Greedy wildcard string", none},
        {L".@", L"Lazy wildcard string", none},
        separator,
        {L":w", L"English alphabetic string", none},
        {L":i", L"C/C++ identifier", none},
        {L":q", L"Quoted string", none},
        separator,
        {L":z", L"Integer", none},
        {L":h", L"Hexadecimal number", none},
        {L":n", L"Rational number", none},
    };
}

} // namespace varnel
