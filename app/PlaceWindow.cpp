#include "app/PlaceWindow.h"

#include <algorithm>

#include <QEvent>
#include <QScreen>
#include <QWindow>

namespace varnel {

namespace {

// Places the window at its first Show event, which comes after its platform window is made and
// before it is mapped; and again at its first Expose if its frame was not known at the Show (a
// window manager frames the window only when it is mapped). Then it goes.
class PlaceOnFirstShow : public QObject {
public:
    PlaceOnFirstShow(QWidget& window, std::optional<QSize> wanted)
        : QObject(&window), window(window), wanted(wanted) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window && event->type() == QEvent::Show) {
            placed_with = place();
            if (QWindow* handle = window.windowHandle()) {
                // The frame comes with the window manager's reparenting, after the expose.
                handle->installEventFilter(this);
            } else {
                finish();
            }
        } else if (watched == window.windowHandle() && event->type() == QEvent::Expose) {
            if (frame() != placed_with) {
                place();
            }
            finish();
        }
        return false;
    }

private:
    QMargins frame() const {
        const QWindow* handle = window.windowHandle();
        return handle != nullptr ? handle->frameMargins() : QMargins();
    }

    QMargins place() {
        const QMargins margins = frame();
        const QWidget* owner =
            window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
        const std::optional<QRect> over = owner != nullptr && owner->isVisible()
                                              ? std::optional(owner->frameGeometry())
                                              : std::nullopt;
        window.setGeometry(place_window(wanted.value_or(window.sizeHint()),
                                        window.minimumSizeHint().expandedTo(window.minimumSize()),
                                        margins, window.screen()->availableGeometry(), over));
        return margins;
    }

    void finish() {
        window.removeEventFilter(this);
        if (QWindow* handle = window.windowHandle()) {
            handle->removeEventFilter(this);
        }
        deleteLater();
    }

    QWidget& window;
    std::optional<QSize> wanted;
    QMargins placed_with;
};

// Where a length starts in the room: centred on the stretch [over_start, over_start + over), then
// moved into the room; at its start when it does not fit.
int placed(int start, int room, int over_start, int over, int length) {
    const int centred = over_start + (over - length) / 2;
    return std::max(start, std::min(centred, start + room - length));
}

} // namespace

QRect place_window(QSize wanted, QSize minimum, QMargins frame, QRect available,
                   std::optional<QRect> over) {
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = wanted.boundedTo(room).expandedTo(minimum);
    const QSize framed = size.grownBy(frame);
    const QRect centre = over.value_or(available);
    return {QPoint(placed(available.left(), available.width(), centre.left(), centre.width(),
                          framed.width()) +
                       frame.left(),
                   placed(available.top(), available.height(), centre.top(), centre.height(),
                          framed.height()) +
                       frame.top()),
            size};
}

void place_when_first_shown(QWidget& window, std::optional<QSize> wanted) {
    new PlaceOnFirstShow(window, wanted);
}

} // namespace varnel
