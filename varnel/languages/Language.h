#pragma once
// The languages Varnel writes, their order and their names: the one place they are listed. A new
// language is an entry here, its own files and one line in the language factory.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace varnel {

// Offered by the "Language" menu, and gone through by every loop over languages, in this order.
enum class Language : std::int32_t {
    VisualStudio = 0,
    ECMAScript = 1,
    JavaScript = 2,
    PCRE = 3,
    Python = 4,
    PosixERE = 5
};

struct LanguageNames {
    Language language;
    std::wstring_view caption;     // the "Language" menu and the result boxes' headings
    std::string_view command_line; // varnel-cli --language
    std::wstring_view stored;      // the settings store's text, kept as earlier versions wrote it
};

inline constexpr std::array<LanguageNames, 6> language_names{{
    {Language::VisualStudio, L"Visual Studio", "visual-studio", L"VisualStudio"},
    {Language::ECMAScript, L"ECMAScript", "ecmascript", L"ECMAScript"},
    {Language::JavaScript, L"JavaScript", "javascript", L"javascript"},
    {Language::PCRE, L"PCRE", "pcre", L"pcre"},
    {Language::Python, L"Python", "python", L"python"},
    {Language::PosixERE, L"POSIX ERE", "posix-ere", L"posix-ere"},
}};

inline constexpr std::array<Language, language_names.size()> all_languages = [] {
    std::array<Language, language_names.size()> languages{};
    for (std::size_t i = 0; i < languages.size(); ++i) {
        languages[i] = language_names[i].language;
    }
    return languages;
}();

// The names of a language; none for a value that is not a language.
constexpr const LanguageNames* names_of(Language language) {
    for (const LanguageNames& names : language_names) {
        if (names.language == language) {
            return &names;
        }
    }
    return nullptr;
}

// The language a command line or the settings store names; none for another text.
constexpr std::optional<Language> language_on_command_line(std::string_view name) {
    for (const LanguageNames& names : language_names) {
        if (names.command_line == name) {
            return names.language;
        }
    }
    return std::nullopt;
}

constexpr std::optional<Language> language_stored_as(std::wstring_view text) {
    for (const LanguageNames& names : language_names) {
        if (names.stored == text) {
            return names.language;
        }
    }
    return std::nullopt;
}

} // namespace varnel
