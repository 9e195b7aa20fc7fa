#pragma once
// The real main window, shown, with its controls found by name the way a user finds them on
// screen, and small steps a user takes.

#include "app/MainWindow.h"
#include "app/RichTextBox.h"
#include "app/SampleBox.h"
#include "varnel/settings/Settings.h"

#include <string>

#include <QMenu>
#include <QPushButton>
#include <QString>
#include <QTreeWidget>

namespace varnel {

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
    // Selects characters [start, end) of a result box, caret at end.
    static void select(RichTextBox& box, int start, int end);
    static QString text(const RichTextBox& box);
    static QString selected_text(const RichTextBox& box);
    // The rows of the suggestions list as "regex | description".
    QStringList suggestion_rows() const;
    // The status bar's note of work under way; empty when there is none.
    QString busy_note() const;
    // Turns the event loop until no work is under way; false if that takes over two minutes.
    bool wait_until_idle() const;
    // The window's note in the status bar; empty when it shows none.
    QString note() const;
    // The live check's line: its mark, a space and its whole text; empty when it shows nothing.
    QString check_line() const;
    // Opens the widget's context menu, triggers the entry whose caption starts with the text and
    // closes the menu; false when the menu has no such entry enabled.
    static bool use_context_menu(QWidget& widget, const QString& caption_start);

    Settings settings;
    MainWindow window;
    SampleBox* search_for_box;
    QPushButton* search_for_paste;
    SampleBox* replace_with_box;
    QPushButton* replace_with_paste;
    QPushButton* make_regex_button;
    RichTextBox* regex_box;
    QPushButton* regex_copy_button;
    RichTextBox* format_box;
    QPushButton* format_copy_button;
    QTreeWidget* suggestions_list;
    QPushButton* apply_button;
    QWidget* busy_status;
    QWidget* check_status;

private:
    bool active = false;
};

} // namespace varnel
