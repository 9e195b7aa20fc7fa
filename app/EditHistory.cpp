#include "app/EditHistory.h"

#include "varnel/common/DBC.h"

namespace varnel {

namespace {

std::size_t units_of(const EditState& state) {
    return state.regex.text.size() + state.format.text.size();
}

BoxState& box_of(EditState& state, EditHistory::Box box) {
    return box == EditHistory::Box::regex ? state.regex : state.format;
}

bool same_content(const EditState& a, const EditState& b) {
    return a.regex.text == b.regex.text && a.format.text == b.format.text &&
           a.language == b.language;
}

} // namespace

EditHistory::EditHistory(EditState initial, std::size_t capacity) : capacity(capacity) {
    held = units_of(initial);
    // The state before any change was made in no box; it is never undone.
    entries.push_back({std::move(initial), Box::regex, Change::step});
}

void EditHistory::record(const EditState& now, Box box, Change change) {
    Entry& current = entries[present];
    if (same_content(current.state, now)) {
        return;
    }
    const bool joins = change == Change::typing && typing_open &&
                       current.change == Change::typing && current.box == box;
    typing_open = change == Change::typing;
    if (joins) {
        held = held - units_of(current.state) + units_of(now);
        current.state = now;
    } else {
        while (entries.size() > present + 1) {
            held -= units_of(entries.back().state);
            entries.pop_back();
        }
        entries.push_back({now, box, change});
        held += units_of(now);
        ++present;
    }
    forget_oldest();
}

void EditHistory::select(Box box, const std::wstring& text, std::size_t anchor, std::size_t caret) {
    Entry& current = entries[present];
    BoxState& kept = box_of(current.state, box);
    if (kept.text != text) {
        return;
    }
    if (current.box == box && (kept.anchor != anchor || kept.caret != caret)) {
        typing_open = false;
    }
    kept.anchor = anchor;
    kept.caret = caret;
}

void EditHistory::keep_language(Language language) {
    typing_open = false;
    entries[present].state.language = language;
}

bool EditHistory::can_undo() const {
    return present > 0;
}

bool EditHistory::can_redo() const {
    return present + 1 < entries.size();
}

EditHistory::Move EditHistory::undo() {
    DBC_PRECONDITION(can_undo());
    typing_open = false;
    --present;
    return {entries[present].state, entries[present + 1].box};
}

EditHistory::Move EditHistory::redo() {
    DBC_PRECONDITION(can_redo());
    typing_open = false;
    ++present;
    return {entries[present].state, entries[present].box};
}

void EditHistory::forget_oldest() {
    while (held > capacity && present > 1) {
        held -= units_of(entries.front().state);
        entries.pop_front();
        --present;
    }
}

} // namespace varnel
