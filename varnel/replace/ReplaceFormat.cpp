#include "varnel/replace/ReplaceFormat.h"

#include "varnel/common/DBC.h"

namespace varnel {

namespace {

bool is_digit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

} // namespace

ReplaceFormat::ReplaceFormat(const std::wstring& format, Language language) {
    const bool ecmascript = language == Language::ECMAScript;
    const wchar_t escape = ecmascript ? L'$' : L'\\';
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t begin = i;
        const wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        if (format[i] != escape || i + 1 == format.size()) {
            add_text(format[i++]);
        } else if (next == escape) {
            add_text(escape);
            i += 2;
        } else if (is_digit(next)) {
            unsigned number = static_cast<unsigned>(next - L'0');
            i += 2;
            if (ecmascript && i < format.size() && is_digit(format[i])) {
                number = number * 10 + static_cast<unsigned>(format[i++] - L'0');
            }
            pieces.push_back({Piece::Group, {}, number, begin});
        } else if (ecmascript && (next == L'&' || next == L'`' || next == L'\'')) {
            pieces.push_back({next == L'&'   ? Piece::Group
                              : next == L'`' ? Piece::Before
                                             : Piece::After,
                              {},
                              0,
                              begin});
            i += 2;
        } else {
            add_text(format[i++]);
        }
    }
}

void ReplaceFormat::add_text(wchar_t c) {
    if (pieces.empty() || pieces.back().kind != Piece::Text) {
        pieces.push_back({Piece::Text, {}, 0, 0});
    }
    pieces.back().text += c;
}

std::optional<ReplaceFormat::MissingGroup> ReplaceFormat::missing_group(unsigned groups) const {
    for (const Piece& piece : pieces) {
        if (piece.kind == Piece::Group && piece.number > groups) {
            return MissingGroup{piece.number, piece.offset};
        }
    }
    return std::nullopt;
}

void ReplaceFormat::append(std::wstring& out, const std::wstring& text,
                           const std::vector<std::size_t>& spans, std::size_t previous_end) const {
    DBC_PRECONDITION(spans.size() >= 2 && spans[0] <= spans[1] && spans[1] <= text.size());
    for (const Piece& piece : pieces) {
        switch (piece.kind) {
        case Piece::Text:
            out += piece.text;
            break;
        case Piece::Group: {
            DBC_PRECONDITION(2 * piece.number + 1 < spans.size());
            const std::size_t begin = spans[2 * piece.number];
            if (begin != std::wstring::npos) {
                out.append(text, begin, spans[2 * piece.number + 1] - begin);
            }
            break;
        }
        case Piece::Before:
            out.append(text, previous_end, spans[0] - previous_end);
            break;
        case Piece::After:
            out.append(text, spans[1]);
            break;
        }
    }
}

} // namespace varnel
