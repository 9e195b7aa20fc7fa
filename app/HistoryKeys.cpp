#include "app/HistoryKeys.h"

namespace varnel {

HistoryKey history_key(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Undo)) {
        return HistoryKey::undo;
    }
    // Both of the usual redo keys.
    const QKeyCombination pressed = event.keyCombination();
    if (event.matches(QKeySequence::Redo) || pressed == (Qt::ControlModifier | Qt::Key_Y) ||
        pressed == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z)) {
        return HistoryKey::redo;
    }
    return HistoryKey::none;
}

} // namespace varnel
