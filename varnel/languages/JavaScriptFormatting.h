#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// JavaScript as String.prototype.replace reads a RegExp with the flags "gu": Unicode
// properties, "$" with one or two digits refers back, "$$" is a dollar.
class JavaScriptFormatting : public CommonFormatting {
public:
    JavaScriptFormatting();

    std::wstring one_of(CharacterClass kind) const override;
    std::optional<std::wstring> code(const std::wstring& regex, const std::wstring& format,
                                     const std::vector<std::wstring>& files) const override;
};

} // namespace varnel
