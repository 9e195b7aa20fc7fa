#pragma once

#include <string>

namespace varnel {

// The sample a file holds ("-": standard input): the whole file but for a final line break.
// Throws CommandError when the file cannot be read or is not UTF-8.
std::wstring read_sample(const std::string& path);

} // namespace varnel
