#pragma once

#include <string>

namespace varnel {

// Widens UTF-8 text, such as a source path or a function name in a failure report, to UTF-16
// code units; a byte that is not valid UTF-8 becomes U+FFFD rather than a bogus code unit.
std::wstring string_to_wstring(const std::string& text);

} // namespace varnel
