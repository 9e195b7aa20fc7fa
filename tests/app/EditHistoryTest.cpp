// The result boxes' undo history: what makes one step, what comes back with a step, and what is
// forgotten.

#include "app/EditHistory.h"

#include "tests/app/AppTest.h"
#include "varnel/settings/QStringConversion.h"

#include <limits>
#include <vector>

#include <QTest>

using namespace varnel;

namespace {

using Box = EditHistory::Box;
using Change = EditHistory::Change;

// One thing done to the boxes: typing, a change of the window's, a selection alone (the box then
// holds text with that selection; language is the window's language afterwards), another language
// alone, or an undo.
struct Act {
    enum Kind { type, step, select, language_alone, undo } kind;
    Box box = Box::regex;
    const wchar_t* text = L"";
    std::size_t anchor = 0;
    std::size_t caret = 0;
    Language language = Language::VisualStudio;
};
using Acts = std::vector<Act>;

// "regex@caret format@caret" with "anchor-caret" for a selection, then the box to focus and, for
// ECMAScript, "es".
QString dump(const BoxState& box) {
    const QString place = box.anchor == box.caret
                              ? QString::number(box.caret)
                              : QStringLiteral("%1-%2").arg(box.anchor).arg(box.caret);
    return to_qstring(box.text) + QLatin1Char('@') + place;
}

QString dump(const EditHistory::Move& move) {
    return dump(move.state.regex) + QLatin1Char(' ') + dump(move.state.format) +
           (move.box == Box::regex ? QStringLiteral(" >regex") : QStringLiteral(" >format")) +
           (move.state.language == Language::ECMAScript ? QStringLiteral(" es") : QString());
}

Act type(Box box, const wchar_t* text, std::size_t caret) {
    return {Act::type, box, text, caret, caret};
}

} // namespace

Q_DECLARE_METATYPE(Acts)

class EditHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void steps_and_what_comes_back_data() {
        QTest::addColumn<Acts>("acts");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QStringList>("undone");
        QTest::addColumn<QStringList>("redone");
        const Box r = Box::regex;
        const Box f = Box::format;
        const int any = std::numeric_limits<int>::max();
        const auto es = Language::ECMAScript;

        QTest::newRow("a run of typing is one step")
            << Acts{type(r, L"a", 1), type(r, L"ab", 2), type(r, L"a", 1), type(r, L"ac", 2)} << any
            << QStringList{"@0 @0 >regex"} << QStringList{"ac@2 @0 >regex"};
        QTest::newRow("moving the caret ends the run")
            << Acts{type(r, L"ab", 2), {Act::select, r, L"ab", 0, 0}, type(r, L"xab", 1)} << any
            << QStringList{"ab@0 @0 >regex", "@0 @0 >regex"}
            << QStringList{"ab@0 @0 >regex", "xab@1 @0 >regex"};
        QTest::newRow("typing in the other box is a step of its own")
            << Acts{type(r, L"a", 1), type(f, L"x", 1), type(r, L"ab", 2)} << any
            << QStringList{"a@1 x@1 >regex", "a@1 @0 >format", "@0 @0 >regex"}
            << QStringList{"a@1 @0 >regex", "a@1 x@1 >format", "ab@2 x@1 >regex"};
        QTest::newRow("a change of the window's is always a step of its own")
            << Acts{type(r, L"a", 1),
                    {Act::step, r, L"{a}", 1, 2},
                    {Act::step, r, L"{:i}", 4, 4},
                    type(r, L"{:i}x", 5)}
            << any
            << QStringList{"{:i}@4 @0 >regex", "{a}@1-2 @0 >regex", "a@1 @0 >regex", "@0 @0 >regex"}
            << QStringList{"a@1 @0 >regex", "{a}@1-2 @0 >regex", "{:i}@4 @0 >regex",
                           "{:i}x@5 @0 >regex"};
        QTest::newRow("the selection made last comes back with the text")
            << Acts{{Act::step, r, L"{John}{ }{Smith}", 1, 5},
                    {Act::select, r, L"{John}{ }{Smith}", 10, 15},
                    {Act::step, r, L"{John}{ }{:i}", 13, 13}}
            << any << QStringList{"{John}{ }{Smith}@10-15 @0 >regex", "@0 @0 >regex"}
            << QStringList{"{John}{ }{Smith}@10-15 @0 >regex", "{John}{ }{:i}@13 @0 >regex"};
        QTest::newRow("a selection in a text not recorded yet is not kept")
            << Acts{type(r, L"ab", 2), {Act::select, r, L"abc", 0, 3}, type(r, L"abc", 3)} << any
            << QStringList{"@0 @0 >regex"} << QStringList{"abc@3 @0 >regex"};
        QTest::newRow("a new change after undoing drops what could be redone")
            << Acts{{Act::step, r, L"a", 1, 1},
                    {Act::step, r, L"b", 1, 1},
                    {Act::undo},
                    {Act::step, r, L"c", 1, 1}}
            << any << QStringList{"a@1 @0 >regex", "@0 @0 >regex"}
            << QStringList{"a@1 @0 >regex", "c@1 @0 >regex"};
        QTest::newRow("another language is a step, even with the same texts")
            << Acts{{Act::step, r, L"a", 1, 1}, {Act::step, r, L"a", 1, 1, es}} << any
            << QStringList{"a@1 @0 >regex", "@0 @0 >regex"}
            << QStringList{"a@1 @0 >regex", "a@1 @0 >regex es"};
        QTest::newRow("another language alone is no step, but undone to")
            << Acts{type(r, L"a", 1),
                    {Act::language_alone, r, L"a", 1, 1, es},
                    {Act::type, r, L"ab", 2, 2, es}}
            << any << QStringList{"a@1 @0 >regex es", "@0 @0 >regex"}
            << QStringList{"a@1 @0 >regex es", "ab@2 @0 >regex es"};
        QTest::newRow("a change that changes nothing is no step")
            << Acts{{Act::step, r, L"a", 1, 1}, {Act::step, r, L"a", 0, 1}} << any
            << QStringList{"@0 @0 >regex"} << QStringList{"a@1 @0 >regex"};
        QTest::newRow("the oldest states go beyond the capacity")
            << Acts{{Act::step, r, L"aaaa", 4, 4},
                    {Act::step, r, L"bbbb", 4, 4},
                    {Act::step, f, L"cc", 2, 2}}
            << 9 << QStringList{"bbbb@4 @0 >format"} << QStringList{"bbbb@4 cc@2 >format"};
        QTest::newRow("one undo stays, whatever the capacity")
            << Acts{{Act::step, r, L"aaaa", 4, 4}, {Act::step, r, L"bbbb", 4, 4}} << 1
            << QStringList{"aaaa@4 @0 >regex"} << QStringList{"bbbb@4 @0 >regex"};
    }
    void steps_and_what_comes_back() {
        QFETCH(Acts, acts);
        QFETCH(int, capacity);
        QFETCH(QStringList, undone);
        QFETCH(QStringList, redone);
        EditHistory history({}, static_cast<std::size_t>(capacity));
        EditState boxes;
        for (const Act& act : acts) {
            if (act.kind == Act::undo) {
                boxes = history.undo().state;
                continue;
            }
            BoxState& box = act.box == Box::regex ? boxes.regex : boxes.format;
            box = {act.text, act.anchor, act.caret};
            boxes.language = act.language;
            if (act.kind == Act::select) {
                history.select(act.box, act.text, act.anchor, act.caret);
            } else if (act.kind == Act::language_alone) {
                history.keep_language(act.language);
            } else {
                history.record(boxes, act.box,
                               act.kind == Act::type ? Change::typing : Change::step);
            }
        }
        QVERIFY(!history.can_redo());
        QStringList undo_trail;
        while (history.can_undo()) {
            undo_trail.append(dump(history.undo()));
        }
        QCOMPARE(undo_trail, undone);
        QStringList redo_trail;
        while (history.can_redo()) {
            redo_trail.append(dump(history.redo()));
        }
        QCOMPARE(redo_trail, redone);
    }
};

VARNEL_APP_TEST(EditHistoryTest);

#include "EditHistoryTest.moc"
