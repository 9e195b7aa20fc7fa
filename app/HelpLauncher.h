#pragma once
// Opens Varnel's compiled help file: with the desktop's viewer where one is registered for the
// format, otherwise in Varnel's own help window.

#include "app/HelpViewer.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace varnel {

class HelpLauncher {
public:
    // The owner keeps the help window and closes it with itself.
    explicit HelpLauncher(QWidget& owner);

    // Does nothing, without a message, when the file is missing or cannot be read.
    void open(const QString& path);

private:
    QWidget& owner;
    QPointer<HelpViewer> viewer;
};

} // namespace varnel
