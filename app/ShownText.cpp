#include "app/ShownText.h"

#include "varnel/common/DBC.h"

#include <algorithm>
#include <string_view>

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

// Units: a string of UTF-16 code units, each element one unit.
template <typename Units>
QString shown_units(const Units& text) {
    const auto unit_at = [&](std::size_t i) { return static_cast<char16_t>(text[i]); };
    QString shown(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < static_cast<std::size_t>(text.size()); ++i) {
        const char16_t unit = unit_at(i);
        const bool pair_start = QChar::isHighSurrogate(unit) &&
                                i + 1 < static_cast<std::size_t>(text.size()) &&
                                QChar::isLowSurrogate(unit_at(i + 1));
        if (pair_start) {
            shown[static_cast<qsizetype>(i)] = QChar(unit);
            ++i;
            shown[static_cast<qsizetype>(i)] = QChar(unit_at(i));
        } else {
            shown[static_cast<qsizetype>(i)] = QChar(shown_unit(unit));
        }
    }
    return shown;
}

} // namespace

QString shown_text(const std::wstring& text) {
    DBC_PRECONDITION(std::all_of(text.begin(), text.end(), [](wchar_t unit) {
        return static_cast<char32_t>(unit) <= 0xFFFF;
    }));
    return shown_units(text);
}

QString shown_text(QStringView text) {
    return shown_units(std::u16string_view(text.utf16(), static_cast<std::size_t>(text.size())));
}

} // namespace varnel
