#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// ECMAScript: parentheses capture, "$" with one or two digits refers back.
class ECMAScriptFormatting : public CommonFormatting {
public:
    ECMAScriptFormatting();

    std::wstring one_of(CharacterClass kind) const override;
    std::wstring any_number_of(CharacterClass kind) const override;
    std::wstring run_of(CharacterClass kind) const override;
    std::wstring any_text(bool lazy) const override;
    std::wstring line_start() const override;
    std::wstring line_end() const override;
};

} // namespace varnel
