#pragma once
// The character classes of the standard library's regular expressions, which follow the global
// C++ locale: a regex of any language names them, an engine decides what they hold.

#include <optional>
#include <string_view>

namespace varnel {

enum class LocaleClass {
    Alnum,
    Alpha,
    Blank,
    Cntrl,
    Digit,
    Graph,
    Lower,
    Print,
    Punct,
    Space,
    Upper,
    Xdigit,
    Word // letters, digits and the underscore: \w
};

// The class named as inside "[[:alpha:]]", or by "d", "s" and "w" as the escapes \d, \s and \w
// name theirs; none for another name.
std::optional<LocaleClass> locale_class_named(std::wstring_view name);

// The name std::regex_traits looks the class up by.
std::wstring_view name_of(LocaleClass locale_class);

} // namespace varnel
