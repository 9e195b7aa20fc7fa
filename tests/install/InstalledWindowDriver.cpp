// Loaded into the installed varnel with LD_PRELOAD by the installation test, so that the program
// under test is exactly the installed one. Once the window is up it does what a user does: opens
// the help and reports what the help window shows, opens the About box and reports its lines, then
// closes the window. The report goes to standard output, a line each.

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace {

void report(const char* what, const QString& text) {
    std::printf("%s: %s\n", what, qPrintable(text));
    std::fflush(stdout);
}

QMainWindow* varnel_window() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == QLatin1String("Varnel") && window->isVisible()) {
            return qobject_cast<QMainWindow*>(window);
        }
    }
    return nullptr;
}

QAction* menu_entry(const QMainWindow& window, const QString& caption) {
    for (QAction* entry : window.findChildren<QAction*>()) {
        // The menu "Help" has an action of that caption too.
        if (entry->text() == caption && entry->menu() == nullptr) {
            return entry;
        }
    }
    return nullptr;
}

void report_about_box() {
    QWidget* about = QApplication::activeModalWidget();
    if (about == nullptr) {
        report("about", QStringLiteral("no modal window"));
        return;
    }
    QStringList lines;
    for (const QLabel* label : about->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            lines.append(label->text());
        }
    }
    report("about",
           about->windowTitle() + QStringLiteral(" | ") + lines.join(QStringLiteral(" | ")));
    about->close();
}

void drive() {
    QMainWindow* window = varnel_window();
    QAction* help = window ? menu_entry(*window, QStringLiteral("Help")) : nullptr;
    QAction* about = window ? menu_entry(*window, QStringLiteral("About")) : nullptr;
    if (help == nullptr || about == nullptr) {
        report("window", QStringLiteral("not found"));
        QApplication::exit(3);
        return;
    }
    help->trigger();
    const auto* browser = window->findChild<QTextBrowser*>();
    // The help window's own tree, not the main window's list of suggestions.
    const auto* contents = browser ? browser->window()->findChild<QTreeWidget*>() : nullptr;
    if (contents == nullptr) {
        report("help window", QStringLiteral("not shown"));
    } else {
        report("help window", browser->window()->windowTitle());
        report("help page", browser->documentTitle());
        QStringList topics;
        for (int i = 0; i < contents->topLevelItemCount(); ++i) {
            topics.append(contents->topLevelItem(i)->text(0));
        }
        report("help contents", topics.join(QStringLiteral(" | ")));
    }
    // The About box is modal: it is read and closed from within its own event loop.
    QTimer::singleShot(0, report_about_box);
    about->trigger();
    window->close();
}

void start_driving() {
    QTimer::singleShot(0, drive);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start_driving)
