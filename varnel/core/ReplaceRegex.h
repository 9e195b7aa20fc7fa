#pragma once
// What the inference produces: a regular expression and the format string that rebuilds the
// replacement sample from its groups.

#include <string>

namespace varnel {

struct ReplaceRegex {
    std::wstring regex;
    std::wstring format;

    bool operator==(const ReplaceRegex&) const = default;
};

} // namespace varnel
