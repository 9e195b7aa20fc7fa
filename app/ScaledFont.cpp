#include "app/ScaledFont.h"

#include <QApplication>

namespace varnel {

QFont scaled_default_font(QFont font, qreal factor) {
    const QFont system = QApplication::font();
    if (system.pointSizeF() > 0) {
        font.setPointSizeF(system.pointSizeF() * factor);
    } else {
        font.setPixelSize(qRound(system.pixelSize() * factor));
    }
    return font;
}

} // namespace varnel
