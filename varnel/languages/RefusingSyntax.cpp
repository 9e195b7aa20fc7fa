#include "varnel/languages/RefusingSyntax.h"

namespace varnel {

std::optional<RegexError> RefusingSyntax::read_regex(const std::wstring& /*regex*/,
                                                     IRegexBuilder& /*builder*/) const {
    return RegexError{L"regular expressions of this language are not supported in the runner yet",
                      0};
}

FormatRead RefusingSyntax::read_format(const std::wstring& format,
                                       const RegexGroups& /*groups*/) const {
    if (format.empty()) {
        return std::vector<FormatPiece>{};
    }
    return std::vector<FormatPiece>{{FormatPiece::Text, format, 0, 0}};
}

} // namespace varnel
