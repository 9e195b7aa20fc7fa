#pragma once
// The two result boxes: one editable line of styled text. The box keeps its text code unit for code
// unit, also the units its document would take as line breaks or could not show (see ShownText.h),
// and hands out that text, on copying too. Offsets into the text, as caret and selection keep them
// across a restyle, are offsets into the shown line.

#include "varnel/languages/PrettyFormatBlock.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QAction>
#include <QPointer>
#include <QTextEdit>

namespace varnel {

// Characters [start, end) of a box's text in one style.
struct StyledRun {
    int start;
    int end;
    PrettyFormatBlock::Type type;
};

class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    using Offset = std::wstring::size_type;

    // The selection as offsets into the text; anchor and caret are equal when nothing is selected.
    struct Selection {
        Offset anchor;
        Offset caret;

        Offset start() const { return std::min(anchor, caret); }
        Offset end() const { return std::max(anchor, caret); }
    };

    explicit RichTextBox(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    const std::wstring& text() const;

    // Replaces the content with one paragraph holding the blocks' text, in runs styled by block
    // type; when the box already shows that text, only the runs whose style differs are rewritten.
    // Caret and selection keep their offsets, as far as the new text reaches. Raises no edited().
    void format(const std::vector<PrettyFormatBlock>& blocks);
    // The same, then the selection set as select() sets it: the part in view is styled around
    // its caret at once, not styled and laid out again when the view scrolls there.
    void format(const std::vector<PrettyFormatBlock>& blocks, Selection selection);

    Selection selection() const;
    // Offsets beyond the text stand for its end.
    void select(Offset anchor, Offset caret);

    // Replaces the selection with the text, or inserts it at the caret, and puts the caret after
    // it.
    void replace_selection(const std::wstring& inserted);

    // The box's own undo is off: its restyling would fill it with steps of no use. These actions
    // take the undo and redo keys and the context menu's Undo and Redo instead, while they live.
    void set_history_actions(QAction& undo, QAction& redo);

signals:
    // Enter never becomes text here; it asks the window for its default action.
    void enter_pressed();
    // The text changed other than by format(): typed, pasted, cut or replaced.
    void edited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void on_contents_change(int position, int removed, int added);
    void style_shown_part();
    QAction* history_action_for(const QKeyEvent& event) const;

    std::wstring content;
    // The content as the document holds it while it is one paragraph.
    QString shown;
    // The styles of the content; empty after an edit, until the next format().
    std::vector<StyledRun> runs;
    // Characters [styled_start, styled_end) show their runs' styles; the rest is shown plain.
    int styled_start = 0;
    int styled_end = 0;
    // True from an edit of the user's until the document has finished it.
    bool edit_untold = false;
    // True exactly while the box rewrites its own document, so that it can tell its own changes
    // from the user's.
    bool restyling = false;
    QPointer<QAction> undo_action;
    QPointer<QAction> redo_action;
};

// The number of characters before a position of the box; paragraph ends do not count.
RichTextBox::Offset rich_box_offset(const QTextEdit& box, int position);

// The position just after that many characters; the end of the content if there are fewer.
int rich_box_position(const QTextEdit& box, RichTextBox::Offset offset);

} // namespace varnel
