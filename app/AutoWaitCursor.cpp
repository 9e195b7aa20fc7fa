#include "app/AutoWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace varnel {

AutoWaitCursor::AutoWaitCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

AutoWaitCursor::~AutoWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace varnel
