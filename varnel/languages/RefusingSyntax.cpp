#include "varnel/languages/RefusingSyntax.h"

namespace varnel {

std::optional<RegexError> RefusingSyntax::read_regex(const std::wstring& /*regex*/,
                                                     IRegexBuilder& /*builder*/) const {
    return RegexError{L"regular expressions of this language are not supported in the runner yet",
                      0};
}

std::vector<FormatPiece> RefusingSyntax::read_format(const std::wstring& format) const {
    if (format.empty()) {
        return {};
    }
    return {{FormatPiece::Text, format, 0, 0}};
}

} // namespace varnel
