// The paste buttons of the sample boxes and the copy buttons of the result boxes.

#include "app/PasteButton.h"
#include "tests/app/AppTest.h"
#include "tests/app/WindowUnderTest.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/settings/QStringConversion.h"
#include "varnel/suggestions/MakeSelectionSuggestion.h"

#include <algorithm>
#include <memory>
#include <random>

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

    void paste_replaces_the_box_with_one_line_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("carriage return and line feed")
            << QStringLiteral("first\r\nsecond") << QStringLiteral("first  second");
        QTest::newRow("line feeds") << QStringLiteral("a\nb\n") << QStringLiteral("a b ");
        QTest::newRow("carriage returns") << QStringLiteral("\ra\rb") << QStringLiteral(" a b");
        QTest::newRow("tabs and spaces kept") << QStringLiteral("a\t b") << QStringLiteral("a\t b");
        QTest::newRow("outside ASCII")
            << QStringLiteral("Zoë 😀 中文") << QStringLiteral("Zoë 😀 中文");
        QTest::newRow("empty text") << QString() << QString();
    }
    void paste_replaces_the_box_with_one_line() {
        QFETCH(QString, clipboard);
        QFETCH(QString, pasted);
        QTest::keyClicks(ui->search_for_box, QStringLiteral("old text"));
        QTest::keyClicks(ui->replace_with_box, QStringLiteral("old text"));
        change_clipboard([&](QClipboard& board) { board.setText(clipboard); });
        QVERIFY(ui->search_for_paste->isEnabled());

        QTest::mouseClick(ui->search_for_paste, Qt::LeftButton);
        QCOMPARE(ui->search_for_box->text(), pasted);
        QCOMPARE(ui->search_for_box->cursorPosition(), pasted.size());
        QVERIFY(ui->search_for_box->hasFocus());
        QCOMPARE(ui->make_regex_button->isEnabled(), !pasted.isEmpty());

        QTest::mouseClick(ui->replace_with_paste, Qt::LeftButton);
        QCOMPARE(ui->replace_with_box->text(), pasted);
        QVERIFY(ui->replace_with_box->hasFocus());
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
        const auto one_line = [](QString text) {
            return text.replace(QLatin1Char('\n'), QLatin1Char(' '))
                .replace(QLatin1Char('\r'), QLatin1Char(' '));
        };
        QCOMPARE(ui->search_for_box->text(), one_line(search));
        QCOMPARE(ui->replace_with_box->text(), one_line(replace));

        QTest::mouseClick(ui->make_regex_button, Qt::LeftButton);
        QVERIFY(ui->wait_until_idle());
        const LanguageFactory factory;
        const auto language = Language::VisualStudio;
        const ReplaceRegex expected =
            make_replace_regex(to_wstring(one_line(search)), to_wstring(one_line(replace)),
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
