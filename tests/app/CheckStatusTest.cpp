// The live check's line in the status bar: readable on light and dark palettes, and never wider
// than the bar gives it.

#include "app/CheckStatus.h"

#include "tests/app/AppTest.h"

#include <cmath>

#include <QMainWindow>
#include <QStatusBar>
#include <QTest>

using namespace varnel;

namespace {

// Contrast ratio of two colours, as WCAG 2 defines it.
qreal contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](qreal c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const qreal first = luminance(a);
    const qreal second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor shown_colour(const QLabel& label) {
    return label.palette().color(label.foregroundRole());
}

const CheckReport::State states[] = {CheckReport::State::rebuilds, CheckReport::State::differs,
                                     CheckReport::State::no_match, CheckReport::State::error};

} // namespace

class CheckStatusTest : public QObject {
    Q_OBJECT

private slots:
    void readable_on_the_palette_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("later");
        QTest::newRow("light") << QColor(0xEF, 0xEF, 0xEF) << QColor();
        QTest::newRow("dark") << QColor(0x2D, 0x2D, 0x2D) << QColor();
        QTest::newRow("white") << QColor(Qt::white) << QColor();
        QTest::newRow("black") << QColor(Qt::black) << QColor();
        QTest::newRow("grey, where neither black nor white is far")
            << QColor(0x76, 0x76, 0x76) << QColor();
        QTest::newRow("light, then dark") << QColor(0xEF, 0xEF, 0xEF) << QColor(0x2D, 0x2D, 0x2D);
        QTest::newRow("dark, then light") << QColor(0x2D, 0x2D, 0x2D) << QColor(0xEF, 0xEF, 0xEF);
    }
    void readable_on_the_palette() {
        QFETCH(QColor, window);
        QFETCH(QColor, later);
        CheckStatus status;
        status.setPalette(QPalette(window));
        auto* mark = status.findChild<QLabel*>(QStringLiteral("check_mark"));
        auto* text = status.findChild<QLabel*>(QStringLiteral("check_text"));
        QVERIFY(mark && text);
        QStringList marks;
        for (const CheckReport::State state : states) {
            status.show_report({state, L"Turns Search for into \u201Cx\u201D"});
            if (later.isValid()) {
                status.setPalette(QPalette(later));
            }
            const QColor background = status.palette().color(QPalette::Window);
            QVERIFY2(contrast(shown_colour(*mark), background) >= 4.5,
                     qPrintable(shown_colour(*mark).name() + " on " + background.name()));
            QVERIFY(contrast(shown_colour(*text), background) >= 4.5);
            marks.append(mark->text() + shown_colour(*mark).name());
            if (later.isValid()) {
                status.setPalette(QPalette(window));
            }
        }
        marks.removeDuplicates();
        QCOMPARE(marks.size(), 4);
    }

    void a_long_report_is_cut_to_the_bar() {
        QMainWindow window;
        auto* status = new CheckStatus;
        window.statusBar()->addWidget(status, 1);
        window.resize(500, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize minimum = window.minimumSizeHint();
        const std::wstring whole =
            L"Turns Search for into \u201C" + std::wstring(300, L'a') + L"\u201D";
        status->show_report({CheckReport::State::differs, whole});
        auto* text = status->findChild<QLabel*>(QStringLiteral("check_text"));
        QVERIFY(text);
        QTRY_VERIFY(text->text().endsWith(QChar(0x2026)));
        QVERIFY(text->fontMetrics().horizontalAdvance(text->text()) <=
                text->contentsRect().width());
        QCOMPARE(text->toolTip().toStdWString().size(), whole.size());
        QCOMPARE(window.minimumSizeHint(), minimum);
        QCOMPARE(window.width(), 500);

        status->clear();
        QVERIFY(status->isHidden());
    }
};

VARNEL_APP_TEST(CheckStatusTest);

#include "CheckStatusTest.moc"
