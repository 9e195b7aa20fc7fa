#include "tests/app/WindowUnderTest.h"

#include "varnel/settings/QStringConversion.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

namespace varnel {

WindowUnderTest::WindowUnderTest()
    : window(settings), search_for_box(window.findChild<SampleBox*>("search_for_box")),
      search_for_paste(window.findChild<QPushButton*>("search_for_paste")),
      replace_with_box(window.findChild<SampleBox*>("replace_with_box")),
      replace_with_paste(window.findChild<QPushButton*>("replace_with_paste")),
      make_regex_button(window.findChild<QPushButton*>("make_regex_button")),
      regex_box(window.findChild<RichTextBox*>("regex_box")),
      regex_copy_button(window.findChild<QPushButton*>("regex_copy_button")),
      format_box(window.findChild<RichTextBox*>("format_box")),
      format_copy_button(window.findChild<QPushButton*>("format_copy_button")),
      suggestions_list(window.findChild<QTreeWidget*>("suggestions_list")),
      apply_button(window.findChild<QPushButton*>("apply_button")),
      busy_status(window.findChild<QWidget*>("busy_status")),
      check_status(window.findChild<QWidget*>("check_status")) {
    window.get_window().show();
    window.get_window().activateWindow();
    active = QTest::qWaitForWindowActive(&window.get_window());
}

bool WindowUnderTest::complete() const {
    return active && search_for_box && search_for_paste && replace_with_box && replace_with_paste &&
           make_regex_button && regex_box && regex_copy_button && format_box &&
           format_copy_button && suggestions_list && apply_button && busy_status && check_status;
}

QMenu* WindowUnderTest::menu(const QString& title) const {
    for (QAction* entry : window.menuBar()->actions()) {
        // The title as shown, without the mark of its access key.
        if (entry->menu() != nullptr && QString(entry->text()).remove(QLatin1Char('&')) == title) {
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

void WindowUnderTest::select(RichTextBox& box, int start, int end) {
    box.select(static_cast<RichTextBox::Offset>(start), static_cast<RichTextBox::Offset>(end));
}

QString WindowUnderTest::text(const RichTextBox& box) {
    return to_qstring(box.text());
}

QString WindowUnderTest::selected_text(const RichTextBox& box) {
    const RichTextBox::Selection selection = box.selection();
    return to_qstring(box.text().substr(selection.start(), selection.end() - selection.start()));
}

QStringList WindowUnderTest::suggestion_rows() const {
    QStringList rows;
    for (int i = 0; i < suggestions_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = suggestions_list->topLevelItem(i);
        rows.append(item->text(0) + QStringLiteral(" | ") + item->text(1));
    }
    return rows;
}

QString WindowUnderTest::busy_note() const {
    const auto* label = busy_status->findChild<QLabel*>();
    return busy_status->isHidden() || label == nullptr ? QString() : label->text();
}

bool WindowUnderTest::wait_until_idle() const {
    return QTest::qWaitFor([this] { return busy_status->isHidden(); }, 120000);
}

QString WindowUnderTest::check_line() const {
    const auto* mark = check_status->findChild<QLabel*>(QStringLiteral("check_mark"));
    const auto* text = check_status->findChild<QLabel*>(QStringLiteral("check_text"));
    if (check_status->isHidden() || mark == nullptr || text == nullptr) {
        return {};
    }
    return mark->text() + QLatin1Char(' ') + text->toolTip();
}

QString WindowUnderTest::note() const {
    const auto* note = window.findChild<QLabel*>(QStringLiteral("status_note"));
    return note != nullptr && !note->isHidden() ? note->text() : QString();
}

bool WindowUnderTest::use_context_menu(QWidget& widget, const QString& caption_start) {
    auto* area = qobject_cast<QAbstractScrollArea*>(&widget);
    QWidget& target = area != nullptr ? *area->viewport() : widget;
    const QPoint place(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, place, target.mapToGlobal(place));
    QApplication::sendEvent(&target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return false;
    }
    bool used = false;
    for (QAction* entry : menu->actions()) {
        if (!used && entry->isEnabled() && entry->text().startsWith(caption_start)) {
            entry->trigger();
            used = true;
        }
    }
    menu->close();
    return used;
}

} // namespace varnel
