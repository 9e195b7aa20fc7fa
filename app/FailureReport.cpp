#include "app/FailureReport.h"

#include "varnel/settings/QStringConversion.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace varnel {

namespace {

// How long another thread waits for the application's thread to take its report up. That thread
// may be waiting for the reporting one, or have left its event loop; then the report on standard
// error is all there is.
constexpr std::chrono::seconds take_up_time{5};

void show_modal(const FailureReport& report) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Varnel"), to_qstring(report.message),
                    QMessageBox::Ok);
    box.setDetailedText(to_qstring(report.detail));
    box.exec();
}

// Where a report handed to the application's thread stands.
struct Handover {
    std::mutex mutex;
    std::condition_variable changed;
    bool taken = false;
    bool dismissed = false;

    void mark(bool& state) {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            state = true;
        }
        changed.notify_all();
    }
};

// Has the application's thread show the report, and waits until it has been dismissed.
void show_from_another_thread(QApplication& application, const FailureReport& report) {
    const auto handover = std::make_shared<Handover>();
    QMetaObject::invokeMethod(
        &application,
        [handover, report] {
            handover->mark(handover->taken);
            show_modal(report);
            handover->mark(handover->dismissed);
            // The reporting thread now ends the process. Closing the report may have ended the
            // event loop, and a return from main would then end it first, as if all went well.
            for (;;) {
                std::this_thread::sleep_for(std::chrono::hours(1));
            }
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(handover->mutex);
    if (handover->changed.wait_for(lock, take_up_time, [&] { return handover->taken; })) {
        handover->changed.wait(lock, [&] { return handover->dismissed; });
    }
}

} // namespace

void show_failure_report(const FailureReport& report) {
    std::fprintf(stderr, "%s\n%s\n", to_qstring(report.message).toUtf8().constData(),
                 to_qstring(report.detail).toUtf8().constData());
    std::fflush(stderr);

    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr) {
        return;
    }
    if (QThread::currentThread() == application->thread()) {
        show_modal(report);
    } else {
        show_from_another_thread(*application, report);
    }
}

} // namespace varnel
