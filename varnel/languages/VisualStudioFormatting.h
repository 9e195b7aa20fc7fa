#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// The Visual Studio find-and-replace syntax: braces tag, a backslash and one digit refer back.
class VisualStudioFormatting : public CommonFormatting {
public:
    VisualStudioFormatting();

    std::wstring one_of(CharacterClass kind) const override;
    std::wstring run_of(CharacterClass kind) const override;
    std::wstring any_text(bool lazy) const override;
};

} // namespace varnel
