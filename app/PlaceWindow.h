#pragma once
// Where a top-level window opens: at the size wanted, shrunk where the screen's available area is
// too small for it and its frame, centred over its owner or on that area, and moved as far as it
// takes for all of it, frame included, to be on the area. Every window Varnel opens goes through
// here.

#include <optional>

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace varnel {

// The geometry of the window's content (its frame around it) for a window of the wanted size that
// cannot be smaller than minimum, centred over the rect given (the area if none). A window that
// cannot fit even at its minimum keeps its frame's top left corner in the area, so that its title
// bar stays in reach.
QRect place_window(QSize wanted, QSize minimum, QMargins frame, QRect available,
                   std::optional<QRect> over = std::nullopt);

// Gives the window the wanted size (its own size hint if none), placed on its screen by
// place_window over its owner's window if it has one, when it is first shown: only then are the
// screen and the frame known. Where the window system tells the frame only once the window is on
// the screen, the window is placed again then.
void place_when_first_shown(QWidget& window, std::optional<QSize> wanted = std::nullopt);

} // namespace varnel
