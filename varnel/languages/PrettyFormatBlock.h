#pragma once
// A styled piece of a regular expression or a format string, for display.

#include <cstdint>
#include <ostream>
#include <string>

namespace varnel {

class PrettyFormatBlock {
public:
    enum Type : std::int32_t { Normal = 0, Escape = 1, Special = 2 };

    PrettyFormatBlock(Type type, const std::wstring& text);

    bool operator==(const PrettyFormatBlock& other) const = default;

    Type type;
    std::wstring text;
};

std::wostream& operator<<(std::wostream& out, const PrettyFormatBlock& block);

} // namespace varnel
