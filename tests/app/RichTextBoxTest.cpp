// Styled text in the result boxes: runs by block type, caret and selection kept in characters of
// the plain text, and the mapping between plain-text offsets and box positions.

#include "app/RichTextBox.h"

#include "tests/app/AppTest.h"
#include "varnel/settings/QStringConversion.h"

#include <vector>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace varnel;

namespace {

using Blocks = std::vector<PrettyFormatBlock>;

Blocks normal_blocks(const std::wstring& text) {
    return {PrettyFormatBlock(PrettyFormatBlock::Normal, text)};
}

void select(QTextEdit& box, int anchor, int position) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

// The character format at a plain-text offset (of the character that follows it).
QTextCharFormat format_at(QTextEdit& box, int offset) {
    QTextCursor cursor(box.document());
    cursor.setPosition(rich_box_position(box, static_cast<std::wstring::size_type>(offset) + 1));
    return cursor.charFormat();
}

// The block type whose style the character at a plain-text offset shows; -1 for any other style.
int type_shown_at(QTextEdit& box, int offset) {
    const QTextCharFormat format = format_at(box, offset);
    QColor half_text_colour = box.palette().color(QPalette::Text);
    half_text_colour.setAlphaF(0.5);
    const bool heavy = format.fontWeight() == 800;
    const bool plain_weight = format.fontWeight() == box.font().weight();
    if (!format.hasProperty(QTextFormat::ForegroundBrush)) {
        return heavy ? PrettyFormatBlock::Special : plain_weight ? PrettyFormatBlock::Normal : -1;
    }
    return format.foreground().color() == half_text_colour && plain_weight
               ? PrettyFormatBlock::Escape
               : -1;
}

std::vector<int> types_of(const Blocks& blocks) {
    std::vector<int> types;
    for (const PrettyFormatBlock& block : blocks) {
        types.insert(types.end(), block.text.size(), block.type);
    }
    return types;
}

} // namespace

Q_DECLARE_METATYPE(Blocks)

class RichTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void restyling_keeps_caret_and_selection_data() {
        QTest::addColumn<QString>("old_text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::addColumn<Blocks>("blocks");
        QTest::addColumn<int>("new_anchor");
        QTest::addColumn<int>("new_caret");
        const Blocks moved_boundaries{{PrettyFormatBlock::Special, L"{"},
                                      {PrettyFormatBlock::Normal, L"ab"},
                                      {PrettyFormatBlock::Escape, L"\\("},
                                      {PrettyFormatBlock::Normal, L"cdef"},
                                      {PrettyFormatBlock::Special, L"}"}};
        QTest::newRow("selection 3 to 7, boundaries moved")
            << QStringLiteral("{ab\\(cdef}") << 3 << 7 << moved_boundaries << 3 << 7;
        QTest::newRow("selection made leftwards")
            << QStringLiteral("{ab\\(cdef}") << 7 << 3 << moved_boundaries << 7 << 3;
        QTest::newRow("caret only")
            << QStringLiteral("{ab\\(cdef}") << 5 << 5 << moved_boundaries << 5 << 5;
        QTest::newRow("caret beyond the shorter text")
            << QStringLiteral("abcdefghij") << 9 << 9 << normal_blocks(L"abc") << 3 << 3;
        QTest::newRow("selection cut by the shorter text")
            << QStringLiteral("abcdefghij") << 2 << 8 << normal_blocks(L"abcd") << 2 << 4;
        QTest::newRow("surrogate pairs count as two") << QStringLiteral("a😀b") << 1 << 3
                                                      << normal_blocks(L"a\xD83D\xDE00"
                                                                       L"b")
                                                      << 1 << 3;
    }
    void restyling_keeps_caret_and_selection() {
        QFETCH(QString, old_text);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        QFETCH(Blocks, blocks);
        QFETCH(int, new_anchor);
        QFETCH(int, new_caret);
        RichTextBox box;
        box.setPlainText(old_text);
        select(box, anchor, caret);
        box.format(blocks);

        const QTextCursor cursor = box.textCursor();
        QCOMPARE(static_cast<int>(rich_box_offset(box, cursor.anchor())), new_anchor);
        QCOMPARE(static_cast<int>(rich_box_offset(box, cursor.position())), new_caret);
    }

    void blocks_become_one_paragraph_of_styled_runs() {
        RichTextBox box;
        box.format({{PrettyFormatBlock::Normal, L"ab"},
                    {PrettyFormatBlock::Escape, L"\\."},
                    {PrettyFormatBlock::Special, L"{"},
                    {PrettyFormatBlock::Special, L"}"},
                    {PrettyFormatBlock::Normal, L"é\xD83D\xDE00"}});
        QCOMPARE(box.document()->blockCount(), 1);
        QCOMPARE(box.text(), std::wstring(L"ab\\.{}é\xD83D\xDE00"));

        const QTextCharFormat normal = format_at(box, 0);
        QCOMPARE(normal.fontWeight(), box.font().weight());
        QVERIFY(!normal.hasProperty(QTextFormat::ForegroundBrush));

        QColor half_text_colour = box.palette().color(QPalette::Text);
        half_text_colour.setAlphaF(0.5);
        const QTextCharFormat escape = format_at(box, 2);
        QCOMPARE(escape.foreground().color(), half_text_colour);
        QCOMPARE(escape.fontWeight(), box.font().weight());

        const QTextCharFormat special = format_at(box, 4);
        QCOMPARE(special.fontWeight(), 800);
        QVERIFY(!special.hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(format_at(box, 6).fontWeight(), box.font().weight());
    }

    // Whatever the box held before, each character ends up in the style of its block.
    void restyling_shows_every_run_in_its_style_data() {
        QTest::addColumn<QString>("plain_before");
        QTest::addColumn<Blocks>("styled_before");
        QTest::addColumn<Blocks>("blocks");
        const Blocks group{{PrettyFormatBlock::Special, L"{"},
                           {PrettyFormatBlock::Normal, L"a"},
                           {PrettyFormatBlock::Escape, L"\\"},
                           {PrettyFormatBlock::Normal, L"(b"},
                           {PrettyFormatBlock::Special, L"}"}};
        const Blocks escapes{{PrettyFormatBlock::Normal, L"{a"},
                             {PrettyFormatBlock::Escape, L"\\"},
                             {PrettyFormatBlock::Normal, L"("},
                             {PrettyFormatBlock::Escape, L"b"},
                             {PrettyFormatBlock::Special, L"}"}};
        const Blocks adjacent{
            {PrettyFormatBlock::Special, L"{"}, {PrettyFormatBlock::Special, L"a"},
            {PrettyFormatBlock::Escape, L"\\"}, {PrettyFormatBlock::Escape, L"("},
            {PrettyFormatBlock::Normal, L"b"},  {PrettyFormatBlock::Normal, L"}"}};
        QTest::newRow("the same text typed unstyled")
            << QStringLiteral("{a\\(b}") << Blocks{} << group;
        QTest::newRow("the same text styled otherwise") << QString() << escapes << group;
        QTest::newRow("the same text styled alike") << QString() << group << group;
        QTest::newRow("neighbours of one type") << QString() << group << adjacent;
        QTest::newRow("back from neighbours of one type") << QString() << adjacent << group;
        QTest::newRow("another text") << QStringLiteral("xyz") << Blocks{} << group;
        QTest::newRow("the same text in two paragraphs")
            << QStringLiteral("{a\\\n(b}") << Blocks{} << group;
    }
    void restyling_shows_every_run_in_its_style() {
        QFETCH(QString, plain_before);
        QFETCH(Blocks, styled_before);
        QFETCH(Blocks, blocks);
        RichTextBox box;
        if (styled_before.empty()) {
            box.setPlainText(plain_before);
        } else {
            box.format(styled_before);
        }
        box.format(blocks);

        QCOMPARE(box.document()->blockCount(), 1);
        QCOMPARE(to_qstring(box.text()), QStringLiteral("{a\\(b}"));
        std::vector<int> shown;
        for (int offset = 0; offset < 6; ++offset) {
            shown.push_back(type_shown_at(box, offset));
        }
        QCOMPARE(shown, types_of(blocks));
    }

    // A long line is laid out whole on every change; wherever the user looks, it shows its styles.
    void styles_follow_the_view_along_a_long_line_data() {
        QTest::addColumn<int>("place");
        QTest::newRow("start") << 0;
        QTest::newRow("middle") << 25000;
        QTest::newRow("end") << 50000;
    }
    void styles_follow_the_view_along_a_long_line() {
        QFETCH(int, place);
        Blocks blocks;
        for (int i = 0; i < 25000; ++i) {
            blocks.emplace_back(PrettyFormatBlock::Escape, L"\\");
            blocks.emplace_back(PrettyFormatBlock::Special, L".");
        }
        RichTextBox box;
        box.resize(300, 40);
        box.show();
        box.format(blocks);
        box.select(static_cast<RichTextBox::Offset>(place),
                   static_cast<RichTextBox::Offset>(place));
        const std::vector<int> types = types_of(blocks);
        for (int offset = std::max(0, place - 20); offset < std::min(50000, place + 20); ++offset) {
            QCOMPARE(type_shown_at(box, offset), types[static_cast<std::size_t>(offset)]);
        }
    }

    void no_blocks_leave_one_empty_paragraph() {
        RichTextBox box;
        box.setPlainText(QStringLiteral("first\nsecond"));
        box.format({});
        QCOMPARE(box.document()->blockCount(), 1);
        QCOMPARE(box.text(), std::wstring());
        QCOMPARE(box.textCursor().position(), 0);
    }

    void only_the_users_edits_are_told() {
        RichTextBox box;
        QSignalSpy edited(&box, &RichTextBox::edited);
        box.format(normal_blocks(L"abc"));
        box.format({{PrettyFormatBlock::Special, L"{"}, {PrettyFormatBlock::Normal, L"abc"}});
        QCOMPARE(edited.count(), 0);

        box.select(4, 4);
        QTest::keyClicks(&box, QStringLiteral("x"));
        QCOMPARE(edited.count(), 1);
        box.replace_selection(L"yz");
        QCOMPARE(edited.count(), 2);
        QCOMPARE(box.text(), std::wstring(L"{abcxyz"));
    }

    void plain_text_never_holds_line_breaks_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("text");
        QTest::newRow("line feed") << QStringLiteral("ab\ncd") << QStringLiteral("abcd");
        QTest::newRow("carriage return and line feed")
            << QStringLiteral("ab\r\ncd\r\n") << QStringLiteral("abcd");
        QTest::newRow("carriage return") << QStringLiteral("\rab\rcd") << QStringLiteral("abcd");
        QTest::newRow("paragraph separator")
            << QStringLiteral("ab\u2029cd") << QStringLiteral("abcd");
        QTest::newRow("non-breaking space kept")
            << QStringLiteral("a\u00A0b") << QStringLiteral("a\u00A0b");
    }
    void plain_text_never_holds_line_breaks() {
        QFETCH(QString, content);
        QFETCH(QString, text);
        RichTextBox box;
        box.insertPlainText(content);
        QCOMPARE(to_qstring(box.text()), text);
    }

    // Units the document would take as structure or could not show: shown as stand-ins, kept as
    // they are.
    void every_code_unit_is_kept_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("pasted");
        const auto row = [](const char* name, char16_t unit, bool paste_keeps_it = true) {
            const QString text(QChar{unit});
            QTest::newRow(name) << text << (paste_keeps_it ? text : QString());
        };
        row("paragraph separator", u'\u2029');
        row("line separator", u'\u2028');
        row("next line", u'\u0085');
        row("NUL", u'\0');
        row("object replacement character", u'\uFFFC');
        row("start of frame", u'\uFDD0');
        row("end of frame", u'\uFDD1');
        row("lone high surrogate", u'\xD800');
        row("lone low surrogate", u'\xDFFF');
        row("escape", u'\x1B');
        row("form feed", u'\f');
        row("delete", u'\x7F');
        row("first C1 control", u'\x80');
        row("last C1 control", u'\x9F');
        row("tab", u'\t');
        // A pasted text's line breaks end its lines, and the box holds one.
        row("line feed", u'\n', false);
        row("carriage return", u'\r', false);
    }
    void every_code_unit_is_kept() {
        QFETCH(QString, unit);
        QFETCH(QString, pasted);
        const std::wstring text = L"a" + to_wstring(unit) + L"b";
        RichTextBox box;
        box.format(normal_blocks(text));
        QCOMPARE(box.text(), text);
        QCOMPARE(box.document()->blockCount(), 1);
        QCOMPARE(box.document()->characterCount() - 1, 3);

        box.select(1, 2);
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), unit);
        box.select(2, 2);
        QTest::keyClicks(&box, QStringLiteral("x"));
        QCOMPARE(box.text(), L"a" + to_wstring(unit) + L"xb");
        QCOMPARE(box.selection().caret, 3u);
        box.select(0, 0);
        box.paste();
        QCOMPARE(to_qstring(box.text()),
                 pasted + QStringLiteral("a") + unit + QStringLiteral("xb"));
    }

    void offsets_skip_paragraph_ends_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset");
        // "ab" ends its paragraph at position 2; "cd" starts at 3 and ends at 5; "" is at 6.
        QTest::newRow("content start") << 0 << 0;
        QTest::newRow("inside the first paragraph") << 1 << 1;
        QTest::newRow("end of the first paragraph") << 2 << 2;
        QTest::newRow("start of the second paragraph") << 3 << 2;
        QTest::newRow("inside the second paragraph") << 4 << 3;
        QTest::newRow("empty last paragraph") << 6 << 4;
        QTest::newRow("before the start") << -5 << 0;
        QTest::newRow("beyond the end") << 99 << 4;
    }
    void offsets_skip_paragraph_ends() {
        QFETCH(int, position);
        QFETCH(int, offset);
        RichTextBox box;
        box.setPlainText(QStringLiteral("ab\ncd\n"));
        QCOMPARE(static_cast<int>(rich_box_offset(box, position)), offset);
    }

    void positions_follow_characters_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("position");
        QTest::newRow("zero is the content start") << 0 << 0;
        QTest::newRow("after the first character") << 1 << 1;
        QTest::newRow("after the last character of a paragraph stays in it") << 2 << 2;
        QTest::newRow("after the first character of the next paragraph") << 3 << 4;
        QTest::newRow("after the last character") << 4 << 5;
        QTest::newRow("beyond the text is the content end") << 40 << 6;
    }
    void positions_follow_characters() {
        QFETCH(int, offset);
        QFETCH(int, position);
        RichTextBox box;
        box.setPlainText(QStringLiteral("ab\ncd\n"));
        QCOMPARE(rich_box_position(box, static_cast<std::wstring::size_type>(offset)), position);
    }

    void enter_asks_for_the_default_action_and_adds_no_text_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
    }
    void enter_asks_for_the_default_action_and_adds_no_text() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        RichTextBox box;
        box.setPlainText(QStringLiteral("abc"));
        QSignalSpy enter(&box, &RichTextBox::enter_pressed);
        QTest::keyClick(&box, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(enter.count(), 1);
        QCOMPARE(box.toPlainText(), QStringLiteral("abc"));
        QCOMPARE(box.document()->blockCount(), 1);
    }

    void pasted_rich_text_arrives_as_plain_text() {
        RichTextBox box;
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<b>bold</b> <i>it</i>"));
        data->setText(QStringLiteral("bold it"));
        QGuiApplication::clipboard()->setMimeData(data);
        box.paste();
        QCOMPARE(box.toPlainText(), QStringLiteral("bold it"));
        QTextCursor cursor(box.document());
        cursor.setPosition(2);
        QCOMPARE(cursor.charFormat().fontWeight(), box.font().weight());
    }
};

VARNEL_APP_TEST(RichTextBoxTest);

#include "RichTextBoxTest.moc"
