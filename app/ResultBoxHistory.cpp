#include "app/ResultBoxHistory.h"

#include "app/RunEventHandler.h"

namespace varnel {

namespace {

// Text the history holds before it forgets its oldest states: 32 MiB of wide characters, a few
// dozen steps of regexes from samples of 100,000 code units, thousands of everyday ones.
constexpr std::size_t history_capacity = std::size_t{8} << 20;

BoxState state_of(const RichTextBox& box) {
    const RichTextBox::Selection selection = box.selection();
    return {box.text(), selection.anchor, selection.caret};
}

} // namespace

ResultBoxHistory::ResultBoxHistory(RichTextBox& regex_box, RichTextBox& format_box,
                                   std::function<Language()> language,
                                   std::function<void(const EditState&)> show, QObject* parent)
    : QObject(parent), regex_box(regex_box), format_box(format_box), language(std::move(language)),
      show(std::move(show)), history(present(), history_capacity),
      undo_action(new QAction(QStringLiteral("&Undo"), this)),
      redo_action(new QAction(QStringLiteral("&Redo"), this)) {
    // Shown in the context menu; the boxes take the keys themselves (RichTextBox).
    undo_action->setShortcuts(QKeySequence::Undo);
    redo_action->setShortcuts(QKeySequence::Redo);
    connect(undo_action, &QAction::triggered, this,
            [this] { run_event_handler([this] { undo(); }); });
    connect(redo_action, &QAction::triggered, this,
            [this] { run_event_handler([this] { redo(); }); });
    for (const EditHistory::Box box : {EditHistory::Box::regex, EditHistory::Box::format}) {
        RichTextBox& widget = box_of(box);
        widget.set_history_actions(*undo_action, *redo_action);
        connect(&widget, &RichTextBox::edited, this, [this, box] {
            run_event_handler([this, box] { record(box, EditHistory::Change::typing); });
        });
        connect(&widget, &QTextEdit::cursorPositionChanged, this,
                [this, box] { run_event_handler([this, box] { keep_selection(box); }); });
        connect(&widget, &QTextEdit::selectionChanged, this,
                [this, box] { run_event_handler([this, box] { keep_selection(box); }); });
    }
    update_actions();
}

void ResultBoxHistory::keep_language() {
    history.keep_language(language());
}

void ResultBoxHistory::undo() {
    if (history.can_undo()) {
        go_to(history.undo());
    }
}

void ResultBoxHistory::redo() {
    if (history.can_redo()) {
        go_to(history.redo());
    }
}

EditState ResultBoxHistory::present() const {
    return {state_of(regex_box), state_of(format_box), language()};
}

void ResultBoxHistory::record(EditHistory::Box box, EditHistory::Change change) {
    if (recording) {
        history.record(present(), box, change);
        update_actions();
    }
}

void ResultBoxHistory::keep_selection(EditHistory::Box box) {
    if (recording) {
        const RichTextBox& widget = box_of(box);
        const RichTextBox::Selection selection = widget.selection();
        history.select(box, widget.text(), selection.anchor, selection.caret);
    }
}

void ResultBoxHistory::go_to(const EditHistory::Move& move) {
    {
        const Recording off(recording);
        show(move.state);
        regex_box.select(move.state.regex.anchor, move.state.regex.caret);
        format_box.select(move.state.format.anchor, move.state.format.caret);
        box_of(move.box).setFocus();
    }
    update_actions();
}

void ResultBoxHistory::update_actions() {
    undo_action->setEnabled(history.can_undo());
    redo_action->setEnabled(history.can_redo());
}

RichTextBox& ResultBoxHistory::box_of(EditHistory::Box box) const {
    return box == EditHistory::Box::regex ? regex_box : format_box;
}

} // namespace varnel
