#include "tests/app/WindowUnderTest.h"

#include "app/RichTextBox.h"
#include "settings/QStringConversion.h"

#include <QMenuBar>
#include <QTest>

WindowUnderTest::WindowUnderTest()
    : window(settings), search_for_box(window.findChild<QLineEdit*>("search_for_box")),
      search_for_paste(window.findChild<QPushButton*>("search_for_paste")),
      replace_with_box(window.findChild<QLineEdit*>("replace_with_box")),
      replace_with_paste(window.findChild<QPushButton*>("replace_with_paste")),
      make_regex_button(window.findChild<QPushButton*>("make_regex_button")),
      regex_box(window.findChild<QTextEdit*>("regex_box")),
      regex_copy_button(window.findChild<QPushButton*>("regex_copy_button")),
      format_box(window.findChild<QTextEdit*>("format_box")),
      format_copy_button(window.findChild<QPushButton*>("format_copy_button")),
      suggestions_list(window.findChild<QTreeWidget*>("suggestions_list")),
      apply_button(window.findChild<QPushButton*>("apply_button")) {
    window.get_window().show();
    window.get_window().activateWindow();
    active = QTest::qWaitForWindowActive(&window.get_window());
}

bool WindowUnderTest::complete() const {
    return active && search_for_box && search_for_paste && replace_with_box && replace_with_paste &&
           make_regex_button && regex_box && regex_copy_button && format_box &&
           format_copy_button && suggestions_list && apply_button;
}

QMenu* WindowUnderTest::menu(const QString& title) const {
    for (QAction* entry : window.menuBar()->actions()) {
        if (entry->menu() != nullptr && entry->text() == title) {
            return entry->menu();
        }
    }
    return nullptr;
}

QAction* WindowUnderTest::menu_entry(const QString& menu_title,
                                     const QString& caption_start) const {
    QMenu* parent = menu(menu_title);
    if (parent == nullptr) {
        return nullptr;
    }
    for (QAction* entry : parent->actions()) {
        if (!entry->isSeparator() && entry->text().startsWith(caption_start)) {
            return entry;
        }
    }
    return nullptr;
}

void WindowUnderTest::type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the BMP is one key press carrying its surrogate pair.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

void WindowUnderTest::make(const QString& search, const QString& replace) {
    type(search_for_box, search);
    type(replace_with_box, replace);
    QTest::mouseClick(make_regex_button, Qt::LeftButton);
}

void WindowUnderTest::select(QTextEdit& box, int start, int end) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(rich_box_position(box, static_cast<std::wstring::size_type>(start)));
    cursor.setPosition(rich_box_position(box, static_cast<std::wstring::size_type>(end)),
                       QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

QString WindowUnderTest::text(const QTextEdit& box) {
    return to_qstring(rich_text_box_text(box));
}

QString WindowUnderTest::selected_text(const QTextEdit& box) {
    return box.textCursor().selectedText();
}

QStringList WindowUnderTest::suggestion_rows() const {
    QStringList rows;
    for (int i = 0; i < suggestions_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = suggestions_list->topLevelItem(i);
        rows.append(item->text(0) + QStringLiteral(" | ") + item->text(1));
    }
    return rows;
}
