#include "app/TextShaping.h"

#include <algorithm>

namespace varnel {

namespace {

bool needs_shaping(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0300; });
}

} // namespace

void fit_shaping(QWidget& widget, QStringView text) {
    const QFont::StyleStrategy strategy = widget.font().styleStrategy();
    const QFont::StyleStrategy fitting =
        needs_shaping(text) ? QFont::StyleStrategy(strategy & ~QFont::PreferNoShaping)
                            : QFont::StyleStrategy(strategy | QFont::PreferNoShaping);
    if (fitting != strategy) {
        QFont font = widget.font();
        font.setStyleStrategy(fitting);
        widget.setFont(font);
    }
}

} // namespace varnel
