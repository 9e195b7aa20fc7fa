#include "varnel/languages/CompileMatcher.h"

namespace varnel {

std::wregex compile_matcher(const std::wstring& pattern) {
    return std::wregex(pattern,
                       std::regex_constants::ECMAScript | std::regex_constants::__polynomial);
}

RegexDescription table_row(const std::wstring& matcher, const std::wstring& regex,
                           const std::wstring& description, const std::wstring& name) {
    return RegexDescription(compile_matcher(matcher), matcher, regex, description, name);
}

} // namespace varnel
