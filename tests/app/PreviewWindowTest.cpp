// The preview window driven from the main window: a text pasted in, its verdicts and counts,
// lines taught, the rule learned and taken back, and a long text judged in the background.

#include "app/PreviewWindow.h"

#include "app/LineVerdictsModel.h"
#include "tests/app/AppTest.h"
#include "tests/app/WindowUnderTest.h"

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPoint>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

using namespace varnel;

class PreviewWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        config = std::make_unique<ScopedConfigHome>();
        ui = std::make_unique<WindowUnderTest>();
        QVERIFY(ui->complete());
    }
    void cleanup() {
        ui.reset();
        config.reset();
    }

    void lines_get_verdicts_and_counts_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("verdicts");
        QTest::addColumn<QStringList>("becomes");
        QTest::addColumn<QString>("counts");
        QTest::newRow("matches and none") << "2008-05-31"
                                          << "31/05/2008"
                                          << "on 2008-05-31 and 2008-05-31\nno date\n"
                                          << QStringList{"changed", "no match"}
                                          << QStringList{"on 31/05/2008 and 31/05/2008", "no date"}
                                          << "2 lines: 1 changed, 1 without a match";
        QTest::newRow("the sample is right")
            << "John Smith"
            << "Smith, John"
            << "John Smith\r\nJane Doe\r\nJohn Smith!"
            << QStringList{"\u2713 right", "no match", "changed"}
            << QStringList{"Smith, John", "Jane Doe", "Smith, John!"}
            << "3 lines: 2 changed, 1 without a match; 1 right, "
               "0 wrong";
    }
    void lines_get_verdicts_and_counts() {
        QFETCH(QString, search);
        QFETCH(QString, replace);
        QFETCH(QString, text);
        QFETCH(QStringList, verdicts);
        QFETCH(QStringList, becomes);
        QFETCH(QString, counts);
        ui->make(search, replace);
        open_preview();
        paste(text);
        QCOMPARE(column(LineVerdictsModel::verdict_column), verdicts);
        QCOMPARE(column(LineVerdictsModel::becomes_column), becomes);
        QCOMPARE(counts_label->text(), counts);
        // Each match of the first line is highlighted, and so is what replaced it.
        const auto spans = [&](int column) {
            return lines->model()
                ->index(0, column)
                .data(LineVerdictsModel::highlight_role)
                .value<QList<QPoint>>();
        };
        const int first = static_cast<int>(text.indexOf(search));
        QCOMPARE(spans(LineVerdictsModel::line_column).front(),
                 QPoint(first, first + static_cast<int>(search.size())));
        QCOMPARE(spans(LineVerdictsModel::becomes_column).front(),
                 QPoint(first, first + static_cast<int>(replace.size())));
        // The rewritten text keeps the text's line breaks.
        preview_action("Copy Rewritten")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 becomes.join(text.contains('\r') ? "\r\n" : "\n") +
                     (text.endsWith('\n') ? "\n" : ""));
        // The keys go to the next line without a match, and round to it again.
        for (int i = 0; i < 2; ++i) {
            preview_action("Next Line without")->trigger();
            QCOMPARE(lines->currentIndex().row(), static_cast<int>(verdicts.indexOf("no match")));
        }
    }

    void taught_lines_make_the_rule_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("wanted");       // empty: the line must stay as it is
        QTest::addColumn<QStringList>("verdicts"); // after learning; empty: refused
        QTest::newRow("a wrong line should become")
            << "Mary Somerville"
            << "Mary"
            << "Mary Somerville\nSofia Kovalevskaya\nEmmy Noether" << 1 << "Sofia"
            << QStringList{"\u2713 right", "\u2713 right", "changed"};
        QTest::newRow("a line must stay")
            << "Ltd. Shipping"
            << "Shipping"
            << "Ltd. Shipping\nNew. Ship" << 1 << "" << QStringList{"\u2713 right", "\u2713 right"};
        QTest::newRow("the sample's line must stay: refused")
            << "a-b"
            << "b"
            << "a-b\nc-d" << 0 << "" << QStringList{};
    }
    void taught_lines_make_the_rule() {
        QFETCH(QString, search);
        QFETCH(QString, replace);
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, wanted);
        QFETCH(QStringList, verdicts);
        ui->make(search, replace);
        const QString regex = WindowUnderTest::text(*ui->regex_box);
        open_preview();
        paste(text);
        teach(line, wanted);
        auto* hint = preview->findChild<QLabel*>("hint_label");
        if (verdicts.isEmpty()) {
            // The learner's reason names the text it could not leave alone.
            QTRY_VERIFY(hint->text().startsWith("No rule fits every example"));
            QVERIFY(hint->text().contains("a-b"));
            QCOMPARE(WindowUnderTest::text(*ui->regex_box), regex);
            QCOMPARE(column(LineVerdictsModel::verdict_column).at(line),
                     QStringLiteral("\u2717 wrong"));
            return;
        }
        QTRY_VERIFY(WindowUnderTest::text(*ui->regex_box) != regex);
        QCOMPARE(column(LineVerdictsModel::verdict_column), verdicts);
        // Every taught line is listed with its verdict, the main window's sample first.
        QCOMPARE(examples->topLevelItemCount(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(examples->topLevelItem(i)->text(2), QStringLiteral("\u2713 right"));
        }
    }

    void undo_takes_back_a_learned_rule() {
        ui->make("Mary Somerville", "Mary");
        const QString made = WindowUnderTest::text(*ui->regex_box);
        open_preview();
        paste("Mary Somerville\nSofia Kovalevskaya");
        teach(1, "Sofia");
        QTRY_VERIFY(WindowUnderTest::text(*ui->regex_box) != made);
        const QString learned = WindowUnderTest::text(*ui->regex_box);
        QTest::keyClick(ui->regex_box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), made);
        QCOMPARE(column(LineVerdictsModel::verdict_column),
                 (QStringList{"\u2713 right", "\u2717 wrong"}));
        QTest::keyClick(ui->regex_box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(WindowUnderTest::text(*ui->regex_box), learned);
        QCOMPARE(column(LineVerdictsModel::verdict_column),
                 (QStringList{"\u2713 right", "\u2713 right"}));
    }

    void a_long_text_is_judged_in_the_background_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("to the end") << false;
        QTest::newRow("Escape drops the next rule's") << true;
    }
    void a_long_text_is_judged_in_the_background() {
        QFETCH(bool, cancel);
        ui->make("2008-05-31", "31/05/2008");
        open_preview();
        // A mebibyte of text: every third line has a date.
        const QString lines =
            QStringLiteral("2008-05-31 released\nno date on this line\nnor here\n");
        const int repeats = (1 << 20) / static_cast<int>(lines.size());
        paste(lines.repeated(repeats));
        auto* busy = preview->findChild<QWidget*>("busy_status");
        QVERIFY(busy->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!busy->isVisible(), 60000);
        const QString counts = QStringLiteral("%1 lines: %2 changed, %3 without a match")
                                   .arg(3 * repeats)
                                   .arg(repeats)
                                   .arg(2 * repeats);
        QCOMPARE(counts_label->text(), counts);
        if (!cancel) {
            return;
        }
        // The language switch makes the rule again, and the lines are judged by it anew.
        ui->menu_entry("Language", "ECMAScript")->trigger();
        QVERIFY(busy->isVisible());
        QTest::keyClick(preview->focusWidget(), Qt::Key_Escape);
        QVERIFY(!busy->isVisible());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QVERIFY(counts_label->text().startsWith("Not judged"));
        QVERIFY(!preview_action("Copy Rewritten")->isEnabled());
    }

    // Save and Copy of a long text rewrite it in the background, each from the text and verdicts
    // shown when asked: a rule made again while saving does not reach the file.
    void a_long_text_is_saved_and_copied_whole() {
        ui->make("2008-05-31", "31/05/2008");
        open_preview();
        const QString lines = QStringLiteral("2008-05-31 released\r\nno date\r\nnor here \u00e9");
        const QString text = (lines + "\r\n").repeated((1 << 20) / static_cast<int>(lines.size()));
        paste(text + lines);
        auto* busy = preview->findChild<QWidget*>("busy_status");
        QTRY_VERIFY_WITH_TIMEOUT(!busy->isVisible(), 60000);
        const auto rewritten = [&](const char* date) {
            return QString(text + lines).replace("2008-05-31", date);
        };
        const QTemporaryDir folder;
        const QString path = folder.filePath("rewritten.txt");
        const QString format = WindowUnderTest::text(*ui->format_box);
        preview->save_to(path);
        QVERIFY(busy->isVisible());
        ui->search_for_box->clear();
        ui->replace_with_box->clear();
        ui->make("2008-05-31", "05/31/2008");
        QTRY_VERIFY_WITH_TIMEOUT(WindowUnderTest::text(*ui->format_box) != format, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(preview->statusBar()->currentMessage().startsWith("Saved"), 60000);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), rewritten("31/05/2008").toUtf8());
        QTRY_VERIFY_WITH_TIMEOUT(
            !busy->isVisible() && preview_action("Copy Rewritten")->isEnabled(), 60000);
        preview_action("Copy Rewritten")->trigger();
        QVERIFY(busy->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!busy->isVisible(), 60000);
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), rewritten("05/31/2008").toUtf8());
    }

private:
    void open_preview() {
        ui->menu_entry("Tools", "Try on Text")->trigger();
        preview = ui->window.findChild<PreviewWindow*>("preview_window");
        QVERIFY(preview != nullptr && preview->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), preview);
        lines = preview->findChild<QTableView*>("lines_view");
        examples = preview->findChild<QTreeWidget*>("examples_list");
        counts_label = preview->findChild<QLabel*>("counts_label");
    }

    QAction* preview_action(const char* caption_start) const {
        for (QAction* menu : preview->menuBar()->actions()) {
            for (QAction* entry : menu->menu()->actions()) {
                if (entry->text().remove('&').startsWith(QLatin1String(caption_start))) {
                    return entry;
                }
            }
        }
        qFatal("no entry %s", caption_start);
    }

    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        preview_action("Paste Lines")->trigger();
    }

    // Says what the line should become, as typed in its "Becomes" cell, or that it must stay.
    void teach(int line, const QString& wanted) {
        lines->setCurrentIndex(lines->model()->index(line, LineVerdictsModel::line_column));
        if (wanted.isEmpty()) {
            preview_action("Must Stay")->trigger();
        } else {
            lines->model()->setData(lines->model()->index(line, LineVerdictsModel::becomes_column),
                                    wanted);
        }
    }

    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < lines->model()->rowCount(); ++row) {
            texts.append(lines->model()->index(row, column).data().toString());
        }
        return texts;
    }

    std::unique_ptr<ScopedConfigHome> config;
    std::unique_ptr<WindowUnderTest> ui;
    PreviewWindow* preview = nullptr;
    QTableView* lines = nullptr;
    QTreeWidget* examples = nullptr;
    QLabel* counts_label = nullptr;
};

VARNEL_APP_TEST(PreviewWindowTest);
#include "PreviewWindowTest.moc"
