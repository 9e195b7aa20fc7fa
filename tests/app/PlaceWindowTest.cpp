// Where the window opens: at its size where the screen has room, shrunk to the screen where it has
// not, frame included, and on that screen.

#include "app/PlaceWindow.h"

#include "tests/app/AppTest.h"
#include "tests/app/ChildProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace varnel;

class PlaceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void placed_on_the_available_area_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("over"); // none when null
        QTest::addColumn<QRect>("placed");
        const QSize wanted(700, 440);
        const QSize minimum(300, 290);
        QTest::newRow("room enough: centred")
            << wanted << minimum << QMargins() << QRect(0, 0, 1280, 800) << QRect()
            << QRect(290, 180, 700, 440);
        QTest::newRow("frame counted in the centring")
            << wanted << minimum << QMargins(4, 30, 4, 4) << QRect(0, 0, 1280, 800) << QRect()
            << QRect(290 - 4 + 4, 180 - 17 + 30, 700, 440);
        QTest::newRow("1280x800 at twice the scale: shrunk to the area, frame and all")
            << wanted << minimum << QMargins(1, 1, 1, 1) << QRect(0, 0, 640, 400) << QRect()
            << QRect(1, 1, 638, 398);
        QTest::newRow("too narrow only: the height stays")
            << wanted << minimum << QMargins() << QRect(0, 0, 600, 1000) << QRect()
            << QRect(0, 280, 600, 440);
        QTest::newRow("second screen with a panel above")
            << wanted << minimum << QMargins(2, 2, 2, 2) << QRect(1920, 32, 1280, 768) << QRect()
            << QRect(1920 + 288 + 2, 32 + 162 + 2, 700, 440);
        QTest::newRow("smaller than the minimum: the title bar stays in reach")
            << wanted << minimum << QMargins(4, 30, 4, 4) << QRect(100, 50, 200, 150) << QRect()
            << QRect(104, 80, 300, 290);
        QTest::newRow("over its owner")
            << QSize(200, 100) << QSize(100, 50) << QMargins(2, 20, 2, 2) << QRect(0, 0, 1280, 800)
            << QRect(100, 100, 600, 400) << QRect(300, 259, 200, 100);
        QTest::newRow("over an owner off the bottom right: moved onto the area")
            << QSize(200, 100) << QSize(100, 50) << QMargins(2, 20, 2, 2) << QRect(0, 0, 1280, 800)
            << QRect(1200, 750, 600, 400) << QRect(1078, 698, 200, 100);
    }
    void placed_on_the_available_area() {
        QFETCH(QSize, wanted);
        QFETCH(QSize, minimum);
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        QFETCH(QRect, over);
        QFETCH(QRect, placed);
        QCOMPARE(place_window(wanted, minimum, frame, available,
                              over.isNull() ? std::nullopt : std::optional(over)),
                 placed);
    }

    // The real windows on a screen of 1280x800 pixels whose content is drawn at twice the scale,
    // with frames around windows, in a process of its own: the scale is set when a process starts.
    void the_window_fits_a_small_screen_data() {
        QTest::addColumn<QByteArray>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("scale 1") << QByteArray("1") << QSize(700, 440);
        QTest::newRow("scale 2") << QByteArray("2") << QSize(638, 398);
    }
    void the_window_fits_a_small_screen() {
        QFETCH(QByteArray, scale);
        QFETCH(QSize, size);
        const QTemporaryDir directory;
        QFile screens(directory.filePath(QStringLiteral("screens.json")));
        QVERIFY(screens.open(QIODevice::WriteOnly));
        screens.write(R"({"windowFrameMargins": true, "screens": [{"name": "small", "x": 0,
            "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96,
            "dpr": 1}]})");
        screens.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + screens.fileName());
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));

        const ChildResult child =
            run_child_process(QStringLiteral("--child-window-placement"), environment);
        QCOMPARE(child.exit_code, 0);
        const QList<QByteArray> lines = child.output.trimmed().split('\n');
        QCOMPARE(lines.size(), 8);
        const auto rect_of = [](const QByteArray& line) {
            const QList<QByteArray> numbers = line.split(' ');
            return QRect(numbers.value(1).toInt(), numbers.value(2).toInt(),
                         numbers.value(3).toInt(), numbers.value(4).toInt());
        };
        // In device pixels, as the screen counts them.
        const QRect screen = rect_of(lines.at(0));
        QCOMPARE(screen, QRect(0, 0, 1280, 800));
        QCOMPARE(rect_of(lines.at(1)).size(), size * scale.toInt());
        // The main window, the help window, About, the preview, the licence and the support
        // address.
        for (const QByteArray& frame : lines.mid(2)) {
            QVERIFY2(screen.contains(rect_of(frame)), frame.constData());
        }
    }
};

VARNEL_APP_TEST(PlaceWindowTest);

#include "PlaceWindowTest.moc"
