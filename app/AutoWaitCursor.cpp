#include "app/AutoWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

AutoWaitCursor::AutoWaitCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

AutoWaitCursor::~AutoWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}
