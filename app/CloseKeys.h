#pragma once
// Escape and Ctrl+W close a window of Varnel's own (help, licence): the keys a user tries first
// when its close button is out of reach or out of mind.

#include <QWidget>

namespace varnel {

void close_with_keys(QWidget& window);

} // namespace varnel
