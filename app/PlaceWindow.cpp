#include "app/PlaceWindow.h"

#include <algorithm>

#include <QEvent>
#include <QScreen>
#include <QWindow>

namespace varnel {

namespace {

// Places the window at its first Show event, which comes after its platform window is made and
// before it is mapped, and then goes.
class PlaceOnFirstShow : public QObject {
public:
    PlaceOnFirstShow(QWidget& window, QSize wanted) : QObject(&window), wanted(wanted) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto& window = static_cast<QWidget&>(*watched);
            const QWindow* handle = window.windowHandle();
            window.setGeometry(
                place_window(wanted, window.minimumSizeHint().expandedTo(window.minimumSize()),
                             handle != nullptr ? handle->frameMargins() : QMargins(),
                             window.screen()->availableGeometry()));
            deleteLater();
            window.removeEventFilter(this);
        }
        return false;
    }

private:
    QSize wanted;
};

// Where a length that the room may not hold starts in it: centred when it fits, else at its start.
int centred(int start, int room, int length) {
    return start + std::max(0, (room - length) / 2);
}

} // namespace

QRect place_window(QSize wanted, QSize minimum, QMargins frame, QRect available) {
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = wanted.boundedTo(room).expandedTo(minimum);
    const QSize framed = size.grownBy(frame);
    return {QPoint(centred(available.left(), available.width(), framed.width()) + frame.left(),
                   centred(available.top(), available.height(), framed.height()) + frame.top()),
            size};
}

void place_when_first_shown(QWidget& window, QSize wanted) {
    new PlaceOnFirstShow(window, wanted);
}

} // namespace varnel
