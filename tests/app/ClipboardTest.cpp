// The paste buttons of the sample boxes and the copy buttons of the result boxes.

#include "app/PasteButton.h"
#include "app/ShownText.h"
#include "tests/app/AppTest.h"
#include "tests/app/WindowUnderTest.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/settings/QStringConversion.h"
#include "varnel/suggestions/MakeSelectionSuggestion.h"

#include <algorithm>
#include <memory>
#include <random>
#include <tuple>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace varnel;

namespace {

// Changes the clipboard and waits for its change notice, which the paste buttons follow.
template <typename Change>
void change_clipboard(const Change& change) {
    QSignalSpy changed(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    change(*QGuiApplication::clipboard());
    QVERIFY(!changed.isEmpty() || changed.wait());
}

// Code units the window's boxes could lose: breaks, controls, marks of the document's own, and
// halves of surrogate pairs.
const char16_t special_units[] = {u'\u2029', u'\u2028', u'\u0085', u'\0',   u'\uFFFC', u'\uFDD0',
                                  u'\uFDD1', u'\xD800', u'\xDFFF', u'\x1B', u'\f',     u'\x7F',
                                  u'\x80',   u'\x9F',   u'\t',     u'\n',   u'\r'};

// A mebibyte of printable characters with every special unit strewn among them.
QString mebibyte_line() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> printable(0x20, 0x7E);
    QString line;
    for (int i = 0; i < (1 << 20); ++i) {
        line.append(
            i % 997 == 0
                ? QChar(special_units[static_cast<std::size_t>(i / 997) % std::size(special_units)])
                : QChar(printable(random)));
    }
    return line;
}

QString reversed(QString text) {
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        config = std::make_unique<ScopedConfigHome>();
        QGuiApplication::clipboard()->clear();
        ui = std::make_unique<WindowUnderTest>();
        QVERIFY(ui->complete());
    }
    void cleanup() {
        ui.reset();
        config.reset();
    }

    void paste_replaces_the_sample_exactly_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        QTest::newRow("carriage return and line feed")
            << QStringLiteral("first\r\nsecond") << QStringLiteral("first\u21B5\u21B5second");
        QTest::newRow("line feeds") << QStringLiteral("a\nb\n") << QStringLiteral("a\u21B5b\u21B5");
        QTest::newRow("tabs and spaces") << QStringLiteral("a\t b") << QStringLiteral("a\t b");
        QTest::newRow("outside ASCII")
            << QStringLiteral("Zoë 😀 中文") << QStringLiteral("Zoë 😀 中文");
        QTest::newRow("empty text") << QString() << QString();
    }
    void paste_replaces_the_sample_exactly() {
        QFETCH(QString, clipboard);
        QFETCH(QString, shown);
        QTest::keyClicks(ui->search_for_box, QStringLiteral("old text"));
        QTest::keyClicks(ui->replace_with_box, QStringLiteral("old text"));
        change_clipboard([&](QClipboard& board) { board.setText(clipboard); });
        QVERIFY(ui->search_for_paste->isEnabled());

        QTest::mouseClick(ui->search_for_paste, Qt::LeftButton);
        QCOMPARE(ui->search_for_box->sample(), clipboard);
        QCOMPARE(ui->search_for_box->text(), shown);
        QCOMPARE(ui->search_for_box->cursorPosition(), clipboard.size());
        QVERIFY(ui->search_for_box->hasFocus());
        QCOMPARE(ui->make_regex_button->isEnabled(), !clipboard.isEmpty());

        QTest::mouseClick(ui->replace_with_paste, Qt::LeftButton);
        QCOMPARE(ui->replace_with_box->sample(), clipboard);
        QVERIFY(ui->replace_with_box->hasFocus());
    }

    // Lines copied from a file, pasted with the button or with Ctrl+V: the regex holds the line
    // breaks the samples hold, and so matches the text copied.
    void multi_line_samples_make_a_regex_of_their_lines_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<bool>("by_key");
        for (const bool by_key : {false, true}) {
            QTest::addRow("line feed, %s", by_key ? "Ctrl+V" : "Paste")
                << QStringLiteral("alpha 1\nbeta 2") << QStringLiteral("beta 2\nalpha 1") << by_key;
            QTest::addRow("carriage return and line feed, %s", by_key ? "Ctrl+V" : "Paste")
                << QStringLiteral("alpha 1\r\nbeta 2") << QStringLiteral("beta 2\r\nalpha 1")
                << by_key;
        }
    }
    void multi_line_samples_make_a_regex_of_their_lines() {
        QFETCH(QString, search);
        QFETCH(QString, replace);
        QFETCH(bool, by_key);
        for (const auto& [text, box, button] :
             {std::tuple(search, ui->search_for_box, ui->search_for_paste),
              std::tuple(replace, ui->replace_with_box, ui->replace_with_paste)}) {
            change_clipboard([&](QClipboard& board) { board.setText(text); });
            if (by_key) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QCOMPARE(box->sample(), text);
        }
        QTest::mouseClick(ui->make_regex_button, Qt::LeftButton);
        const ReplaceRegex expected =
            make_replace_regex(to_wstring(search), to_wstring(replace),
                               LanguageFactory().regex_formatting(Language::VisualStudio));
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), to_qstring(expected.regex));
        QVERIFY2(ui->check_line().startsWith(QChar(0x2713)), qPrintable(ui->check_line()));
    }

    // Typing keeps every unit it does not touch, also next to stand-ins that look like what is
    // typed; undo and redo bring back the units, not their stand-ins. "\b" is Backspace.
    void typing_keeps_the_units_around_it_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sample");
        QTest::newRow("after a line feed") << "1\n2" << 2 << "x"
                                           << "1\nx2";
        QTest::newRow("a stand-in typed before the unit it stands for") << "1\n2" << 1 << "\u21B5"
                                                                        << "1\u21B5\n2";
        QTest::newRow("the same after it") << "1\n2" << 2 << "\u21B5"
                                           << "1\n\u21B52";
        QTest::newRow("back over a carriage return") << "1\r\n2" << 2 << "\b"
                                                     << "1\n2";
        QTest::newRow("a run of typing and taking back") << "\r\r" << 1 << "ab\bc"
                                                         << "\rac\r";
    }
    void typing_keeps_the_units_around_it() {
        QFETCH(QString, pasted);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, sample);
        change_clipboard([&](QClipboard& board) { board.setText(pasted); });
        QTest::mouseClick(ui->search_for_paste, Qt::LeftButton);
        ui->search_for_box->setCursorPosition(caret);
        for (const QChar key : typed) {
            if (key == QLatin1Char('\b')) {
                QTest::keyClick(ui->search_for_box, Qt::Key_Backspace);
            } else {
                WindowUnderTest::type(ui->search_for_box, key);
            }
        }
        QCOMPARE(ui->search_for_box->sample(), sample);
        QCOMPARE(ui->search_for_box->text(), shown_text(sample));
        QTest::keyClick(ui->search_for_box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui->search_for_box->sample(), pasted);
        QTest::keyClick(ui->search_for_box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ui->search_for_box->sample(), sample);
    }

    void paste_buttons_follow_the_clipboard() {
        QVERIFY(!ui->search_for_paste->isEnabled());
        change_clipboard([](QClipboard& board) { board.setText(QStringLiteral("text")); });
        QVERIFY(ui->search_for_paste->isEnabled());
        QVERIFY(ui->replace_with_paste->isEnabled());

        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        change_clipboard([&](QClipboard& board) { board.setImage(image); });
        QVERIFY(!ui->search_for_paste->isEnabled());
        QVERIFY(!ui->replace_with_paste->isEnabled());

        change_clipboard([](QClipboard& board) { board.setText(QStringLiteral("again")); });
        QVERIFY(ui->search_for_paste->isEnabled());
        change_clipboard([](QClipboard& board) { board.clear(); });
        QVERIFY(!ui->search_for_paste->isEnabled());
    }

    // Whatever the samples hold, the result boxes show and copy the library's strings exactly.
    void pasted_samples_come_out_exactly_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replace");
        for (const char16_t unit : special_units) {
            const QString text(QChar{unit});
            QTest::addRow("U+%04X", unsigned{unit})
                << QStringLiteral("a") + text + QStringLiteral("b c")
                << QStringLiteral("c") + text + QStringLiteral("a");
        }
        const QString line = mebibyte_line();
        QTest::newRow("a mebibyte line and its reverse") << line << reversed(line);
    }
    void pasted_samples_come_out_exactly() {
        QFETCH(QString, search);
        QFETCH(QString, replace);
        const auto paste = [](const QString& text, QPushButton* button) {
            change_clipboard([&](QClipboard& board) { board.setText(text); });
            QTest::mouseClick(button, Qt::LeftButton);
        };
        paste(search, ui->search_for_paste);
        paste(replace, ui->replace_with_paste);
        QVERIFY(ui->search_for_box->sample() == search);
        QVERIFY(ui->replace_with_box->sample() == replace);

        QTest::mouseClick(ui->make_regex_button, Qt::LeftButton);
        QVERIFY(ui->wait_until_idle());
        const LanguageFactory factory;
        const auto language = Language::VisualStudio;
        const ReplaceRegex expected = make_replace_regex(to_wstring(search), to_wstring(replace),
                                                         factory.regex_formatting(language));
        QVERIFY(WindowUnderTest::text(*ui->regex_box) == to_qstring(expected.regex));
        QVERIFY(WindowUnderTest::text(*ui->format_box) == to_qstring(expected.format));
        const std::optional<SelectionSuggestion> selection = make_selection_suggestion(
            expected.regex, factory.regex_language(language).regex_descriptions(),
            factory.regex_formatting_ptr(language));
        QVERIFY(selection);
        QCOMPARE(ui->regex_box->selection().start(), selection->start);
        QCOMPARE(ui->regex_box->selection().end(), selection->end);

        QTest::mouseClick(ui->regex_copy_button, Qt::LeftButton);
        QVERIFY(QGuiApplication::clipboard()->text() == to_qstring(expected.regex));
        QTest::mouseClick(ui->format_copy_button, Qt::LeftButton);
        QVERIFY(QGuiApplication::clipboard()->text() == to_qstring(expected.format));
    }

    void paste_without_text_on_the_clipboard_keeps_the_box() {
        QTest::keyClicks(ui->search_for_box, QStringLiteral("kept"));
        auto* data = new QMimeData;
        data->setData(QStringLiteral("application/octet-stream"), "\x01\x02");
        QGuiApplication::clipboard()->setMimeData(data);
        paste_from_clipboard(*ui->search_for_box);
        QCOMPARE(ui->search_for_box->text(), QStringLiteral("kept"));
    }

    void copy_puts_only_the_characters_on_the_clipboard() {
        ui->make(QStringLiteral("John Smith"), QStringLiteral("Smith, John"));
        ui->search_for_box->setFocus();
        QTest::mouseClick(ui->regex_copy_button, Qt::LeftButton);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QStringLiteral("{John}{ }{Smith}"));
        QVERIFY(!data->hasHtml());
        QVERIFY(ui->regex_box->hasFocus());

        QTest::mouseClick(ui->format_copy_button, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\\3,\\2\\1"));
        QVERIFY(ui->format_box->hasFocus());
    }

    void copied_text_pastes_back_unchanged() {
        const QString sample = QStringLiteral("naïve 😀 €5 ǅ");
        ui->make(sample, QString());
        QTest::mouseClick(ui->regex_copy_button, Qt::LeftButton);
        const QString regex = QGuiApplication::clipboard()->text();
        QVERIFY(regex.contains(QStringLiteral("😀")));
        QVERIFY(ui->replace_with_paste->isEnabled());
        QTest::mouseClick(ui->replace_with_paste, Qt::LeftButton);
        QCOMPARE(ui->replace_with_box->text(), regex);
        QCOMPARE(ui->search_for_box->text(), sample);
    }

private:
    std::unique_ptr<ScopedConfigHome> config;
    std::unique_ptr<WindowUnderTest> ui;
};

VARNEL_APP_TEST(ClipboardTest);

#include "ClipboardTest.moc"
