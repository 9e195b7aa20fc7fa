#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// ECMAScript as C++'s std::regex reads it: parentheses capture, "$" with one or two digits refers
// back, POSIX classes name characters by the locale.
class ECMAScriptFormatting : public CommonFormatting {
public:
    ECMAScriptFormatting();

    std::wstring one_of(CharacterClass kind) const override;

protected:
    std::optional<CharSet> dot() const override;
    // The locale's classes by their POSIX names, as the language's tables write them ("[[:digit:]]"
    // rather than "\d"); escapes only where no name says it.
    std::optional<std::wstring> class_alone(const CharSet::Item& item) const override;
};

} // namespace varnel
