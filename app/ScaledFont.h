#pragma once
// Varnel's windows size their fonts as multiples of the toolkit's default font.

#include <QFont>

namespace varnel {

// The font with its size set to factor times the default font's size (not the font's own).
QFont scaled_default_font(QFont font, qreal factor);

} // namespace varnel
