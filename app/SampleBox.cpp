#include "app/SampleBox.h"

#include "app/HistoryKeys.h"
#include "app/RunEventHandler.h"
#include "app/ShownText.h"
#include "varnel/common/DBC.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <utility>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QStyleHints>

namespace varnel {

namespace {

// Code units the undo steps hold before the oldest go: 16 MiB, a few steps of mebibyte samples,
// thousands of everyday ones.
constexpr qsizetype undo_capacity = qsizetype{8} << 20;

// From this many code units the caret stands still. The line edit lays out and shapes its line
// again for every blink, to place the caret and to paint it: with a mebibyte in it that kept a
// fifth of a core busy while the window was left alone.
constexpr qsizetype steady_caret_length = 32768;

// The keys that go to an end of the line, which is the end of the sample rather than of what the
// line edit holds.
struct EndKey {
    QKeySequence::StandardKey key;
    bool to_end;
    bool selects;
};
constexpr EndKey end_keys[] = {
    {QKeySequence::MoveToStartOfLine, false, false},
    {QKeySequence::MoveToStartOfBlock, false, false},
    {QKeySequence::MoveToStartOfDocument, false, false},
    {QKeySequence::MoveToEndOfLine, true, false},
    {QKeySequence::MoveToEndOfBlock, true, false},
    {QKeySequence::MoveToEndOfDocument, true, false},
    {QKeySequence::SelectStartOfLine, false, true},
    {QKeySequence::SelectStartOfBlock, false, true},
    {QKeySequence::SelectStartOfDocument, false, true},
    {QKeySequence::SelectEndOfLine, true, true},
    {QKeySequence::SelectEndOfBlock, true, true},
    {QKeySequence::SelectEndOfDocument, true, true},
};

// The length of the longest common start of the two texts, up to limit.
qsizetype common_start(QStringView a, QStringView b, qsizetype limit) {
    const qsizetype length = std::min({a.size(), b.size(), limit});
    return std::mismatch(a.begin(), a.begin() + length, b.begin()).first - a.begin();
}

// The length of the longest common end of the two texts, up to limit.
qsizetype common_end(QStringView a, QStringView b, qsizetype limit) {
    const qsizetype length = std::min({a.size(), b.size(), limit});
    return std::mismatch(a.rbegin(), a.rbegin() + length, b.rbegin()).first - a.rbegin();
}

// One edit of the line edit's: units [start, start + removed) became inserted.
struct LineEdit {
    qsizetype start;
    qsizetype removed;
    QStringView inserted;
};

// The edit that made now of before, the caret after it. The line edit replaces its selection
// [selection_start, selection_end), if it has one; otherwise it changes one place: what follows
// the caret was there before, and what precedes the changed part as well, and the caret ends the
// inserted text. Taking the end first places an insertion among equal stand-ins where the caret
// says it went.
LineEdit edit_between(QStringView before, QStringView now, qsizetype caret,
                      qsizetype selection_start, qsizetype selection_end) {
    const qsizetype inserted = now.size() - before.size() + selection_end - selection_start;
    const bool over_selection =
        selection_start < selection_end && inserted >= 0 && caret == selection_start + inserted &&
        now.startsWith(before.first(selection_start)) && now.endsWith(before.sliced(selection_end));
    if (over_selection) {
        return {selection_start, selection_end - selection_start,
                now.sliced(selection_start, inserted)};
    }
    const qsizetype end = common_end(before, now, now.size() - caret);
    const qsizetype start = common_start(before, now, std::min(caret, before.size() - end));
    return {start, before.size() - end - start, now.sliced(start, now.size() - end - start)};
}

} // namespace

SampleBox::SampleBox(QWidget* parent) : QLineEdit(parent), window(QStringView(), 0, 0) {
    // Samples are data: the default limit of 32767 characters would cut them silently.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& now) { run_event_handler([&] { on_text_edited(now); }); });
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& now) { run_event_handler([&] { on_text_changed(now); }); });
    connect(this, &QLineEdit::cursorPositionChanged, this,
            [this] { run_event_handler([&] { on_selection_moved(); }); });
    connect(this, &QLineEdit::selectionChanged, this,
            [this] { run_event_handler([&] { on_selection_moved(); }); });
}

SampleBox::~SampleBox() {
    // A box that goes with the focus is told of no focus out.
    if (flash_time) {
        QGuiApplication::styleHints()->setCursorFlashTime(*flash_time);
    }
}

const QString& SampleBox::sample() const {
    return content;
}

void SampleBox::set_sample(const QString& sample) {
    show_window(replace(0, content.size(), sample, false));
    finish_change();
}

void SampleBox::undo() {
    go_to(undo_steps, redo_steps);
}

void SampleBox::redo() {
    go_to(redo_steps, undo_steps);
}

void SampleBox::keyPressEvent(QKeyEvent* event) {
    switch (history_key(*event)) {
    case HistoryKey::undo:
        undo();
        break;
    case HistoryKey::redo:
        redo();
        break;
    case HistoryKey::none:
        if (!take_key(*event)) {
            QLineEdit::keyPressEvent(event);
            offer_selection();
            return;
        }
        offer_selection();
        break;
    }
    event->accept();
}

void SampleBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    widen_full_selection();
}

void SampleBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    offer_selection();
}

void SampleBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard entries act on the line edit's own undo and on what it holds.
    const bool all_selected =
        window.selection_start() == 0 && window.selection_end() == content.size();
    struct Entry {
        const char* name;
        std::function<void()> action;
        std::optional<bool> enabled; // none: as the line edit has it
    };
    const Entry entries[] = {
        {"edit-undo", [this] { undo(); }, !undo_steps.empty()},
        {"edit-redo", [this] { redo(); }, !redo_steps.empty()},
        {"edit-cut", [this] { cut_selection(); }, std::nullopt},
        {"edit-copy", [this] { copy_selection(); }, std::nullopt},
        {"edit-paste", [this] { paste_clipboard(); }, std::nullopt},
        {"edit-delete", [this] { delete_selection(); }, std::nullopt},
        {"select-all", [this] { select_all(); }, !content.isEmpty() && !all_selected},
    };
    for (const Entry& entry : entries) {
        if (QAction* action = menu->findChild<QAction*>(QLatin1String(entry.name))) {
            action->disconnect();
            if (entry.enabled) {
                action->setEnabled(*entry.enabled);
            }
            connect(action, &QAction::triggered, this,
                    [handler = entry.action] { run_event_handler(handler); });
        }
    }
    menu->popup(event->globalPos());
}

void SampleBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    widen_full_selection();
    fit_caret();
}

void SampleBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    fit_caret();
}

void SampleBox::fit_caret() {
    // Only the box with the focus shows a caret, so the application's setting is the box's while
    // it has it.
    QStyleHints* hints = QGuiApplication::styleHints();
    const bool steady = hasFocus() && content.size() >= steady_caret_length;
    if (steady && !flash_time) {
        flash_time = hints->cursorFlashTime();
        hints->setCursorFlashTime(0);
    } else if (!steady && flash_time) {
        hints->setCursorFlashTime(*std::exchange(flash_time, std::nullopt));
    }
}

void SampleBox::on_text_edited(const QString& now) {
    editing = true;
    const qsizetype shown_start = std::min(window.shown_anchor(), window.shown_caret());
    const qsizetype shown_end = std::max(window.shown_anchor(), window.shown_caret());
    const LineEdit edit = edit_between(shown, now, cursorPosition(), shown_start, shown_end);
    // What the line edit replaced of its selection, it replaced of the whole selection, which
    // may reach beyond what it holds.
    const bool over_selection = shown_start < shown_end && edit.start == shown_start &&
                                edit.removed == shown_end - shown_start;
    const qsizetype start = over_selection ? window.selection_start() : window.start() + edit.start;
    const qsizetype removed = over_selection ? window.selection_end() - start : edit.removed;
    // A key's worth: a character typed, or one taken back or deleted.
    const bool typed =
        (removed == 0 && edit.inserted.size() <= 2) || (edit.inserted.empty() && removed <= 2);
    const SampleWindow next = replace(start, removed, edit.inserted, typed);
    const bool as_held = next.start() == window.start() &&
                         next.end() == window.start() + now.size() &&
                         shown_text(edit.inserted) == edit.inserted;
    if (as_held) {
        // The line edit holds the stretch as the box would show it.
        window = next;
        shown = now;
    } else if (next.same_stretch(window)) {
        // Stand-ins for what was inserted, or more of the sample than the line edit held changed.
        show_window(next);
    } else {
        place(next);
    }
    finish_change();
}

void SampleBox::on_text_changed(const QString& now) {
    if (showing || std::exchange(editing, false)) {
        return;
    }
    // A caller of QLineEdit set the text or cleared it.
    set_sample(now);
}

void SampleBox::on_selection_moved() {
    if (showing) {
        return;
    }
    const qsizetype caret = cursorPosition();
    const qsizetype anchor = !hasSelectedText()          ? caret
                             : selectionStart() == caret ? selectionEnd()
                                                         : selectionStart();
    place(window.moved(content, anchor, caret));
}

bool SampleBox::take_key(const QKeyEvent& event) {
    for (const auto& [key, to_end, selects] : end_keys) {
        if (event.matches(key)) {
            const qsizetype end = to_end ? content.size() : 0;
            select(selects ? window.anchor() : end, end);
            return true;
        }
    }
    if (event.matches(QKeySequence::SelectAll)) {
        select_all();
    } else if (event.matches(QKeySequence::Copy)) {
        copy_selection();
    } else if (event.matches(QKeySequence::Cut)) {
        cut_selection();
    } else if (event.matches(QKeySequence::Paste)) {
        paste_clipboard();
    } else if (event.matches(QKeySequence::DeleteEndOfLine)) {
        select(window.caret(), content.size());
        cut_selection();
    } else if (event.matches(QKeySequence::DeleteCompleteLine)) {
        select_all();
        cut_selection();
    } else {
        return false;
    }
    return true;
}

void SampleBox::widen_full_selection() {
    const bool holds_part = window.start() > 0 || window.end() < content.size();
    if (holds_part && hasSelectedText() && selectionLength() == shown.size()) {
        select_all();
    }
}

void SampleBox::select(qsizetype anchor, qsizetype caret) {
    place(SampleWindow(content, caret, anchor));
}

void SampleBox::select_all() {
    select(0, content.size());
}

void SampleBox::copy_selection(QClipboard::Mode mode) const {
    const qsizetype start = window.selection_start();
    if (start < window.selection_end()) {
        QGuiApplication::clipboard()->setText(content.sliced(start, window.selection_end() - start),
                                              mode);
    }
}

void SampleBox::offer_selection() const {
    if (QGuiApplication::clipboard()->supportsSelection()) {
        copy_selection(QClipboard::Selection);
    }
}

void SampleBox::cut_selection() {
    copy_selection();
    delete_selection();
}

void SampleBox::paste_clipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) {
        replace_selection(text);
    }
}

void SampleBox::delete_selection() {
    if (window.selection_start() < window.selection_end()) {
        replace_selection(QStringView());
    }
}

void SampleBox::replace_selection(QStringView text) {
    const qsizetype start = window.selection_start();
    show_window(replace(start, window.selection_end() - start, text, false));
    finish_change();
}

SampleWindow SampleBox::replace(qsizetype start, qsizetype removed, QStringView inserted,
                                bool typed) {
    // Typing on from where the last typing left the caret joins its step.
    const bool joins = typed && start <= typing_end && typing_end <= start + removed;
    typing_end = typed ? start + inserted.size() : -1;
    if (!joins) {
        redo_steps.clear();
        undo_steps.push_back({content, start + removed});
        qsizetype held = std::accumulate(
            undo_steps.begin(), undo_steps.end(), qsizetype{0},
            [](qsizetype sum, const Step& step) { return sum + step.sample.size(); });
        while (held > undo_capacity && undo_steps.size() > 1) {
            held -= undo_steps.front().sample.size();
            undo_steps.erase(undo_steps.begin());
        }
    }
    content.replace(start, removed, inserted.data(), inserted.size());
    return window.edited(content, start, removed, inserted.size());
}

void SampleBox::show_window(const SampleWindow& next) {
    window = next;
    shown = shown_text(QStringView(content).sliced(next.start(), next.end() - next.start()));
    showing = true;
    setText(shown);
    showing = false;
    show_selection();
}

void SampleBox::place(const SampleWindow& next) {
    if (next.same_stretch(window)) {
        window = next;
        show_selection();
        return;
    }
    // The line edit keeps its view's scroll as pixels from the start of its line and scrolls only
    // as far as it takes to show the caret: a line that starts elsewhere would make the view jump.
    // The character at the view's edge the caret moves away from is put back at that edge by
    // painting the caret once on it, which scrolls the line edit that far.
    const qsizetype start = window.start();
    const bool forward = next.start() > start;
    const qsizetype at_edge = start + cursorPositionAt(QPoint(forward ? 0 : width(), height() / 2));
    show_window(next);
    if (isVisible() && next.start() != start && next.start() <= at_edge && at_edge <= next.end()) {
        showing = true;
        setCursorPosition(static_cast<int>(at_edge - next.start()));
        repaint();
        showing = false;
        show_selection();
    }
}

void SampleBox::show_selection() {
    showing = true;
    if (window.caret() == window.anchor()) {
        setCursorPosition(static_cast<int>(window.shown_caret()));
    } else {
        setSelection(static_cast<int>(window.shown_anchor()),
                     static_cast<int>(window.shown_caret() - window.shown_anchor()));
    }
    showing = false;
}

void SampleBox::go_to(std::vector<Step>& from, std::vector<Step>& to) {
    if (from.empty()) {
        return;
    }
    to.push_back({content, window.caret()});
    content = from.back().sample;
    const qsizetype caret = from.back().caret;
    from.pop_back();
    typing_end = -1;
    show_window(SampleWindow(content, caret, caret));
    finish_change();
}

void SampleBox::finish_change() {
    fit_caret();
    emit sample_changed();
}

} // namespace varnel
