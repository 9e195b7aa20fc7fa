#pragma once
// Where a top-level window opens: at the size wanted, shrunk where the screen's available area is
// too small for it and its frame, and centred on that area.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace varnel {

// The geometry of the window's content (its frame around it) for a window of the wanted size that
// cannot be smaller than minimum. A window that cannot fit even at its minimum keeps its frame's
// top left corner in the area, so that its title bar stays in reach.
QRect place_window(QSize wanted, QSize minimum, QMargins frame, QRect available);

// Gives the window the wanted size, placed on its screen by place_window, when it is first shown:
// only then are the screen and the frame known.
void place_when_first_shown(QWidget& window, QSize wanted);

} // namespace varnel
