// A list in shared pieces against a plain vector: edits at and across the pieces' bounds, and a
// copy taken before them that stays as it was.

#include "app/SharedPieces.h"

#include "tests/app/AppTest.h"

#include <numeric>
#include <vector>

#include <QTest>

using namespace varnel;

namespace {

constexpr int piece = static_cast<int>(SharedPieces<int>::piece_size);

std::vector<int> numbers(int first, int count) {
    std::vector<int> items(static_cast<std::size_t>(count));
    std::iota(items.begin(), items.end(), first);
    return items;
}

} // namespace

class SharedPiecesTest : public QObject {
    Q_OBJECT

private slots:
    void edits_keep_the_order_and_spare_copies_data() {
        QTest::addColumn<QString>("edit"); // insert, erase or set
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("count"); // insert: how many items; erase: how many go
        QTest::newRow("insert inside a piece") << "insert" << piece + 5 << piece + 3;
        QTest::newRow("insert at a bound") << "insert" << piece << 2;
        QTest::newRow("insert at the start") << "insert" << 0 << 1;
        QTest::newRow("insert at the end") << "insert" << 3 * piece + 7 << 1;
        QTest::newRow("erase across pieces") << "erase" << piece - 3 << piece + 6;
        QTest::newRow("erase within a piece") << "erase" << 2 * piece + 1 << 3;
        QTest::newRow("erase everything") << "erase" << 0 << 3 * piece + 7;
        QTest::newRow("set the last of a piece") << "set" << piece - 1 << 0;
    }
    void edits_keep_the_order_and_spare_copies() {
        QFETCH(QString, edit);
        QFETCH(int, at);
        QFETCH(int, count);
        std::vector<int> expected = numbers(0, 3 * piece + 7);
        SharedPieces<int> list(expected);
        const SharedPieces<int> copy = list;
        const auto where = expected.begin() + at;
        if (edit == "insert") {
            const std::vector<int> inserted = numbers(-count, count);
            list.insert(static_cast<std::size_t>(at), SharedPieces<int>(inserted));
            expected.insert(where, inserted.begin(), inserted.end());
        } else if (edit == "erase") {
            list.erase(static_cast<std::size_t>(at), static_cast<std::size_t>(count));
            expected.erase(where, where + count);
        } else {
            list.set(static_cast<std::size_t>(at), -1);
            *where = -1;
        }
        // Items are found by number after the edit as well as in order.
        list.push_back(-2);
        expected.push_back(-2);
        QCOMPARE(std::vector<int>(list.begin(), list.end()), expected);
        for (std::size_t i = 0; i < expected.size(); i += 97) {
            QCOMPARE(list[i], expected[i]);
        }
        QCOMPARE(list.back(), -2);
        QVERIFY(copy == SharedPieces<int>(numbers(0, 3 * piece + 7)));
    }
};

VARNEL_APP_TEST(SharedPiecesTest);
#include "SharedPiecesTest.moc"
