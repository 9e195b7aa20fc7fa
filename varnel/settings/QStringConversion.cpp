#include "varnel/settings/QStringConversion.h"

namespace varnel {

std::wstring to_wstring(const QString& text) {
    std::wstring result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar unit : text) {
        result.push_back(static_cast<wchar_t>(unit.unicode()));
    }
    return result;
}

QString to_qstring(const std::wstring& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (wchar_t element : text) {
        const auto value = static_cast<char32_t>(element);
        if (value <= 0xFFFF) {
            result.append(QChar(static_cast<char16_t>(value)));
        } else if (value <= 0x10FFFF) {
            // Narrow texts widened through the locale may hold whole code points.
            result.append(QChar(QChar::highSurrogate(value)));
            result.append(QChar(QChar::lowSurrogate(value)));
        } else {
            result.append(QChar(QChar::ReplacementCharacter));
        }
    }
    return result;
}

} // namespace varnel
