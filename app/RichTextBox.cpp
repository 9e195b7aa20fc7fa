#include "app/RichTextBox.h"

#include "app/HistoryKeys.h"
#include "app/RunEventHandler.h"
#include "app/ShownText.h"
#include "app/TextShaping.h"
#include "varnel/common/DBC.h"
#include "varnel/settings/QStringConversion.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace varnel {

namespace {

// How far either side of the caret, or of the part of the line in view, characters show their
// styles; beyond, the line is plain. The box lays out, shapes and paints its one line whole on
// every change, and each styled run is a piece of its own in all three, so styling a long text
// whole made every keystroke cost time in proportion to its number of runs. The reach is wider
// than a screen shows; when the view moves beyond it, the styles follow.
constexpr int styled_reach = 4096;

// The style of each block type, indexed by the type.
using RunFormats = std::array<QTextCharFormat, 3>;

RunFormats run_formats(const QTextEdit& box) {
    RunFormats formats;
    QColor colour = box.palette().color(QPalette::Text);
    colour.setAlphaF(0.5);
    formats[PrettyFormatBlock::Escape].setForeground(colour);
    formats[PrettyFormatBlock::Special].setFontWeight(QFont::ExtraBold);
    return formats;
}

// Appends a run, merged with the last one when it goes on in the same style: the document keeps
// neighbouring stretches of one format as one anyway.
void append_run(std::vector<StyledRun>& runs, int start, int end, PrettyFormatBlock::Type type) {
    if (end <= start) {
        return;
    }
    if (!runs.empty() && runs.back().type == type && runs.back().end == start) {
        runs.back().end = end;
    } else {
        runs.push_back({start, end, type});
    }
}

std::vector<StyledRun> runs_of(const std::vector<PrettyFormatBlock>& blocks) {
    std::vector<StyledRun> runs;
    int position = 0;
    for (const PrettyFormatBlock& block : blocks) {
        const int end = position + static_cast<int>(block.text.size());
        append_run(runs, position, end, block.type);
        position = end;
    }
    return runs;
}

struct Stretch {
    int start;
    int end;
};

// The runs as the box shows them: in their styles within the stretch, Normal outside it.
std::vector<StyledRun> runs_within(const std::vector<StyledRun>& runs, Stretch styled) {
    std::vector<StyledRun> within;
    for (const StyledRun& run : runs) {
        append_run(within, run.start, std::min(run.end, styled.start), PrettyFormatBlock::Normal);
        append_run(within, std::max(run.start, styled.start), std::min(run.end, styled.end),
                   run.type);
        append_run(within, std::max(run.start, styled.end), run.end, PrettyFormatBlock::Normal);
    }
    return within;
}

// The stretch to style around a place of a line of that length: the current one while it reaches
// far enough either side, so that typing does not move it with every key, else a new one.
Stretch styled_stretch(int place, int length, Stretch current) {
    const int near_start = std::max(0, place - styled_reach / 2);
    const int near_end = std::min(length, place + styled_reach / 2);
    if (current.start <= near_start && near_end <= current.end) {
        return {current.start, std::min(current.end, length)};
    }
    return {std::max(0, place - styled_reach), std::min(length, place + styled_reach)};
}

void apply_format(QTextCursor& writer, const StyledRun& run, const RunFormats& formats) {
    writer.setPosition(run.start);
    writer.setPosition(run.end, QTextCursor::KeepAnchor);
    writer.setCharFormat(formats[run.type]);
}

// The runs whose characters do not all show their run's format yet.
std::vector<StyledRun> changed_runs(const QTextBlock& paragraph, const std::vector<StyledRun>& runs,
                                    const RunFormats& formats) {
    std::vector<StyledRun> changed;
    QTextBlock::iterator fragment = paragraph.begin();
    for (const StyledRun& run : runs) {
        // Fragments that end inside the run belong to it alone; one that goes on beyond it is
        // looked at again for the next run.
        while (!fragment.atEnd() &&
               fragment.fragment().position() + fragment.fragment().length() <= run.start) {
            ++fragment;
        }
        for (QTextBlock::iterator inside = fragment; !inside.atEnd(); ++inside) {
            if (inside.fragment().position() >= run.end) {
                break;
            }
            if (inside.fragment().charFormat() != formats[run.type]) {
                changed.push_back(run);
                break;
            }
        }
    }
    return changed;
}

// When the box holds exactly the text as one plain paragraph, as when the user's edit is
// restyled, only the runs whose format changed are rewritten: the document, and with it the
// layout of the paragraph, stays as it is when no run changed. False when the box holds anything
// else.
bool restyle_in_place(QTextDocument& document, const QString& text,
                      const std::vector<StyledRun>& runs, const RunFormats& formats) {
    const QTextBlock paragraph = document.firstBlock();
    if (document.blockCount() != 1 || paragraph.blockFormat() != QTextBlockFormat() ||
        paragraph.charFormat() != QTextCharFormat() || paragraph.text() != text) {
        return false;
    }
    const std::vector<StyledRun> changed = changed_runs(paragraph, runs, formats);
    if (!changed.empty()) {
        QTextCursor writer(&document);
        writer.beginEditBlock();
        for (const StyledRun& run : changed) {
            apply_format(writer, run, formats);
        }
        writer.endEditBlock();
    }
    return true;
}

// Replaces the whole content with one paragraph: the text in one insertion, then the styles by
// run, so that the document and its layout are rebuilt once.
void rebuild(QTextDocument& document, const QString& text, const std::vector<StyledRun>& runs,
             const RunFormats& formats) {
    QTextCursor writer(&document);
    writer.beginEditBlock();
    writer.select(QTextCursor::Document);
    writer.removeSelectedText();
    writer.setBlockFormat(QTextBlockFormat());
    writer.setBlockCharFormat(QTextCharFormat());
    writer.insertText(text, formats[PrettyFormatBlock::Normal]);
    for (const StyledRun& run : runs) {
        if (run.type != PrettyFormatBlock::Normal) {
            apply_format(writer, run, formats);
        }
    }
    writer.endEditBlock();
}

int content_end(const QTextDocument& document) {
    return document.characterCount() - 1;
}

// Sets the flag for the life of the object, also when an exception leaves the scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag(flag) { flag = true; }
    ~FlagScope() { flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag;
};

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setTabChangesFocus(true);
    // Every edit restyles the whole box; undoing such a rewrite would only bring it back.
    setUndoRedoEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    document()->setDocumentMargin(3);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                run_event_handler([&] { on_contents_change(position, removed, added); });
            });
    // The document tells the change before it lays the text out again, and the whole change
    // once it has: the window restyles the text only then.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (std::exchange(edit_untold, false)) {
            emit edited();
        }
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { run_event_handler([this] { style_shown_part(); }); });
}

QSize RichTextBox::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int margin = 2 * static_cast<int>(document()->documentMargin());
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 30 + frame + margin, metrics.height() + frame + margin};
}

QSize RichTextBox::minimumSizeHint() const {
    return {sizeHint().height() * 2, sizeHint().height()};
}

const std::wstring& RichTextBox::text() const {
    return content;
}

void RichTextBox::format(const std::vector<PrettyFormatBlock>& blocks) {
    format(blocks, selection());
}

void RichTextBox::format(const std::vector<PrettyFormatBlock>& blocks, Selection kept) {
    {
        const FlagScope scope(restyling);
        content.clear();
        for (const PrettyFormatBlock& block : blocks) {
            content += block.text;
        }
        shown = shown_text(content);
        // Before the text goes in, which lays it out.
        fit_shaping(*this, shown);
        runs = runs_of(blocks);
        const int length = static_cast<int>(shown.size());
        const Stretch styled =
            styled_stretch(static_cast<int>(std::min<Offset>(kept.caret, length)), length,
                           {styled_start, styled_end});
        styled_start = styled.start;
        styled_end = styled.end;
        const std::vector<StyledRun> shown_runs = runs_within(runs, styled);
        const RunFormats formats = run_formats(*this);
        // The paragraph is one line as long as the whole text: the glyphs its layout shapes are
        // kept for placing the caret and for painting instead of being shaped again for each.
        // The first paragraph is the one that stays.
        document()->firstBlock().layout()->setCacheEnabled(true);
        if (!restyle_in_place(*document(), shown, shown_runs, formats)) {
            rebuild(*document(), shown, shown_runs, formats);
        }
    }
    select(kept.anchor, kept.caret);
}

RichTextBox::Selection RichTextBox::selection() const {
    const QTextCursor cursor = textCursor();
    return {rich_box_offset(*this, cursor.anchor()), rich_box_offset(*this, cursor.position())};
}

void RichTextBox::select(Offset anchor, Offset caret) {
    QTextCursor cursor(document());
    cursor.setPosition(rich_box_position(*this, anchor));
    cursor.setPosition(rich_box_position(*this, caret), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox::replace_selection(const std::wstring& inserted) {
    {
        const FlagScope scope(restyling);
        QTextCursor cursor = textCursor();
        const Offset start = rich_box_offset(*this, cursor.selectionStart());
        const Offset end = rich_box_offset(*this, cursor.selectionEnd());
        const QString piece = shown_text(inserted);
        content.replace(start, end - start, inserted);
        shown.replace(static_cast<qsizetype>(start), static_cast<qsizetype>(end - start), piece);
        runs.clear();
        cursor.insertText(piece);
        setTextCursor(cursor);
    }
    emit edited();
}

void RichTextBox::set_history_actions(QAction& undo, QAction& redo) {
    undo_action = &undo;
    redo_action = &redo;
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enter_pressed();
        return;
    }
    if (QAction* action = history_action_for(*event)) {
        event->accept();
        if (action->isEnabled()) {
            action->trigger();
        }
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard entries act on the document's own undo, which is off.
    const std::pair<const char*, QAction*> entries[] = {{"edit-undo", undo_action.data()},
                                                        {"edit-redo", redo_action.data()}};
    for (const auto& [name, action] : entries) {
        QAction* standard = menu->findChild<QAction*>(QLatin1String(name));
        if (standard != nullptr && action != nullptr) {
            menu->insertAction(standard, action);
            menu->removeAction(standard);
        }
    }
    menu->popup(event->globalPos());
}

void RichTextBox::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    style_shown_part();
}

QMimeData* RichTextBox::createMimeDataFromSelection() const {
    const Selection selected = selection();
    auto* data = new QMimeData;
    data->setText(to_qstring(content.substr(selected.start(), selected.end() - selected.start())));
    return data;
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) {
        return;
    }
    // The line breaks of a pasted text end its lines; the box holds one line.
    QString text = source->text();
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    replace_selection(to_wstring(text));
}

void RichTextBox::on_contents_change(int position, int /*removed*/, int added) {
    if (restyling) {
        return;
    }
    const QTextDocument& document = *this->document();
    QTextCursor range(this->document());
    range.setPosition(position);
    range.setPosition(std::min(position + added, content_end(document)), QTextCursor::KeepAnchor);
    // What the user put there, taken as it stands; paragraph ends are not characters of the line.
    QString inserted = range.selectedText();
    inserted.remove(QChar::ParagraphSeparator);
    const auto offset = static_cast<qsizetype>(rich_box_offset(*this, position));
    const qsizetype length = document.characterCount() - document.blockCount();
    const qsizetype removed_units = shown.size() + inserted.size() - length;
    DBC_CHECK(removed_units >= 0 && offset + removed_units <= shown.size());
    if (QStringView(shown).mid(offset, removed_units) == inserted) {
        return; // only styles changed
    }
    content.replace(static_cast<Offset>(offset), static_cast<Offset>(removed_units),
                    to_wstring(inserted));
    shown.replace(offset, removed_units, inserted);
    runs.clear();
    edit_untold = true;
}

QAction* RichTextBox::history_action_for(const QKeyEvent& event) const {
    switch (history_key(event)) {
    case HistoryKey::undo:
        return undo_action.data();
    case HistoryKey::redo:
        return redo_action.data();
    case HistoryKey::none:
        return nullptr;
    }
    DBC_UNREACHABLE();
}

void RichTextBox::style_shown_part() {
    if (restyling || runs.empty()) {
        return;
    }
    // Across the one line, at the height of the caret.
    const int line_y = cursorRect().center().y();
    const int first = cursorForPosition(QPoint(0, line_y)).position();
    const int last = cursorForPosition(QPoint(viewport()->width(), line_y)).position();
    if (styled_start <= first && last <= styled_end) {
        return;
    }
    const FlagScope scope(restyling);
    const Stretch styled = styled_stretch((first + last) / 2, static_cast<int>(shown.size()), {});
    if (restyle_in_place(*document(), shown, runs_within(runs, styled), run_formats(*this))) {
        styled_start = styled.start;
        styled_end = styled.end;
    }
}

RichTextBox::Offset rich_box_offset(const QTextEdit& box, int position) {
    const QTextDocument& document = *box.document();
    if (position <= 0) {
        return 0;
    }
    position = std::min(position, content_end(document));
    // Each paragraph before the position's own ends in one position that is not a character.
    return static_cast<RichTextBox::Offset>(position - document.findBlock(position).blockNumber());
}

int rich_box_position(const QTextEdit& box, RichTextBox::Offset offset) {
    const QTextDocument& document = *box.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const auto characters = static_cast<RichTextBox::Offset>(block.length() - 1);
        if (offset <= characters) {
            return block.position() + static_cast<int>(offset);
        }
        offset -= characters;
    }
    return content_end(document);
}

} // namespace varnel
