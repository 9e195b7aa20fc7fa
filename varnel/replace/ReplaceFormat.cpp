#include "varnel/replace/ReplaceFormat.h"

#include "varnel/common/DBC.h"

namespace varnel {

ReplaceFormat::ReplaceFormat(std::vector<FormatPiece> pieces) : pieces(std::move(pieces)) {}

std::optional<ReplaceFormat::MissingGroup> ReplaceFormat::missing_group(unsigned groups) const {
    for (const FormatPiece& piece : pieces) {
        if (piece.kind == FormatPiece::Group && piece.number > groups) {
            return MissingGroup{piece.number, piece.offset};
        }
    }
    return std::nullopt;
}

void ReplaceFormat::append(std::wstring& out, const std::wstring& text,
                           const std::vector<std::size_t>& spans, std::size_t previous_end) const {
    DBC_PRECONDITION(spans.size() >= 2 && spans[0] <= spans[1] && spans[1] <= text.size());
    for (const FormatPiece& piece : pieces) {
        switch (piece.kind) {
        case FormatPiece::Text:
            out += piece.text;
            break;
        case FormatPiece::Group: {
            DBC_PRECONDITION(2 * piece.number + 1 < spans.size());
            const std::size_t begin = spans[2 * piece.number];
            if (begin != std::wstring::npos) {
                out.append(text, begin, spans[2 * piece.number + 1] - begin);
            }
            break;
        }
        case FormatPiece::Before:
            out.append(text, previous_end, spans[0] - previous_end);
            break;
        case FormatPiece::Prefix:
            out.append(text, 0, spans[0]);
            break;
        case FormatPiece::After:
            out.append(text, spans[1]);
            break;
        }
    }
}

} // namespace varnel
