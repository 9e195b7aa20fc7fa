#pragma once
// Varnel's own window for its compiled help file, for desktops that have no viewer for the format:
// the table of contents beside the page, links and images, back and forward, and find in page.

#include "app/ChmFile.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>

namespace varnel {

// Shows the pages of a help file; relative links and images resolve inside the file.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(const ChmFile& file);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const ChmFile& file;
};

class HelpViewer : public QMainWindow {
public:
    // A window of the owner's, closed with it, and with Escape or Ctrl+W; it opens on the file's
    // default topic, placed on the owner's screen.
    HelpViewer(ChmFile file, QWidget& owner);
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // The address of a page of the help file, as the browser and the contents use it.
    static QUrl topic_url(const QString& path);

    // Selects the next (or previous) place of the find box's text in the page, from the caret,
    // going round at the end.
    void find(bool backward);

private:
    void create_contents();
    void create_tool_bar();
    void on_link(const QUrl& link);
    void on_contents_item(const QTreeWidgetItem* item);
    void on_source_changed(const QUrl& source);

    ChmFile file;
    HelpBrowser* browser;
    QTreeWidget* contents;
    QLineEdit* find_box;
};

} // namespace varnel
