#pragma once
// A note of the window's in the status bar, shown for a while: what the window did in place of
// what the user may have expected. A widget of the bar's own rather than a temporary message, which
// the bar's other widgets would show through. It takes the width its text asks for, and gives way
// only to a window narrower than that.

#include <chrono>

#include <QLabel>
#include <QString>
#include <QTimer>

namespace varnel {

class StatusNote : public QLabel {
public:
    explicit StatusNote(QWidget* parent = nullptr);

    // Shows the text for the time, in place of any note before it.
    void show_note(const QString& text, std::chrono::milliseconds time);

private:
    QTimer timer;
};

} // namespace varnel
