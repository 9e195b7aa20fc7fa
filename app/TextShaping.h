#pragma once
// Qt shapes every run of text it lays out: on a line of 100,000 characters that is about a third
// of the layout's time, paid again on every change. Below U+0300 (ASCII, Latin letters with their
// accents built in, the IPA and spacing modifiers) a fixed-pitch font draws each character as
// itself, shaped or not; combining marks and the scripts that join or reorder their letters, all
// above, need shaping to read right.

#include <QStringView>
#include <QWidget>

namespace varnel {

// Skips shaping in the widget's font while its text does not need it. The font changes only when
// that choice does, since a change of font lays the text out again.
void fit_shaping(QWidget& widget, QStringView text);

} // namespace varnel
