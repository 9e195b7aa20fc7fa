#include "varnel/languages/FormatText.h"

namespace varnel {

void append_format_text(std::vector<FormatPiece>& pieces, wchar_t c) {
    if (pieces.empty() || pieces.back().kind != FormatPiece::Text) {
        pieces.push_back({FormatPiece::Text, {}, 0, 0});
    }
    pieces.back().text += c;
}

std::optional<FormatPiece> match_piece(wchar_t after_dollar, FormatPiece::Kind before,
                                       std::size_t offset) {
    switch (after_dollar) {
    case L'&':
        return FormatPiece{FormatPiece::Group, {}, 0, offset};
    case L'`':
        return FormatPiece{before, {}, 0, offset};
    case L'\'':
        return FormatPiece{FormatPiece::After, {}, 0, offset};
    default:
        return std::nullopt;
    }
}

std::optional<unsigned> RegexGroups::number_of(const std::wstring& name) const {
    for (const auto& [group_name, number] : names) {
        if (group_name == name) {
            return number;
        }
    }
    return std::nullopt;
}

} // namespace varnel
