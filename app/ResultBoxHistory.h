#pragma once
// Undo and redo for the two result boxes, kept in an EditHistory: the user's edits in a box are
// recorded as typing, the window's own changes as steps of their own, each selection as it moves.
// Two actions, enabled while there is something to undo or redo, serve the boxes' shortcuts and
// context menus.

#include "app/EditHistory.h"
#include "app/RichTextBox.h"

#include <functional>

#include <QAction>
#include <QObject>

namespace varnel {

class ResultBoxHistory : public QObject {
    Q_OBJECT

public:
    // show puts a state's texts and language in the window; the history then puts back the
    // selections and gives the focus to the box the step changed. language gives the window's
    // language. The boxes must outlive the history.
    ResultBoxHistory(RichTextBox& regex_box, RichTextBox& format_box,
                     std::function<Language()> language, std::function<void(const EditState&)> show,
                     QObject* parent = nullptr);

    // Runs a change of the window's to the boxes (box: the one it changes most) and records it as
    // one step, whatever edits of the boxes it makes on the way.
    template <typename Change>
    void step(EditHistory::Box box, const Change& change) {
        {
            const Recording off(recording);
            change();
        }
        record(box, EditHistory::Change::step);
    }

    // The window's language changed, the boxes' texts did not.
    void keep_language();

    void undo();
    void redo();

private:
    // Holds recording off while it lives, also when an exception leaves the scope.
    class Recording {
    public:
        explicit Recording(bool& flag) : flag(flag), was(flag) { flag = false; }
        ~Recording() { flag = was; }
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;

    private:
        bool& flag;
        bool was;
    };

    EditState present() const;
    void record(EditHistory::Box box, EditHistory::Change change);
    void keep_selection(EditHistory::Box box);
    void go_to(const EditHistory::Move& move);
    void update_actions();
    RichTextBox& box_of(EditHistory::Box box) const;

    RichTextBox& regex_box;
    RichTextBox& format_box;
    std::function<Language()> language;
    std::function<void(const EditState&)> show;
    EditHistory history;
    QAction* undo_action;
    QAction* redo_action;
    bool recording = true;
};

} // namespace varnel
