// The main window driven as a user drives it: typing, clicking, Enter, selecting, menus.

#include "tests/app/AppTest.h"
#include "tests/app/OpenedUrls.h"
#include "tests/app/ScopedDesktop.h"
#include "tests/app/WindowUnderTest.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/settings/QStringConversion.h"
#include "varnel/settings/UserRegistryKey.h"
#include "varnel/suggestions/MakeSuggestions.h"

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTextBrowser>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

using namespace varnel;

namespace {

// The caption an element menu shows for a table record, "&" as the menu writes it.
QString element_caption(const LanguageElementDescription& element) {
    static const wchar_t* const pads[] = {L"", L"\t", L"  "};
    return to_qstring(element.text + pads[element.menu_workaround] + L"\t" + element.description)
        .replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QStringList checked_entries(QMenu& menu) {
    QStringList checked;
    for (QAction* entry : menu.actions()) {
        if (entry->isChecked()) {
            checked.append(entry->text());
        }
    }
    return checked;
}

// A text long enough to be worked on in the background.
QString long_text() {
    return QStringLiteral("abc 123, ").repeated(4000);
}

void store_language(const char* text) {
    QVERIFY(UserRegistryKey(L"Software\\Sorvexa\\Varnel\\1.0")
                .set_string(L"Language", to_wstring(QString::fromLatin1(text))));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        config = std::make_unique<ScopedConfigHome>();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() {
        ui.reset();
        config.reset();
    }

    void starts_with_only_boxes_and_menus_usable() {
        start_window();
        QCOMPARE(ui->window.windowTitle(), QStringLiteral("Varnel"));
        QCOMPARE(ui->window.size(), QSize(700, 440));
        for (QWidget* usable : std::initializer_list<QWidget*>{
                 ui->search_for_box, ui->replace_with_box, ui->regex_box, ui->format_box}) {
            QVERIFY2(usable->isEnabled(), qPrintable(usable->objectName()));
        }
        QVERIFY(!ui->regex_box->isReadOnly());
        QVERIFY(!ui->format_box->isReadOnly());
        for (QWidget* unusable : std::initializer_list<QWidget*>{
                 ui->make_regex_button, ui->regex_copy_button, ui->format_copy_button,
                 ui->suggestions_list, ui->apply_button, ui->search_for_paste,
                 ui->replace_with_paste}) {
            QVERIFY2(!unusable->isEnabled(), qPrintable(unusable->objectName()));
        }
        QVERIFY(ui->search_for_box->hasFocus());
        QCOMPARE(ui->suggestions_list->headerItem()->text(0), QStringLiteral("Regex suggestion"));
        QCOMPARE(ui->suggestions_list->headerItem()->text(1), QStringLiteral("Description"));
        QStringList menus;
        for (QAction* entry : ui->window.menuBar()->actions()) {
            menus.append(entry->text());
        }
        QCOMPARE(menus, (QStringList{"&Language", "&Specials", "&Characters", "St&rings", "&Tools",
                                     "&Help"}));
    }

    // Alt and a menu's access key open the menu, from the sample box too, which takes no letter.
    void access_keys_open_the_menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("key");
        QTest::newRow("Language") << "Language" << int(Qt::Key_L);
        QTest::newRow("Specials") << "Specials" << int(Qt::Key_S);
        QTest::newRow("Characters") << "Characters" << int(Qt::Key_C);
        QTest::newRow("Strings") << "Strings" << int(Qt::Key_R);
        QTest::newRow("Tools") << "Tools" << int(Qt::Key_T);
        QTest::newRow("Help") << "Help" << int(Qt::Key_H);
    }
    void access_keys_open_the_menus() {
        QFETCH(QString, menu);
        QFETCH(int, key);
        start_window();
        QTest::keyClick(ui->search_for_box, static_cast<Qt::Key>(key), Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), ui->menu(menu));
        QCOMPARE(ui->search_for_box->sample(), QString());
        ui->menu(menu)->close();
    }

    void make_button_follows_the_search_text() {
        start_window();
        QTest::keyClicks(ui->replace_with_box, QStringLiteral("only the replacement"));
        QVERIFY(!ui->make_regex_button->isEnabled());
        QTest::keyClicks(ui->search_for_box, QStringLiteral("a"));
        QVERIFY(ui->make_regex_button->isEnabled());
        QTest::keyClick(ui->search_for_box, Qt::Key_Backspace);
        QVERIFY(!ui->make_regex_button->isEnabled());
    }

    void john_smith_becomes_groups_and_back_references() {
        start_window();
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{John}{ }{Smith}"));
        QCOMPARE(WindowUnderTest::text(*ui->format_box), QStringLiteral("\\3,\\2\\1"));
        // The first stretch a named pattern recognises is selected, and its suggestions listed
        // with the last one chosen.
        QCOMPARE(WindowUnderTest::selected_text(*ui->regex_box), QStringLiteral("John"));
        QCOMPARE(ui->regex_box->textCursor().position(), 5);
        QVERIFY(ui->regex_box->hasFocus());
        QCOMPARE(ui->suggestion_rows(),
                 (QStringList{":Al+ | Alphabetic string", ":a+ | English alphanumeric characters",
                              ":i | C/C++ identifier"}));
        QCOMPARE(ui->suggestions_list->selectedItems().value(0),
                 ui->suggestions_list->topLevelItem(2));
        QVERIFY(ui->apply_button->isEnabled());
        QVERIFY(ui->regex_copy_button->isEnabled());
        QVERIFY(ui->format_copy_button->isEnabled());
        QVERIFY(ui->suggestions_list->isEnabled());
        QCOMPARE(ui->format_box->textCursor().position(), 7);

        QTest::mouseClick(ui->apply_button, Qt::LeftButton);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{:i}{ }{Smith}"));
    }

    // Another language takes the rule as the user left it where that language can say it exactly,
    // and makes it again from the samples, with a note, where it cannot. Either is one step.
    void another_language_carries_the_rule_over_or_makes_it_again_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("regex");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("note");
        QTest::newRow("carried over") << "ECMAScript"
                                      << "((?:[$A-Z_a-z][$0-9A-Z_a-z]*))( )(Smith)"
                                      << "$3,$2$1"
                                      << ""
                                      << "";
        QTest::newRow("made again")
            << "POSIX ERE"
            << "(John)( )(Smith)"
            << "\\3,\\2\\1"
            << "John"
            << "The rule cannot be written exactly in POSIX ERE: made again from the samples.";
        QTest::newRow("carried over to Python") << "Python"
                                                << "((?:[$A-Z_a-z][$0-9A-Z_a-z]*))( )(Smith)"
                                                << "\\g<3>,\\g<2>\\g<1>"
                                                << ""
                                                << "";
    }
    void another_language_carries_the_rule_over_or_makes_it_again() {
        QFETCH(QString, language);
        QFETCH(QString, regex);
        QFETCH(QString, format);
        QFETCH(QString, selected);
        QFETCH(QString, note);
        start_window();
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        // The identifier pattern in place of "John".
        QTest::mouseClick(ui->apply_button, Qt::LeftButton);
        const QStringList generalised{WindowUnderTest::text(*ui->regex_box),
                                      WindowUnderTest::text(*ui->format_box)};
        QCOMPARE(generalised, (QStringList{"{:i}{ }{Smith}", "\\3,\\2\\1"}));

        ui->menu_entry("Language", language)->trigger();
        QVERIFY(ui->wait_until_idle());
        QCOMPARE(checked_entries(*ui->menu(QStringLiteral("Language"))), QStringList{language});
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), regex);
        QCOMPARE(WindowUnderTest::text(*ui->format_box), format);
        QCOMPARE(WindowUnderTest::selected_text(*ui->regex_box), selected);
        QCOMPARE(ui->note(), note);
        QCOMPARE(ui->search_for_box->text(), QStringLiteral("John Smith"));
        QCOMPARE(ui->replace_with_box->text(), QStringLiteral("Smith, John"));

        QTest::keyClick(ui->regex_box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui->note(), QString());
        QCOMPARE(checked_entries(*ui->menu(QStringLiteral("Language"))),
                 QStringList{QStringLiteral("Visual Studio")});
        QCOMPARE((QStringList{WindowUnderTest::text(*ui->regex_box),
                              WindowUnderTest::text(*ui->format_box)}),
                 generalised);
    }

    // Shaping is skipped where it changes nothing and costs a third of a long line's layout; text
    // with combining marks or joined letters is shaped, and the next plain text is not.
    void boxes_shape_the_text_that_needs_it_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("shaped");
        QTest::newRow("ASCII") << QStringLiteral("John Smith") << false;
        QTest::newRow("Latin letters with their accents")
            << QStringLiteral("Ren\u00e9e \u0141\u00f3d\u017a") << false;
        QTest::newRow("combining accent") << QStringLiteral("Rene\u0301e") << true;
        QTest::newRow("Arabic") << QStringLiteral("\u0645\u0631\u062d\u0628\u0627 1") << true;
        QTest::newRow("Devanagari")
            << QStringLiteral("\u0928\u092e\u0938\u094d\u0924\u0947") << true;
        QTest::newRow("surrogate pair") << QStringLiteral("a \U0001F600 b") << true;
    }
    void boxes_shape_the_text_that_needs_it() {
        QFETCH(QString, sample);
        QFETCH(bool, shaped);
        start_window();
        const auto is_shaped = [](const QWidget* box) {
            return (box->font().styleStrategy() & QFont::PreferNoShaping) == 0;
        };
        const QFont sample_font = ui->search_for_box->font();
        for (int round = 0; round < 2; ++round) {
            ui->search_for_box->clear();
            ui->replace_with_box->clear();
            ui->make(sample, sample + QStringLiteral("!"));
            QCOMPARE(is_shaped(ui->search_for_box), shaped);
            QCOMPARE(is_shaped(ui->replace_with_box), shaped);
            QCOMPARE(is_shaped(ui->regex_box), shaped);
            QCOMPARE(ui->search_for_box->font().family(), sample_font.family());
            QCOMPARE(ui->search_for_box->font().pointSizeF(), sample_font.pointSizeF());
            // Plain text after it is drawn unshaped again, and the other way round.
            sample = shaped ? QStringLiteral("plain") : QStringLiteral("\u0645\u0631");
            shaped = !shaped;
        }
    }

    void enter_makes_the_regex_from_any_box_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("search box") << QStringLiteral("search_for_box");
        QTest::newRow("replace box") << QStringLiteral("replace_with_box");
        QTest::newRow("regex box") << QStringLiteral("regex_box");
        QTest::newRow("format box") << QStringLiteral("format_box");
    }
    void enter_makes_the_regex_from_any_box() {
        QFETCH(QString, box);
        start_window();
        QWidget* target = ui->window.findChild<QWidget*>(box);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QString());

        QTest::keyClicks(ui->search_for_box, QStringLiteral("John Smith"));
        QTest::keyClicks(ui->replace_with_box, QStringLiteral("Smith, John"));
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{John}{ }{Smith}"));
        QCOMPARE(WindowUnderTest::text(*ui->format_box), QStringLiteral("\\3,\\2\\1"));
    }

    void an_empty_replacement_still_makes_a_regex() {
        start_window();
        ui->make(QStringLiteral("a.b"), QString());
        const ReplaceRegex expected = make_replace_regex(
            L"a.b", L"", LanguageFactory().regex_formatting(Language::VisualStudio));
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), to_qstring(expected.regex));
        QCOMPARE(WindowUnderTest::text(*ui->format_box), to_qstring(expected.format));
        QVERIFY(!expected.regex.empty());
    }

    void text_outside_ascii_survives_the_round_trip() {
        start_window();
        const QString search = QStringLiteral("Zoë 😀 中文 Ωmega");
        const QString replace = QStringLiteral("中文 Zoë 😀");
        ui->make(search, replace);
        QCOMPARE(ui->search_for_box->text(), search);
        const ReplaceRegex expected =
            make_replace_regex(to_wstring(search), to_wstring(replace),
                               LanguageFactory().regex_formatting(Language::VisualStudio));
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), to_qstring(expected.regex));
        QCOMPARE(WindowUnderTest::text(*ui->format_box), to_qstring(expected.format));
        QVERIFY(WindowUnderTest::text(*ui->regex_box).contains(QStringLiteral("😀")));

        QTest::mouseClick(ui->regex_copy_button, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), to_qstring(expected.regex));
        QTest::mouseClick(ui->format_copy_button, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), to_qstring(expected.format));
    }

    void selections_without_suggestions_leave_the_list_empty_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("selected");
        QTest::newRow("caret only") << "John Smith" << 16 << 16 << "";
        QTest::newRow("group syntax") << "John Smith" << 0 << 6 << "{John}";
        QTest::newRow("escape of nothing recognised") << "ab.cd" << 2 << 4 << "\\.";
    }
    void selections_without_suggestions_leave_the_list_empty() {
        QFETCH(QString, search);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, selected);
        start_window();
        ui->make(search, QStringLiteral("Smith, John"));
        QVERIFY(ui->apply_button->isEnabled());
        WindowUnderTest::select(*ui->regex_box, start, end);
        QCOMPARE(WindowUnderTest::selected_text(*ui->regex_box), selected);
        QCOMPARE(ui->suggestions_list->topLevelItemCount(), 0);
        QVERIFY(!ui->apply_button->isEnabled());
        QVERIFY(ui->suggestions_list->isEnabled());
    }

    void selecting_by_keyboard_lists_suggestions() {
        start_window();
        ui->make(QStringLiteral("abc 123"), QString());
        QTest::keyClick(ui->regex_box, Qt::Key_Home);
        const QString text = WindowUnderTest::text(*ui->regex_box);
        const int digits = static_cast<int>(text.indexOf(QStringLiteral("123")));
        QVERIFY(digits > 0);
        for (int i = 0; i < digits; ++i) {
            QTest::keyClick(ui->regex_box, Qt::Key_Right);
        }
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(ui->regex_box, Qt::Key_Right, Qt::ShiftModifier);
        }
        QCOMPARE(WindowUnderTest::selected_text(*ui->regex_box), QStringLiteral("123"));
        QCOMPARE(ui->suggestion_rows(),
                 (QStringList{":z | Integer", ":h | Hexadecimal number", ":n | Rational number",
                              ":a+ | English alphanumeric characters"}));
        QVERIFY(ui->apply_button->isEnabled());
    }

    void double_click_applies_the_chosen_row() {
        start_window();
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        QTreeWidgetItem* first = ui->suggestions_list->topLevelItem(0);
        const QRect row = ui->suggestions_list->visualItemRect(first);
        QTest::mouseClick(ui->suggestions_list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(ui->suggestions_list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{:Al+}{ }{Smith}"));
    }

    void double_click_on_an_empty_list_does_nothing() {
        start_window();
        QTest::keyClicks(ui->regex_box, QStringLiteral("abc"));
        QCOMPARE(ui->suggestions_list->topLevelItemCount(), 0);
        QTest::mouseDClick(ui->suggestions_list->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("abc"));
    }

    void typing_into_the_regex_box_restyles_it_in_place() {
        start_window();
        QTest::keyClicks(ui->regex_box, QStringLiteral("{ab}"));
        QVERIFY(ui->regex_copy_button->isEnabled());
        QVERIFY(ui->suggestions_list->isEnabled());
        QVERIFY(!ui->format_copy_button->isEnabled());
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{ab}"));
        QCOMPARE(ui->regex_box->textCursor().position(), 4);

        QTest::keyClick(ui->regex_box, Qt::Key_Left);
        QTest::keyClick(ui->regex_box, Qt::Key_Left);
        QTest::keyClicks(ui->regex_box, QStringLiteral("xy"));
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{axyb}"));
        QCOMPARE(ui->regex_box->textCursor().position(), 4);
        // The group braces are syntax and shown heavy; the letters are not.
        QTextCursor probe(ui->regex_box->document());
        probe.setPosition(1);
        QCOMPARE(probe.charFormat().fontWeight(), 800);
        probe.setPosition(3);
        QVERIFY(probe.charFormat().fontWeight() < 800);

        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(ui->regex_box, Qt::Key_Backspace);
            QTest::keyClick(ui->regex_box, Qt::Key_Delete);
        }
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QString());
        QVERIFY(!ui->regex_copy_button->isEnabled());
        QVERIFY(!ui->suggestions_list->isEnabled());
    }

    void typing_into_the_format_box_enables_only_its_copy_button() {
        start_window();
        QTest::keyClicks(ui->format_box, QStringLiteral("\\1x"));
        QVERIFY(ui->format_copy_button->isEnabled());
        QVERIFY(!ui->regex_copy_button->isEnabled());
        QVERIFY(!ui->suggestions_list->isEnabled());
        QCOMPARE(WindowUnderTest::text(*ui->format_box), QStringLiteral("\\1x"));
        QCOMPARE(ui->format_box->textCursor().position(), 3);
    }

    void pasted_lines_in_the_regex_box_become_one_line() {
        start_window();
        QGuiApplication::clipboard()->setText(QStringLiteral("ab\r\ncd\nef"));
        ui->regex_box->setFocus();
        QTest::keyClick(ui->regex_box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui->regex_box->document()->blockCount(), 1);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("abcdef"));
        QCOMPARE(ui->regex_box->textCursor().position(), 6);
    }

    void suggestion_columns_fit_their_rows_up_to_the_screen_width() {
        start_window();
        const int screen_width = ui->suggestions_list->screen()->availableGeometry().width();
        const QFontMetrics metrics(ui->suggestions_list->font());
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        QVERIFY(ui->suggestions_list->topLevelItemCount() > 0);
        for (int column = 0; column < 2; ++column) {
            for (int row = 0; row < ui->suggestions_list->topLevelItemCount(); ++row) {
                const QString text = ui->suggestions_list->topLevelItem(row)->text(column);
                QVERIFY(ui->suggestions_list->columnWidth(column) >
                        metrics.horizontalAdvance(text));
            }
            QVERIFY(ui->suggestions_list->columnWidth(column) < screen_width);
        }

        // A selection of thousands of characters makes a suggestion as long, wider than any screen.
        QGuiApplication::clipboard()->setText(QStringLiteral("abc 123, ").repeated(400));
        QTest::keyClick(ui->regex_box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(ui->regex_box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(ui->regex_box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(ui->suggestions_list->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = ui->suggestions_list->topLevelItem(0);
        for (int column = 0; column < 2; ++column) {
            QVERIFY(metrics.horizontalAdvance(row->text(column)) > screen_width);
            QCOMPARE(ui->suggestions_list->columnWidth(column), screen_width);
        }
        // The list looks as the toolkit's own way of showing rows would show it, also where the
        // user narrows a column so that both columns and their elisions are in view.
        ui->suggestions_list->setColumnWidth(0, ui->suggestions_list->viewport()->width() / 2);
        const QImage shown = ui->suggestions_list->grab().toImage();
        ui->suggestions_list->setItemDelegate(new QStyledItemDelegate(ui->suggestions_list));
        QCOMPARE(ui->suggestions_list->grab().toImage(), shown);
        // The row still holds the whole suggestion, and applying it puts all of it in place.
        const QString suggestion = row->text(0);
        QTest::mouseClick(ui->apply_button, Qt::LeftButton);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), suggestion);
    }

    void element_menus_follow_the_language_tables_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Visual Studio") << int(Language::VisualStudio);
        QTest::newRow("ECMAScript") << int(Language::ECMAScript);
    }
    void element_menus_follow_the_language_tables() {
        QFETCH(int, language);
        const auto chosen = static_cast<Language>(language);
        store_language(chosen == Language::ECMAScript ? "ECMAScript" : "VisualStudio");
        start_window();
        const LanguageFactory factory;
        const IRegexLanguage& tables = factory.regex_language(chosen);
        const std::pair<const char*, std::vector<LanguageElementDescription>> menus[] = {
            {"Specials", tables.special_elements()},
            {"Characters", tables.character_elements()},
            {"Strings", tables.string_elements()}};
        for (const auto& [title, elements] : menus) {
            QMenu* menu = ui->menu(QString::fromLatin1(title));
            QVERIFY(menu);
            const QList<QAction*> entries = menu->actions();
            QCOMPARE(entries.size(), static_cast<qsizetype>(elements.size()));
            QVERIFY(!elements.empty());
            for (std::size_t i = 0; i < elements.size(); ++i) {
                const QAction* entry = entries.at(static_cast<qsizetype>(i));
                QCOMPARE(entry->isSeparator(), elements[i].text.empty());
                if (!entry->isSeparator()) {
                    QCOMPARE(entry->text(), element_caption(elements[i]));
                }
            }
        }
    }

    void menu_elements_go_in_at_the_caret() {
        start_window();
        QTest::keyClicks(ui->regex_box, QStringLiteral("abcd"));
        QTest::keyClick(ui->regex_box, Qt::Key_Left);
        QTest::keyClick(ui->regex_box, Qt::Key_Left);
        ui->search_for_box->setFocus();

        const std::vector<LanguageElementDescription> specials =
            LanguageFactory().regex_language(Language::VisualStudio).special_elements();
        const auto element = std::find_if(specials.begin(), specials.end(),
                                          [](const auto& record) { return !record.text.empty(); });
        QVERIFY(element != specials.end());
        const QString inserted = to_qstring(element->text);
        const QList<QAction*> entries = ui->menu(QStringLiteral("Specials"))->actions();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [](QAction* action) { return !action->isSeparator(); });
        QVERIFY(entry != entries.end());
        (*entry)->trigger();

        QCOMPARE(WindowUnderTest::text(*ui->regex_box),
                 QStringLiteral("ab") + inserted + QStringLiteral("cd"));
        QCOMPARE(ui->regex_box->textCursor().position(), 2 + inserted.size());
        QVERIFY(ui->regex_box->hasFocus());

        // A selection is replaced.
        WindowUnderTest::select(*ui->regex_box, 0, 2);
        (*entry)->trigger();
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), inserted + inserted + QStringLiteral("cd"));
    }

    void language_menu_checks_the_stored_language_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("checked");
        QTest::newRow("nothing stored") << QByteArray() << QStringLiteral("Visual Studio");
        QTest::newRow("VisualStudio")
            << QByteArray("VisualStudio") << QStringLiteral("Visual Studio");
        QTest::newRow("ECMAScript") << QByteArray("ECMAScript") << QStringLiteral("ECMAScript");
        QTest::newRow("posix-ere") << QByteArray("posix-ere") << QStringLiteral("POSIX ERE");
    }
    void language_menu_checks_the_stored_language() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, checked);
        if (!stored.isEmpty()) {
            store_language(stored.constData());
        }
        start_window();
        QMenu* language = ui->menu(QStringLiteral("Language"));
        QStringList entries;
        for (const QAction* entry : language->actions()) {
            entries << entry->text();
        }
        QCOMPARE(entries, (QStringList{"Visual Studio", "ECMAScript", "JavaScript", "PCRE",
                                       "Python", "POSIX ERE", "", "Copy as Code"}));
        QCOMPARE(checked_entries(*language), QStringList{checked});
    }

    void copy_as_code_puts_the_rule_as_code_of_the_language_on_the_clipboard() {
        store_language("python");
        start_window();
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        QAction* copy = ui->menu_entry("Language", "Copy as Code");
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral(R"(re.sub(r'(John)( )(Smith)', r'\g<3>,\g<2>\g<1>', text))"));
        ui->menu_entry("Language", "Visual Studio")->trigger();
        QVERIFY(!copy->isEnabled());
    }

    void choosing_the_current_language_changes_nothing() {
        start_window();
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        WindowUnderTest::select(*ui->regex_box, 7, 8);
        ui->menu_entry("Language", "Visual Studio")->trigger();
        QVERIFY(!QFileInfo::exists(config->store_file()));
        QCOMPARE(checked_entries(*ui->menu(QStringLiteral("Language"))),
                 QStringList{QStringLiteral("Visual Studio")});
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{John}{ }{Smith}"));
        QCOMPARE(WindowUnderTest::selected_text(*ui->regex_box), QStringLiteral(" "));
    }

    // A rule the other language cannot say exactly, with no sample to make it from again.
    void another_language_with_no_sample_keeps_the_results() {
        start_window();
        QTest::keyClicks(ui->regex_box, QStringLiteral("^{a}"));
        QTest::keyClicks(ui->format_box, QStringLiteral("\\1"));
        const QString specials_before =
            ui->menu(QStringLiteral("Specials"))->actions().at(0)->text();

        ui->menu_entry("Language", "ECMAScript")->trigger();
        QCOMPARE(checked_entries(*ui->menu(QStringLiteral("Language"))),
                 QStringList{QStringLiteral("ECMAScript")});
        QCOMPARE(UserRegistryKey(L"Software\\Sorvexa\\Varnel\\1.0").get_string(L"Language"),
                 std::optional<std::wstring>(L"ECMAScript"));
        QCOMPARE(Settings().get_language(), Language::ECMAScript);
        const std::vector<LanguageElementDescription> ecmascript_specials =
            LanguageFactory().regex_language(Language::ECMAScript).special_elements();
        QCOMPARE(ui->menu(QStringLiteral("Specials"))->actions().at(0)->text(),
                 element_caption(ecmascript_specials.front()));
        QVERIFY(ui->menu(QStringLiteral("Specials"))->actions().at(0)->text() != specials_before);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("^{a}"));
        QCOMPARE(WindowUnderTest::text(*ui->format_box), QStringLiteral("\\1"));
        QCOMPARE(
            ui->note(),
            QStringLiteral("The rule cannot be written exactly in ECMAScript: kept as it is."));
    }

    void help_entries_open_documents_beside_the_executable() {
        const ScopedDesktop desktop;
        desktop.register_help_viewer();
        start_window();
        const OpenedUrls opened({QStringLiteral("file"), QStringLiteral("mailto")});
        const QDir directory(QCoreApplication::applicationDirPath());

        ui->regex_box->setFocus();
        QTest::keyClick(ui->regex_box, Qt::Key_F1);
        ui->menu_entry("Help", "Help")->trigger();
        ui->menu_entry("Help", "License")->trigger();
        ui->menu_entry("Help", "E-mail Support")->trigger();

        QCOMPARE(opened.urls,
                 (QList<QUrl>{QUrl::fromLocalFile(directory.filePath("Help.chm")),
                              QUrl::fromLocalFile(directory.filePath("Help.chm")),
                              QUrl::fromLocalFile(directory.filePath("license.html")),
                              QUrl(QStringLiteral("mailto:support@sorvexa.dev?Subject=Varnel"))}));
        QStringList help_entries;
        for (QAction* entry : ui->menu(QStringLiteral("Help"))->actions()) {
            help_entries.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
        }
        QCOMPARE(help_entries,
                 (QStringList{"Help", "-", "E-mail Support", "License", "-", "About"}));
    }

    // Samples this long are worked on in the background: the window shows that it is busy and
    // takes what the user does meanwhile; only the latest request's result is shown.
    void long_work_goes_on_in_the_background_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("shown");
        const std::wstring long_sample = to_wstring(long_text());
        const auto regex_of = [](const std::wstring& search) {
            return to_qstring(
                make_replace_regex(search, L"",
                                   LanguageFactory().regex_formatting(Language::VisualStudio))
                    .regex);
        };
        QTest::newRow("nothing") << QString() << regex_of(long_sample);
        QTest::newRow("Escape") << QStringLiteral("escape") << QString();
        QTest::newRow("a short sample made") << QStringLiteral("make") << regex_of(L"John Smith");
        QTest::newRow("the regex box edited") << QStringLiteral("edit") << QStringLiteral("x");
    }
    void long_work_goes_on_in_the_background() {
        QFETCH(QString, meanwhile);
        QFETCH(QString, shown);
        start_window();
        ui->search_for_box->setText(long_text());
        QTest::mouseClick(ui->make_regex_button, Qt::LeftButton);
        // The result comes through the event loop, which has not turned since the click.
        QCOMPARE(ui->busy_note(),
                 QStringLiteral("Making the regular expression\u2026 Esc to cancel"));
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QString());

        if (meanwhile == QLatin1String("escape")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QCOMPARE(ui->busy_note(), QString());
        } else if (meanwhile == QLatin1String("make")) {
            ui->search_for_box->setText(QStringLiteral("John Smith"));
            QTest::mouseClick(ui->make_regex_button, Qt::LeftButton);
        } else if (meanwhile == QLatin1String("edit")) {
            QTest::keyClicks(ui->regex_box, QStringLiteral("x"));
        }
        // Whatever the work still hands over arrives now.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QVERIFY(ui->wait_until_idle());
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), shown);
    }

    void long_selections_get_their_suggestions_in_the_background() {
        start_window();
        QGuiApplication::clipboard()->setText(long_text());
        ui->regex_box->setFocus();
        QTest::keyClick(ui->regex_box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(ui->regex_box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(ui->busy_note(), QStringLiteral("Finding suggestions\u2026 Esc to cancel"));
        QCOMPARE(ui->suggestions_list->topLevelItemCount(), 0);

        QVERIFY(ui->wait_until_idle());
        const LanguageFactory factory;
        QStringList expected;
        for (const Suggestion& suggestion :
             make_suggestions(to_wstring(long_text()),
                              factory.regex_language(Language::VisualStudio).regex_descriptions(),
                              factory.regex_formatting_ptr(Language::VisualStudio))) {
            expected.append(to_qstring(suggestion.regex()) + QStringLiteral(" | ") +
                            to_qstring(suggestion.long_description()));
        }
        QVERIFY(!expected.isEmpty());
        QCOMPARE(ui->suggestion_rows(), expected);
    }

    void f1_without_a_help_viewer_opens_the_help_window() {
        const ScopedDesktop desktop;
        start_window();
        ui->search_for_box->setFocus();
        QTest::keyClick(ui->search_for_box, Qt::Key_F1);
        auto* viewer = ui->window.findChild<QMainWindow*>(QStringLiteral("help_viewer"));
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->findChild<QTextBrowser*>()->documentTitle(),
                 QStringLiteral("Welcome to Varnel"));
    }

    void about_box_is_modal_over_the_window_and_gives_focus_back() {
        start_window();
        ui->window.move(200, 150);
        QPointer<QDialog> about;
        QRect about_frame;
        QTimer::singleShot(0, [&] {
            about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (about) {
                about_frame = about->frameGeometry();
                about->close();
            }
        });
        ui->menu_entry("Help", "About")->trigger();
        QVERIFY(about.isNull()); // destroyed once the menu entry's handler returns
        QVERIFY(about_frame.isValid());
        QVERIFY((about_frame.center() - ui->window.frameGeometry().center()).manhattanLength() <=
                2);
        QTRY_COMPARE(QApplication::activeWindow(), &ui->window);
    }

    void window_carries_the_icon() {
        start_window();
        QVERIFY(!ui->window.windowIcon().isNull());
        QCOMPARE(ui->window.windowIcon().availableSizes().size(), 7);
    }

    // What the issue's user does: make, apply, break the regex, take it all back and again.
    void the_check_follows_apply_typing_undo_and_redo() {
        start_window();
        QCOMPARE(ui->check_line(), QString());
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        const QString rebuilds = QStringLiteral(
            "\u2713 Turns Search for into \u201CSmith, John\u201D, as in Replace with");
        QCOMPARE(ui->check_line(), rebuilds);
        QTest::mouseClick(ui->apply_button, Qt::LeftButton);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{:i}{ }{Smith}"));
        QCOMPARE(ui->check_line(), rebuilds);
        QTest::keyClick(ui->regex_box, Qt::Key_End);
        WindowUnderTest::type(ui->regex_box, QStringLiteral("("));
        const QString invalid =
            QStringLiteral("\u2717 The regular expression is not valid at character 15: missing )");
        QCOMPARE(ui->check_line(), invalid);

        QWidget* focus = QApplication::focusWidget();
        QCOMPARE(focus, ui->regex_box);
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{:i}{ }{Smith}"));
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{John}{ }{Smith}"));
        QCOMPARE(WindowUnderTest::selected_text(*ui->regex_box), QStringLiteral("John"));
        QCOMPARE(ui->check_line(), rebuilds);

        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{:i}{ }{Smith}"));
        QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("{:i}{ }{Smith}("));
        QCOMPARE(ui->check_line(), invalid);
    }

    void the_check_follows_every_change_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        const QString differs = QStringLiteral(
            "\u2260 Turns Search for into \u201CSmith, John%1\u201D, which differs from Replace "
            "with at character 12");
        QTest::newRow("Replace with") << "replace_with_box" << false << "!" << differs.arg("");
        QTest::newRow("Search for") << "search_for_box" << false << "!" << differs.arg("!");
        QTest::newRow("format") << "format_box" << false << "!" << differs.arg("!");
        QTest::newRow("a regex that does not match")
            << "regex_box" << false << "!"
            << "\u2205 The regular expression does not match Search for";
        QTest::newRow("a format naming a group the regex lacks")
            << "format_box" << true << "\\4"
            << "\u2717 The format string is not valid at character 1: the format refers to "
               "group 4, but the regular expression has 3 groups";
        QTest::newRow("no regex") << "regex_box" << true << ""
                                  << "";
    }
    void the_check_follows_every_change() {
        QFETCH(QString, box);
        QFETCH(bool, whole);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        start_window();
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        QWidget* target = ui->window.findChild<QWidget*>(box);
        QVERIFY(target);
        target->setFocus();
        if (whole) {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        } else {
            QTest::keyClick(target, Qt::Key_End);
        }
        if (typed.isEmpty()) {
            QTest::keyClick(target, Qt::Key_Delete);
        }
        WindowUnderTest::type(target, typed);
        QCOMPARE(ui->check_line(), line);
    }

    // Each change is one step back, whichever way the user asks: the keys or the box's menu.
    void undo_takes_back_one_change_at_a_time_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("by_menu");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Apply") << "apply" << false << "regex_box";
        QTest::newRow("Apply, by the menu") << "apply" << true << "regex_box";
        QTest::newRow("a menu element") << "element" << false << "regex_box";
        QTest::newRow("a run of typing") << "typing" << false << "regex_box";
        QTest::newRow("typing in the format box, by the menu") << "format" << true << "format_box";
        QTest::newRow("another language") << "language" << false << "regex_box";
    }
    void undo_takes_back_one_change_at_a_time() {
        QFETCH(QString, change);
        QFETCH(bool, by_menu);
        QFETCH(QString, focus);
        start_window();
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        const auto shown = [this] {
            return QStringList{WindowUnderTest::text(*ui->regex_box),
                               WindowUnderTest::selected_text(*ui->regex_box),
                               WindowUnderTest::text(*ui->format_box),
                               checked_entries(*ui->menu(QStringLiteral("Language"))).join(""),
                               ui->check_line()};
        };
        const QStringList made = shown();
        if (change == QLatin1String("apply")) {
            QTest::mouseClick(ui->apply_button, Qt::LeftButton);
        } else if (change == QLatin1String("element")) {
            ui->menu_entry("Characters", ":b")->trigger();
        } else if (change == QLatin1String("typing")) {
            WindowUnderTest::type(ui->regex_box, QStringLiteral("Jo"));
            QTest::keyClick(ui->regex_box, Qt::Key_Backspace);
            WindowUnderTest::type(ui->regex_box, QStringLiteral("ane"));
        } else if (change == QLatin1String("format")) {
            ui->format_box->setFocus();
            WindowUnderTest::type(ui->format_box, QStringLiteral("!!"));
        } else {
            ui->menu_entry("Language", "ECMAScript")->trigger();
        }
        const QStringList changed = shown();
        QVERIFY(changed.at(0) != made.at(0) || changed.at(2) != made.at(2));

        RichTextBox* box = ui->window.findChild<RichTextBox*>(focus);
        QCOMPARE(QApplication::focusWidget(), box);
        if (by_menu) {
            QVERIFY(!WindowUnderTest::use_context_menu(*box, QStringLiteral("&Redo")));
            QVERIFY(WindowUnderTest::use_context_menu(*box, QStringLiteral("&Undo")));
        } else {
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(shown(), made);
        QCOMPARE(QApplication::focusWidget(), box);
        if (by_menu) {
            QVERIFY(WindowUnderTest::use_context_menu(*box, QStringLiteral("&Redo")));
        } else {
            QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        }
        QCOMPARE(shown(), changed);
    }

    // Another language that keeps a rule it cannot say, with no sample to make it from, is no
    // step: undoing what follows it keeps it.
    void undo_keeps_a_language_chosen_without_a_sample() {
        start_window();
        WindowUnderTest::type(ui->regex_box, QStringLiteral("^(a)"));
        ui->menu_entry("Language", "ECMAScript")->trigger();
        WindowUnderTest::type(ui->regex_box, QStringLiteral("b"));
        QTest::keyClick(ui->regex_box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), QStringLiteral("^(a)"));
        QCOMPARE(checked_entries(*ui->menu(QStringLiteral("Language"))),
                 QStringList{QStringLiteral("ECMAScript")});
    }

    // A check of long samples waits for a pause in the typing and runs in the background.
    void a_long_check_waits_and_runs_in_the_background() {
        start_window();
        ui->search_for_box->setText(long_text());
        WindowUnderTest::type(ui->regex_box, QStringLiteral("zz"));
        QCOMPARE(ui->check_line(), QString());
        QTRY_COMPARE(ui->check_line(),
                     QStringLiteral("\u2205 The regular expression does not match Search for"));
    }

    // The line edit lays out its whole line for each blink of the caret; with a long sample the
    // caret stands still while the box has the focus, and blinks again in the other boxes.
    void the_caret_stands_still_in_a_long_sample() {
        start_window();
        const int blinking = QGuiApplication::styleHints()->cursorFlashTime();
        QVERIFY(blinking > 0);
        ui->search_for_box->setText(long_text());
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
        ui->replace_with_box->setFocus();
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), blinking);
        ui->search_for_box->setFocus();
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
        ui.reset();
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), blinking);
    }

    void extra_space_goes_to_the_boxes_and_the_list() {
        start_window();
        const QSize box = ui->search_for_box->size();
        const QSize regex = ui->regex_box->size();
        const QSize list = ui->suggestions_list->size();
        const QSize button = ui->regex_copy_button->size();
        ui->window.resize(ui->window.size() + QSize(200, 120));
        QTRY_COMPARE(ui->search_for_box->size(), box + QSize(200, 0));
        QCOMPARE(ui->regex_box->size(), regex + QSize(200, 0));
        QCOMPARE(ui->suggestions_list->size(), list + QSize(200, 120));
        QCOMPARE(ui->regex_copy_button->size(), button);
    }

private:
    void start_window() {
        ui = std::make_unique<WindowUnderTest>();
        QVERIFY(ui->complete());
    }

    std::unique_ptr<ScopedConfigHome> config;
    std::unique_ptr<WindowUnderTest> ui;
};

VARNEL_APP_TEST(MainWindowTest);

#include "MainWindowTest.moc"
