#pragma once
// Text crosses between the toolkit and the library as UTF-16 code units copied one for one, so a
// character outside the Basic Multilingual Plane stays a surrogate pair on both sides.

#include <string>

#include <QString>

namespace varnel {

std::wstring to_wstring(const QString& text);
QString to_qstring(const std::wstring& text);

} // namespace varnel
