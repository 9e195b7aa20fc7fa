#pragma once
// The pieces a suggestion is made of: named patterns and literal text, already written in the
// syntax of the current language by the code that makes them.

#include <string>

namespace varnel {

class ISuggestionElement {
public:
    // Shown when the element is a suggestion on its own.
    virtual std::wstring long_description() const = 0;
    // The word for the element among several.
    virtual std::wstring short_description() const = 0;
    // The element's part of the suggested regex.
    virtual std::wstring regex() const = 0;
    virtual ~ISuggestionElement() = default;
};

// A named pattern of the language.
class RegexSuggestionElement : public ISuggestionElement {
public:
    RegexSuggestionElement(const std::wstring& regex, const std::wstring& description,
                           const std::wstring& name);

    std::wstring long_description() const override;
    std::wstring short_description() const override;
    std::wstring regex() const override;

private:
    const std::wstring regex_text;
    const std::wstring description;
    const std::wstring name;
};

// A piece of literal text: escaped in the regex, plain in the descriptions.
class TextSuggestionElement : public ISuggestionElement {
public:
    TextSuggestionElement(const std::wstring& regex, const std::wstring& text);

    std::wstring long_description() const override;
    std::wstring short_description() const override;
    std::wstring regex() const override;

private:
    const std::wstring regex_text;
    const std::wstring text;
};

} // namespace varnel
