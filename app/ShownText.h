#pragma once
// How a result box shows its text. The box's document takes some code units as structure (line and
// paragraph breaks, frame marks, the object replacement character) and shows others as nothing or
// as an empty box (control characters, lone surrogates). Each of those is shown as a visible
// stand-in of one code unit instead, so that an offset into the shown text is the same offset into
// the text; the box keeps the text itself, which is what it hands on.

#include <string>

#include <QString>
#include <QStringView>

namespace varnel {

// The text as the box shows it: as long as the text, stand-ins in place of the units above.
// Precondition: every element of the text is one UTF-16 code unit.
QString shown_text(const std::wstring& text);
QString shown_text(QStringView text);

} // namespace varnel
