#pragma once
// The status bar's note of long work under way: what the window is busy with, a busy indicator,
// and Escape to cancel it. Hidden while no watched job is busy; Escape does nothing then.

#include "app/BackgroundJob.h"

#include <utility>
#include <vector>

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace varnel {

class BusyStatus : public QWidget {
    Q_OBJECT

public:
    explicit BusyStatus(QWidget* parent = nullptr);

    // Shows the text while the job is busy, unless a job watched earlier is busy too; Escape
    // cancels the job.
    void watch(BackgroundJob& job, const QString& text);

signals:
    void cancel_requested();

private:
    void update_note();

    QLabel* label;
    std::vector<std::pair<QPointer<BackgroundJob>, QString>> jobs;
};

} // namespace varnel
