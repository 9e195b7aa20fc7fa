#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// Python's re.sub: "\g<1>" refers back, "\\" is a backslash; "\d" and "\s" are Unicode's.
class PythonFormatting : public CommonFormatting {
public:
    PythonFormatting();

    std::wstring one_of(CharacterClass kind) const override;
    std::optional<std::wstring> code(const std::wstring& regex, const std::wstring& format,
                                     const std::vector<std::wstring>& files) const override;
};

} // namespace varnel
