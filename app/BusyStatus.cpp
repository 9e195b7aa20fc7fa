#include "app/BusyStatus.h"

#include <QAction>
#include <QHBoxLayout>
#include <QProgressBar>

namespace varnel {

BusyStatus::BusyStatus(QWidget* parent) : QWidget(parent), label(new QLabel) {
    auto* indicator = new QProgressBar;
    // No end to count towards: the bar shows that work goes on, not how far it got.
    indicator->setRange(0, 0);
    indicator->setMaximumWidth(120);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(indicator);
    layout->addStretch();

    // A shortcut of the window that is live only while the note shows.
    auto* cancel = new QAction(this);
    cancel->setShortcut(Qt::Key_Escape);
    cancel->setShortcutContext(Qt::WindowShortcut);
    addAction(cancel);
    connect(cancel, &QAction::triggered, this, &BusyStatus::cancel_requested);
    hide();
}

void BusyStatus::watch(BackgroundJob& job, const QString& text) {
    jobs.emplace_back(&job, text);
    connect(&job, &BackgroundJob::busy_changed, this, &BusyStatus::update_note);
    connect(this, &BusyStatus::cancel_requested, &job, &BackgroundJob::cancel);
}

void BusyStatus::update_note() {
    for (const auto& [job, text] : jobs) {
        if (job != nullptr && job->busy()) {
            label->setText(text);
            show();
            return;
        }
    }
    hide();
}

} // namespace varnel
