#pragma once
// The real main window, shown, with its controls found by name the way a user finds them on
// screen, and small steps a user takes.

#include "app/MainWindow.h"
#include "settings/Settings.h"

#include <string>

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QString>
#include <QTextEdit>
#include <QTreeWidget>

class WindowUnderTest {
public:
    WindowUnderTest();
    WindowUnderTest(const WindowUnderTest&) = delete;
    WindowUnderTest& operator=(const WindowUnderTest&) = delete;

    // True when the window is active and every control was found; checked by the fixtures before a
    // test starts.
    bool complete() const;

    QMenu* menu(const QString& title) const;
    // The entry of a menu whose caption starts with the text, or null.
    QAction* menu_entry(const QString& menu_title, const QString& caption_start) const;

    // Types the text into the widget key by key; unlike QTest::keyClicks it takes any character.
    static void type(QWidget* widget, const QString& text);
    // Types the samples into the empty boxes and clicks "Make regular expression".
    void make(const QString& search, const QString& replace);
    // Selects plain-text characters [start, end) of a result box, caret at end.
    static void select(QTextEdit& box, int start, int end);
    static QString text(const QTextEdit& box);
    static QString selected_text(const QTextEdit& box);
    // The rows of the suggestions list as "regex | description".
    QStringList suggestion_rows() const;

    Settings settings;
    MainWindow window;
    QLineEdit* search_for_box;
    QPushButton* search_for_paste;
    QLineEdit* replace_with_box;
    QPushButton* replace_with_paste;
    QPushButton* make_regex_button;
    QTextEdit* regex_box;
    QPushButton* regex_copy_button;
    QTextEdit* format_box;
    QPushButton* format_copy_button;
    QTreeWidget* suggestions_list;
    QPushButton* apply_button;

private:
    bool active = false;
};
