#include "app/SampleBox.h"

#include "app/HistoryKeys.h"
#include "app/RunEventHandler.h"
#include "app/ShownText.h"
#include "varnel/common/DBC.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QStyleHints>

namespace varnel {

namespace {

// Code units the undo steps hold before the oldest go: 16 MiB, a few steps of mebibyte samples,
// thousands of everyday ones.
constexpr qsizetype undo_capacity = qsizetype{8} << 20;

// From this many code units the caret stands still. The line edit lays out and shapes its whole
// line again for every blink, to place the caret and to paint it: with a mebibyte that kept a
// fifth of a core busy while the window was left alone.
constexpr qsizetype steady_caret_length = 32768;

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

} // namespace

SampleBox::SampleBox(QWidget* parent) : QLineEdit(parent) {
    // Samples are data: the default limit of 32767 characters would cut them silently.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& now) { run_event_handler([&] { on_text_changed(now); }); });
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
    remember(false, cursorPosition(), cursorPosition());
    content = sample;
    show_sample(static_cast<int>(content.size()));
    fit_caret();
    emit sample_changed();
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
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SampleBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard entries act on the line edit's own undo.
    const std::pair<const char*, void (SampleBox::*)()> entries[] = {
        {"edit-undo", &SampleBox::undo}, {"edit-redo", &SampleBox::redo}};
    for (const auto& [name, handler] : entries) {
        if (QAction* entry = menu->findChild<QAction*>(QLatin1String(name))) {
            entry->disconnect();
            entry->setEnabled(!(handler == &SampleBox::undo ? undo_steps : redo_steps).empty());
            connect(entry, &QAction::triggered, this,
                    [this, handler] { run_event_handler([&] { (this->*handler)(); }); });
        }
    }
    menu->popup(event->globalPos());
}

void SampleBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
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

void SampleBox::on_text_changed(const QString& now) {
    if (showing) {
        return;
    }
    // One edit at a time: what follows the caret was there before, and what precedes the changed
    // part as well; the caret ends the inserted text. Taking the end first places an insertion
    // among equal stand-ins where the caret says it went.
    const auto caret = static_cast<qsizetype>(cursorPosition());
    const qsizetype end = common_end(shown, now, now.size() - caret);
    const qsizetype start = common_start(shown, now, std::min(caret, shown.size() - end));
    const QStringView inserted = QStringView(now).mid(start, now.size() - end - start);
    const qsizetype removed = shown.size() - end - start;
    // A key's worth: a character typed, or one taken back or deleted.
    const bool typed = (removed == 0 && inserted.size() <= 2) || (inserted.empty() && removed <= 2);
    remember(typed, static_cast<int>(start), static_cast<int>(start + removed));
    content.replace(start, removed, inserted.data(), inserted.size());
    const QString shown_piece = shown_text(inserted);
    if (shown_piece == inserted) {
        shown = now;
    } else {
        show_sample(static_cast<int>(caret));
    }
    DBC_POSTCONDITION(shown.size() == content.size());
    fit_caret();
    emit sample_changed();
}

void SampleBox::remember(bool typed, int start, int end) {
    // Typing on from where the last typing left the caret joins its step.
    const bool joins = typed && start <= typing_end && typing_end <= end;
    typing_end = typed ? cursorPosition() : -1;
    if (joins) {
        return;
    }
    redo_steps.clear();
    undo_steps.push_back({content, end});
    qsizetype held =
        std::accumulate(undo_steps.begin(), undo_steps.end(), qsizetype{0},
                        [](qsizetype sum, const Step& step) { return sum + step.sample.size(); });
    while (held > undo_capacity && undo_steps.size() > 1) {
        held -= undo_steps.front().sample.size();
        undo_steps.erase(undo_steps.begin());
    }
}

void SampleBox::show_sample(int caret) {
    shown = shown_text(content);
    showing = true;
    setText(shown);
    setCursorPosition(caret);
    showing = false;
}

void SampleBox::go_to(std::vector<Step>& from, std::vector<Step>& to) {
    if (from.empty()) {
        return;
    }
    to.push_back({content, cursorPosition()});
    content = from.back().sample;
    const int caret = from.back().caret;
    from.pop_back();
    typing_end = -1;
    show_sample(caret);
    fit_caret();
    emit sample_changed();
}

} // namespace varnel
