// Retakes the pictures of Varnel that the help, the README and the AppStream metadata show: the
// window, the live check in each of its states, a list of suggestions, an element menu, the
// preview of a rule on a text and its teaching, the help window and the About box. Run by
// scripts/screenshots.sh on the offscreen platform:
//     varnel_screenshots REPOSITORY HELP_FILE

#include "app/AboutDialog.h"
#include "app/ChmFile.h"
#include "app/HelpViewer.h"
#include "app/LineVerdictsModel.h"
#include "app/MainWindow.h"
#include "app/PreviewWindow.h"
#include "app/RichTextBox.h"
#include "varnel/settings/Settings.h"

#include <cstdio>
#include <locale>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThreadPool>

using namespace varnel;

namespace {

void settle() {
    // Work in the background hands its result over first.
    QThreadPool::globalInstance()->waitForDone();
    for (int round = 0; round < 5; ++round) {
        QApplication::processEvents();
    }
}

bool save(QWidget& widget, const QDir& repository, const char* path) {
    settle();
    if (!widget.grab().save(repository.filePath(QLatin1String(path)))) {
        std::fprintf(stderr, "Cannot write %s\n", path);
        return false;
    }
    return true;
}

void make(MainWindow& window, const char* search, const char* replace) {
    window.findChild<QLineEdit*>(QStringLiteral("search_for_box"))->setText(QLatin1String(search));
    window.findChild<QLineEdit*>(QStringLiteral("replace_with_box"))
        ->setText(QLatin1String(replace));
    window.findChild<QPushButton*>(QStringLiteral("make_regex_button"))->click();
}

// Puts the text in a result box as if the user had typed it over the box's whole text.
void retype(MainWindow& window, const char* box_name, const std::wstring& text) {
    auto* box = window.findChild<RichTextBox*>(QLatin1String(box_name));
    box->select(0, box->text().size());
    box->replace_selection(text);
}

void select_in_regex(MainWindow& window, const QString& text) {
    auto* box = window.findChild<QTextEdit*>(QStringLiteral("regex_box"));
    QTextCursor cursor = box->textCursor();
    const int start = static_cast<int>(box->toPlainText().indexOf(text));
    cursor.setPosition(start);
    cursor.setPosition(start + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: varnel_screenshots REPOSITORY HELP_FILE\n");
        return 2;
    }
    std::locale::global(std::locale("C.UTF-8"));
    // A fresh settings store: the pictures show the Visual Studio language whatever the user chose.
    const QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QDir repository(QString::fromLocal8Bit(argv[1]));

    Settings settings;
    MainWindow window(settings);
    window.show();
    make(window, "John Smith", "Smith, John");
    bool saved = save(window, repository, "docs/screenshot.png");
    saved &= save(window, repository, "docs/check-rebuilds.png");
    retype(window, "format_box", L"\\3 \\1");
    saved &= save(window, repository, "docs/check-differs.png");
    retype(window, "format_box", L"\\3,\\2\\1");
    retype(window, "regex_box", L"{John}{ }{Smyth}");
    saved &= save(window, repository, "docs/check-no-match.png");
    retype(window, "regex_box", L"{John}{ }{Smith}(");
    saved &= save(window, repository, "docs/check-invalid.png");

    make(window, "total = 1024;", "1024");
    select_in_regex(window, QStringLiteral("1024"));
    saved &= save(window, repository, "help/pages/images/suggestions.png");

    auto* specials = window.findChild<QMenu*>(QStringLiteral("specials_menu"));
    specials->popup(window.mapToGlobal(QPoint(60, 30)));
    saved &= save(*specials, repository, "help/pages/images/menu.png");
    specials->hide();

    // The preview of the rule on a changelog's dates, then taught from a line it gets wrong.
    make(window, "2020-01-16", "16/01/2020");
    window.findChild<QMenu*>(QStringLiteral("tools_menu"))->actions().front()->trigger();
    auto* preview = window.findChild<PreviewWindow*>(QStringLiteral("preview_window"));
    preview->insert_text(QStringLiteral(
        "2020-01-16 Release 1.0\n2020-01-16 Fixed the check of long samples\n"
        "Released again on 2020-01-16\n2021-03-02 Release 1.1: the ECMAScript language\n"
        "  (no date on this line)\n2021-03-02 The help window reads the compiled help\n"
        "2022-11-30 Release 1.2\n"));
    saved &= save(*preview, repository, "docs/preview.png");
    auto* lines = preview->findChild<QTableView*>(QStringLiteral("lines_view"));
    lines->model()->setData(lines->model()->index(3, LineVerdictsModel::becomes_column),
                            QStringLiteral("02/03/2021 Release 1.1: the ECMAScript language"));
    settle();
    lines->setCurrentIndex(lines->model()->index(3, LineVerdictsModel::line_column));
    saved &= save(*preview, repository, "docs/preview-taught.png");
    saved &= save(*preview, repository, "help/pages/images/preview.png");
    preview->hide();

    std::optional<ChmFile> help = ChmFile::open(QString::fromLocal8Bit(argv[2]));
    if (!help) {
        std::fprintf(stderr, "Cannot read the help file %s\n", argv[2]);
        return 1;
    }
    auto* viewer = new HelpViewer(std::move(*help), window);
    viewer->show();
    saved &= save(*viewer, repository, "docs/help-window.png");

    AboutDialog about(window);
    about.show();
    saved &= save(about, repository, "docs/about.png");
    return saved ? 0 : 1;
}
