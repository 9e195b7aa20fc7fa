#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// ECMAScript as C++'s std::regex reads it: parentheses capture, "$" with one or two digits refers
// back, POSIX classes name characters by the locale.
class ECMAScriptFormatting : public CommonFormatting {
public:
    ECMAScriptFormatting();

    std::wstring one_of(CharacterClass kind) const override;
};

} // namespace varnel
