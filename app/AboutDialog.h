#pragma once
// The About box: Varnel's name, version and release date, and a link to its web site.

#include <QDialog>

namespace varnel {

class AboutDialog : public QDialog {
public:
    // Centred over the owner and kept on its screen; the owner takes no input while the box is
    // shown modally.
    explicit AboutDialog(QWidget& owner);
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    QDialog& get_window();

    // Opens the web site with the desktop's default handler.
    void on_link();
};

} // namespace varnel
