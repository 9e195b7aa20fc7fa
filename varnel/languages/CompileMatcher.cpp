#include "varnel/languages/CompileMatcher.h"

namespace varnel {

std::wregex compile_matcher(const std::wstring& pattern) {
    return std::wregex(pattern,
                       std::regex_constants::ECMAScript | std::regex_constants::__polynomial);
}

} // namespace varnel
