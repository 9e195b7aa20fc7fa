#pragma once
// The keys that undo and redo in the window's text boxes, whichever the platform names: the
// boxes keep their own histories and take these keys from their line or text edits.

#include <QKeyEvent>

namespace varnel {

enum class HistoryKey { none, undo, redo };

HistoryKey history_key(const QKeyEvent& event);

} // namespace varnel
