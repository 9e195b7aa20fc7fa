#pragma once
// The undo history of the two result boxes. The boxes restyle their text on every edit, which a
// text document's own undo stack would take for edits of the user's; so the window keeps the
// states the user went through instead: both texts with their selections and the language, one
// state per step. A run of typing in one box is one step, and so is each change the window makes
// ("Make regular expression", Apply, a menu element, a language switch that carries the rule over
// or makes it again).

#include "varnel/languages/LanguageFactory.h"

#include <cstddef>
#include <deque>
#include <string>

namespace varnel {

struct BoxState {
    std::wstring text;
    // Offsets into text; equal when nothing is selected.
    std::size_t anchor = 0;
    std::size_t caret = 0;

    bool operator==(const BoxState&) const = default;
};

struct EditState {
    BoxState regex;
    BoxState format;
    Language language = Language::VisualStudio;

    bool operator==(const EditState&) const = default;
};

class EditHistory {
public:
    enum class Box { regex, format };
    enum class Change { typing, step };

    // Where undo() or redo() leads, and the box whose text the step taken back or made again
    // changed: the one to give the focus.
    struct Move {
        EditState state;
        Box box;
    };

    // Beyond capacity code units of text in all the states it holds, the history forgets its
    // oldest states, but never the present one nor the one before it.
    EditHistory(EditState initial, std::size_t capacity);

    // The boxes hold now after a change in box. Typing where the previous typing in the same box
    // left the caret joins that step; anything else is a step of its own, and the steps undone
    // before it can no longer be redone. A change that leaves texts and language as they were is
    // no step.
    void record(const EditState& now, Box box, Change change);

    // The selection of a box moved: it is kept with the present state, to come back with it, unless
    // the box's text is not the present state's (an edit not recorded yet). Moving the caret away
    // from where typing left it ends that run of typing.
    void select(Box box, const std::wstring& text, std::size_t anchor, std::size_t caret);

    // The language changed and the texts stayed: the present state is now in that language, and
    // undoing a later step comes back to it. Typing after it is a step of its own.
    void keep_language(Language language);

    bool can_undo() const;
    bool can_redo() const;
    // Precondition: can_undo().
    Move undo();
    // Precondition: can_redo().
    Move redo();

private:
    // A state and the change that led to it.
    struct Entry {
        EditState state;
        Box box;
        Change change;
    };

    void forget_oldest();

    std::deque<Entry> entries;
    std::size_t present = 0;
    // True while the present state comes from typing that may go on.
    bool typing_open = false;
    std::size_t capacity;
    std::size_t held = 0; // code units of text in entries
};

} // namespace varnel
