#include "app/StatusNote.h"

namespace varnel {

StatusNote::StatusNote(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setMinimumWidth(1);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void StatusNote::show_note(const QString& text, std::chrono::milliseconds time) {
    setText(text);
    show();
    timer.start(time);
}

} // namespace varnel
