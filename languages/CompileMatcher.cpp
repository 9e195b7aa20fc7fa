#include "languages/CompileMatcher.h"

std::wregex compile_matcher(const std::wstring& pattern) {
    return std::wregex(pattern,
                       std::regex_constants::ECMAScript | std::regex_constants::__polynomial);
}
