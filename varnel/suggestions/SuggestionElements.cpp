#include "varnel/suggestions/SuggestionElements.h"

namespace varnel {

RegexSuggestionElement::RegexSuggestionElement(const std::wstring& regex,
                                               const std::wstring& description,
                                               const std::wstring& name)
    : regex_text(regex), description(description), name(name) {}

std::wstring RegexSuggestionElement::long_description() const {
    return description;
}

std::wstring RegexSuggestionElement::short_description() const {
    return name;
}

std::wstring RegexSuggestionElement::regex() const {
    return regex_text;
}

TextSuggestionElement::TextSuggestionElement(const std::wstring& regex, const std::wstring& text)
    : regex_text(regex), text(text) {}

std::wstring TextSuggestionElement::long_description() const {
    return text;
}

std::wstring TextSuggestionElement::short_description() const {
    return text;
}

std::wstring TextSuggestionElement::regex() const {
    return regex_text;
}

} // namespace varnel
