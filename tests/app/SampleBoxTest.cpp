// A long sample in a sample box: the stretch its line edit holds, and what the user does acting on
// the whole sample all the same.

#include "app/SampleBox.h"

#include "app/SampleWindow.h"
#include "tests/app/AppTest.h"

#include <functional>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace varnel;

namespace {

// Letters in a run that does not repeat within a stretch.
QString letters(qsizetype size) {
    QString text(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        text[i] = QChar(static_cast<char16_t>(u'a' + (i * 7 + i / 26) % 26));
    }
    return text;
}

// Letters with a surrogate pair at the offset.
QString with_pair_at(qsizetype size, qsizetype at) {
    QString text = letters(size);
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
        const QString sample = letters(n);
        const QString more = letters(n + 1);
        const SampleWindow middle(sample, 50000, 50000);
        const SampleWindow anchored(sample, 50000, 0);
        struct Case {
            const char* name;
            std::function<SampleWindow()> window;
            qsizetype start, end, caret, anchor;
        };
        const Case cases[] = {
            {"a short sample is held whole", [] { return SampleWindow(letters(100), 50, 50); }, 0,
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
             [&] { return middle.edited(letters(n + 9000), 50000, 0, 9000); }, 54904, 63096, 59000,
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

    // Steps: "key:" a key sequence, "type:" text, "caret:" the line edit's caret at an offset
    // into what it holds.
    void a_long_sample_is_edited_whole_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("copied");
        const QString sample = letters(n);
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
