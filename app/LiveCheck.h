#pragma once
// Runs the window's live check each time the window asks, without holding up typing: a short
// check runs at once, a long one after a short pause, which a newer request starts again, and
// then in the background. Only the latest request's report is delivered.

#include "app/BackgroundJob.h"
#include "app/CheckReport.h"

#include <QObject>
#include <QTimer>

namespace varnel {

class LiveCheck : public QObject {
    Q_OBJECT

public:
    explicit LiveCheck(QObject* parent = nullptr);

    void request(CheckInput input);
    // Drops the request waiting or under way: nothing is reported for it.
    void cancel();

signals:
    void reported(const CheckReport& report);

private:
    void run_waiting();
    void start(BackgroundJob::Run run, CheckInput input);

    QTimer pause;
    CheckInput waiting;
    BackgroundJob job;
};

} // namespace varnel
