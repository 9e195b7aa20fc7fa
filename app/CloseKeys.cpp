#include "app/CloseKeys.h"

#include <QAction>

namespace varnel {

void close_with_keys(QWidget& window) {
    auto* close = new QAction(&window);
    close->setShortcuts(
        {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ControlModifier | Qt::Key_W)});
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
    window.addAction(close);
}

} // namespace varnel
