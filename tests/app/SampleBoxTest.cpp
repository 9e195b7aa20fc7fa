// A long sample in a sample box: the stretch its line edit holds, and what the user does acting on
// the whole sample all the same.

#include "app/SampleBox.h"

#include "app/SampleWindow.h"
#include "tests/app/AppTest.h"

#include <cstdlib>
#include <functional>
#include <tuple>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace varnel;

namespace {

// Numbers in a row, "0 1 2 ...", cut to size: any few dozen units of it are found once.
QString numbers(qsizetype size) {
    QString text;
    for (int i = 0; text.size() < size; ++i) {
        text += QString::number(i) + u' ';
    }
    text.truncate(size);
    return text;
}

// Numbers with a surrogate pair at the offset.
QString with_pair_at(qsizetype size, qsizetype at) {
    QString text = numbers(size);
    text[at] = QChar(0xD83D);
    text[at + 1] = QChar(0xDE00);
    return text;
}

constexpr qsizetype n = 100000;

} // namespace

class SampleBoxTest : public QObject {
    Q_OBJECT

private slots:
    void the_window_follows_the_caret() {
        const QString sample = numbers(n);
        const QString more = numbers(n + 1);
        const SampleWindow middle(sample, 50000, 50000);
        const SampleWindow anchored(sample, 50000, 0);
        struct Case {
            const char* name;
            std::function<SampleWindow()> window;
            qsizetype start, end, caret, anchor;
        };
        const Case cases[] = {
            {"a short sample is held whole", [] { return SampleWindow(numbers(100), 50, 50); }, 0,
             100, 50, 50},
            {"at the end", [&] { return SampleWindow(sample, n, n); }, n - 8192, n, n, n},
            {"at the start", [&] { return SampleWindow(sample, 0, 0); }, 0, 8192, 0, 0},
            {"in the middle", [&] { return middle; }, 45904, 54096, 50000, 50000},
            {"a pair at the start is held whole",
             [] { return SampleWindow(with_pair_at(n, 45903), 50000, 50000); }, 45903, 54096, 50000,
             50000},
            {"a pair at the end is held whole",
             [] { return SampleWindow(with_pair_at(n, 54095), 50000, 50000); }, 45904, 54097, 50000,
             50000},
            {"a move within the stretch keeps it", [&] { return middle.moved(sample, 4200, 4200); },
             45904, 54096, 50104, 50104},
            {"a move near its edge takes it along",
             [&] { return middle.moved(sample, 8000, 8000); }, 49808, 58000, 53904, 53904},
            {"an anchor beyond it is held at its edge and kept",
             [&] { return anchored.moved(sample, 0, 4100); }, 45904, 54096, 50004, 0},
            {"a selection collapsed onto the held anchor goes to the anchor",
             [&] { return anchored.moved(sample, 0, 0); }, 0, 8192, 0, 0},
            {"typing within the stretch keeps it", [&] { return middle.edited(more, 50000, 0, 1); },
             45904, 54097, 50001, 50001},
            {"an edit beyond it puts it around the caret",
             [&] { return SampleWindow(sample, n, 0).edited(QStringLiteral("x"), 0, n, 1); }, 0, 1,
             1, 1},
            {"a stretch grown too long is cut again",
             [&] { return middle.edited(numbers(n + 9000), 50000, 0, 9000); }, 54904, 63096, 59000,
             59000},
        };
        for (const Case& c : cases) {
            const SampleWindow window = c.window();
            QVERIFY2(window.start() == c.start && window.end() == c.end &&
                         window.caret() == c.caret && window.anchor() == c.anchor,
                     qPrintable(QStringLiteral("%1: [%2, %3) caret %4 anchor %5")
                                    .arg(QLatin1String(c.name))
                                    .arg(window.start())
                                    .arg(window.end())
                                    .arg(window.caret())
                                    .arg(window.anchor())));
        }
    }

    // The caret moving on past where the stretch moves scrolls the view by a character, as the
    // line edit scrolls it, rather than making it jump.
    void the_view_stays_as_the_stretch_moves() {
        const QString sample = numbers(n);
        SampleBox box;
        box.resize(400, box.sizeHint().height());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.set_sample(sample);
        const auto left_edge = [&] {
            box.repaint();
            const int shown = box.cursorPositionAt(QPoint(0, box.height() / 2));
            return sample.indexOf(box.text().sliced(shown, 40));
        };
        const std::tuple<const char*, int, Qt::Key> moves[] = {{"Ctrl+Home", 7168, Qt::Key_Right},
                                                               {"Ctrl+End", 1024, Qt::Key_Left}};
        for (const auto& [end, caret, key] : moves) {
            QTest::keySequence(&box, QKeySequence(QLatin1String(end)));
            box.setCursorPosition(caret);
            const QString held = box.text();
            const qsizetype before = left_edge();
            QTest::keyClick(&box, key);
            QVERIFY(box.text() != held);
            QVERIFY2(std::abs(left_edge() - before) <= 2, end);
        }
    }

    // Steps: "key:" a key sequence, "type:" text, "caret:" the line edit's caret at an offset
    // into what it holds.
    void a_long_sample_is_edited_whole_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("copied");
        const QString sample = numbers(n);
        QTest::newRow("typed at both ends")
            << sample << QStringList{"key:Ctrl+Home", "type:<", "key:Ctrl+End", "type:>"}
            << "<" + sample + ">" << QString();
        QTest::newRow("Select All and copy")
            << sample << QStringList{"key:Ctrl+A", "key:Ctrl+C"} << sample << sample;
        QTest::newRow("Select All and cut")
            << sample << QStringList{"key:Ctrl+A", "key:Ctrl+X"} << QString() << sample;
        QTest::newRow("Select All and type")
            << sample << QStringList{"key:Ctrl+A", "type:x"} << QStringLiteral("x") << QString();
        QTest::newRow("a selection from the end back to the start, then shortened")
            << sample
            << QStringList{"key:Shift+Home", "key:Shift+Right", "key:Shift+Right", "key:Ctrl+C"}
            << sample << sample.sliced(2);
        QTest::newRow("a selection to the end, typed over")
            << sample
            << QStringList{"key:Ctrl+Home", "key:Right", "key:Shift+End", "key:Shift+Left",
                           "type:x"}
            << sample.first(1) + "x" + sample.last(1) << QString();
        QTest::newRow("copied whole and pasted at the end")
            << sample
            << QStringList{"key:Ctrl+Home", "key:Shift+End", "key:Ctrl+C", "key:Ctrl+End",
                           "key:Ctrl+V"}
            << sample + sample << sample;
        QTest::newRow("undone after an edit near the edge of the stretch")
            << sample
            << QStringList{"key:Ctrl+Home", "caret:8190", "type:x", "key:Ctrl+Z", "type:y"}
            << QString(sample).insert(8190, u'y') << QString();
        const QString pairs = "a" + QStringLiteral("\U0001F600").repeated(n / 2) + "b";
        QTest::newRow("surrogate pairs cut by the stretch")
            << pairs << QStringList{"key:Ctrl+Home", "type:<", "key:Ctrl+End", "type:>"}
            << "<" + pairs + ">" << QString();
    }
    void a_long_sample_is_edited_whole() {
        QFETCH(QString, sample);
        QFETCH(QStringList, steps);
        QFETCH(QString, edited);
        QFETCH(QString, copied);
        QGuiApplication::clipboard()->clear();
        SampleBox box;
        box.set_sample(sample);
        for (const QString& step : steps) {
            const QString argument = step.section(u':', 1);
            if (step.startsWith(QLatin1String("key:"))) {
                QTest::keySequence(&box, QKeySequence(argument));
            } else if (step.startsWith(QLatin1String("type:"))) {
                QTest::keyClicks(&box, argument);
            } else {
                box.setCursorPosition(argument.toInt());
            }
            // A stretch of whole characters, a few thousand units long.
            QVERIFY(box.text().size() <= 16384);
            QVERIFY(!box.text().contains(QChar::ReplacementCharacter));
        }
        QVERIFY(box.sample() == edited);
        QVERIFY(QGuiApplication::clipboard()->text() == copied);
    }
};

VARNEL_APP_TEST(SampleBoxTest);

#include "SampleBoxTest.moc"
