#pragma once
// One regex language's tables: its named patterns and the elements of its three syntax menus.

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

namespace varnel {

// A named pattern: the text to put into the user's regex, and a matcher that recognises sample
// text of that kind (always standard ECMAScript, whatever the language).
class RegexDescription {
public:
    RegexDescription(const std::wregex& matcher, const std::wstring& regex,
                     const std::wstring& description, const std::wstring& name);
    // matcher_pattern: the text the matcher was compiled from.
    RegexDescription(const std::wregex& matcher, const std::wstring& matcher_pattern,
                     const std::wstring& regex, const std::wstring& description,
                     const std::wstring& name);
    // The matcher is compiled from the regex text itself.
    RegexDescription(const std::wstring& regex, const std::wstring& description,
                     const std::wstring& name);

    std::wregex matcher;
    // The ECMAScript text of the matcher, so that a faster engine can run it on long texts; empty
    // when the matcher came compiled.
    std::wstring matcher_pattern;
    std::wstring regex;
    std::wstring description;
    std::wstring name;
};

// One entry of an element menu; an empty text is a separator.
class LanguageElementDescription {
public:
    // What the menu caption puts between the text and the tab before the description.
    enum MenuDistortionWorkaround : std::int32_t { None = 0, Tab = 1, TwoSpaces = 2 };

    LanguageElementDescription() = default;
    LanguageElementDescription(const std::wstring& text, const std::wstring& description,
                               MenuDistortionWorkaround menu_workaround);

    bool is_separator() const { return text.empty(); }

    std::wstring text;
    std::wstring description;
    MenuDistortionWorkaround menu_workaround = None;
};

class IRegexLanguage {
public:
    virtual std::vector<RegexDescription> regex_descriptions() const = 0;
    virtual std::vector<LanguageElementDescription> special_elements() const = 0;
    virtual std::vector<LanguageElementDescription> character_elements() const = 0;
    virtual std::vector<LanguageElementDescription> string_elements() const = 0;
    virtual ~IRegexLanguage() = default;
};

} // namespace varnel
