#include "app/ShownText.h"

#include "varnel/common/DBC.h"

#include <QChar>

namespace varnel {

namespace {

constexpr char16_t paragraph_mark = u'\u00B6';
constexpr char16_t line_break_mark = u'\u21B5';

// The stand-in for a code unit that is not part of a surrogate pair, or the unit itself. Line
// breaks and paragraph ends are shown as such; anything else the box cannot show is shown as the
// replacement character.
char16_t shown_unit(char16_t unit) {
    switch (unit) {
    case u'\t':
        return unit;
    case u'\u2029':
        return paragraph_mark;
    case u'\n':
    case u'\r':
    case u'\u0085':
    case u'\u2028':
        return line_break_mark;
    case u'\uFDD0': // the document's marks for the start and the end of a frame
    case u'\uFDD1':
    case u'\uFFFC':
        return QChar::ReplacementCharacter;
    default:
        break;
    }
    const bool control = unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
    return control || QChar::isSurrogate(unit) ? char16_t{QChar::ReplacementCharacter} : unit;
}

} // namespace

QString shown_text(const std::wstring& text) {
    QString shown(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < text.size(); ++i) {
        DBC_PRECONDITION(static_cast<char32_t>(text[i]) <= 0xFFFF);
        const auto unit = static_cast<char16_t>(text[i]);
        const bool pair_start = QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                                QChar::isLowSurrogate(static_cast<char16_t>(text[i + 1]));
        if (pair_start) {
            shown[static_cast<qsizetype>(i)] = QChar(unit);
            ++i;
            shown[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(text[i]));
        } else {
            shown[static_cast<qsizetype>(i)] = QChar(shown_unit(unit));
        }
    }
    return shown;
}

} // namespace varnel
