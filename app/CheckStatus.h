#pragma once
// The live check's line in the status bar: a mark for the report's state and its text, cut to the
// width the bar gives it. The mark's colour says the state at a glance; it is made dark or light
// enough to stand out from the bar in light and dark palettes alike.

#include "app/CheckReport.h"

#include <QLabel>
#include <QWidget>

namespace varnel {

class ElidedLabel;

class CheckStatus : public QWidget {
    Q_OBJECT

public:
    explicit CheckStatus(QWidget* parent = nullptr);

    void show_report(const CheckReport& report);
    // Shows nothing, as when there is nothing to check.
    void clear();

protected:
    void changeEvent(QEvent* event) override;

private:
    void update_colour();

    QLabel* mark;
    ElidedLabel* message;
    CheckReport::State state = CheckReport::State::rebuilds;
};

} // namespace varnel
