// The preview's table of lines repaints the rows in view that a change of rows reaches, and only
// those, however many rows the change holds.

#include "app/LinesView.h"

#include "tests/app/AppTest.h"

#include <QAbstractTableModel>
#include <QPaintEvent>
#include <QTest>

using namespace varnel;

namespace {

// A hundred thousand rows whose text changes all at once.
class Rows : public QAbstractTableModel {
public:
    static constexpr int count = 100000;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : count;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        return role == Qt::DisplayRole
                   ? QVariant(QStringLiteral("%1 %2").arg(index.row()).arg(turn))
                   : QVariant();
    }

    void change(int first, int last) {
        ++turn;
        emit dataChanged(index(first, 0), index(last, 1));
    }

private:
    int turn = 0;
};

// The region of the paint events that reach the viewport. A row is repainted when the region holds
// the whole of it: a neighbour's repaint reaches a pixel into it.
class PaintedRegion : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class LinesViewTest : public QObject {
    Q_OBJECT

private slots:
    void a_change_repaints_the_rows_in_view_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("every row") << 0 << Rows::count - 1;
        QTest::newRow("one row in view") << 3 << 3;
        QTest::newRow("rows below the view") << 5000 << Rows::count - 1;
    }
    void a_change_repaints_the_rows_in_view() {
        QFETCH(int, first);
        QFETCH(int, last);
        Rows rows;
        LinesView view;
        view.setModel(&rows);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        PaintedRegion region;
        view.viewport()->installEventFilter(&region);
        QCoreApplication::processEvents();
        region.painted = QRegion();
        rows.change(first, last);
        QCoreApplication::processEvents();
        const int last_shown = view.rowAt(view.viewport()->height() - 1);
        QVERIFY(last_shown > 3 && last_shown < 5000);
        for (int row = 0; row <= last_shown; ++row) {
            const QRect cell = view.visualRect(rows.index(row, 1)) & view.viewport()->rect();
            QCOMPARE(QRegion(cell).subtracted(region.painted).isEmpty(),
                     row >= first && row <= last);
        }
    }
};

VARNEL_APP_TEST(LinesViewTest);
#include "LinesViewTest.moc"
