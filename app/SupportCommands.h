#pragma once
// Help, License and Help, E-mail Support: each answers also where the desktop cannot start a
// browser or a mail program (no xdg-utils, nothing registered). The licence then opens in a window
// of Varnel's own, and the support address shows in a box, selectable and with a button that
// copies it.

#include "app/StartFile.h"

#include <QPointer>
#include <QWidget>

namespace varnel {

class SupportCommands {
public:
    // The owner keeps the windows the commands open and closes them with itself; open_url hands an
    // address to the desktop.
    explicit SupportCommands(QWidget& owner, UrlOpener open_url = open_with_desktop);

    void show_license();
    void email_support();

private:
    QWidget& owner;
    UrlOpener open_url;
    QPointer<QWidget> license_window;
    QPointer<QWidget> address_box;
};

} // namespace varnel
