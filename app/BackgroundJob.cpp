#include "app/BackgroundJob.h"

#include "app/RunEventHandler.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <sys/resource.h>
#include <unistd.h>

#include <QThreadPool>

namespace varnel {

namespace {

// Lowers the calling pool thread's priority, once: on a machine with few cores the work would
// otherwise take the window's thread's turn on a core, and a key press or a paint would wait for
// it. Linux gives each thread a priority of its own; where lowering fails, the work just runs on.
void yield_to_window() {
    thread_local bool lowered = false;
    if (!lowered) {
        lowered = true;
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 5);
    }
}

} // namespace

// What the job and its work under way share. The work looks at latest before it begins, so that a
// request superseded while it waited for a thread is not worked on, and hands its value over
// through job, which is null once the job is gone.
struct BackgroundJob::Link {
    std::atomic<std::uint64_t> latest{0};
    std::mutex mutex;
    BackgroundJob* job = nullptr;
};

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent), link(std::make_shared<Link>()) {
    link->job = this;
}

BackgroundJob::~BackgroundJob() {
    // No request is numbered 0: what waits for a thread is not begun.
    link->latest.store(0);
    const std::lock_guard<std::mutex> lock(link->mutex);
    // A value handed over before this point is still queued to this object; the toolkit drops it
    // with the object.
    link->job = nullptr;
}

void BackgroundJob::cancel() {
    link->latest.store(++latest);
    set_busy(false);
}

bool BackgroundJob::busy() const {
    return is_busy;
}

void BackgroundJob::start_in_background(std::function<Delivery()> work) {
    const std::uint64_t request = ++latest;
    link->latest.store(request);
    set_busy(true);
    QThreadPool::globalInstance()->start([link = link, request, work = std::move(work)] {
        yield_to_window();
        if (link->latest.load() != request) {
            return;
        }
        Delivery delivery;
        bool failed = false;
        try {
            delivery = work();
        } catch (...) {
            failed = true;
            delivery = [error = std::current_exception()] { std::rethrow_exception(error); };
        }
        const std::lock_guard<std::mutex> lock(link->mutex);
        // A value superseded already is freed here rather than on the job's thread.
        if (link->job != nullptr && (failed || link->latest.load() == request)) {
            QMetaObject::invokeMethod(
                link->job,
                [job = link->job, request, delivery = std::move(delivery), failed]() mutable {
                    job->receive(request, std::move(delivery), failed);
                },
                Qt::QueuedConnection);
        }
    });
}

void BackgroundJob::receive(std::uint64_t request, Delivery delivery, bool failed) {
    const bool current = request == latest && is_busy;
    if (current) {
        set_busy(false);
    }
    if (current || failed) {
        run_event_handler(delivery);
    }
    release_in_background(std::move(delivery));
}

void BackgroundJob::set_busy(bool busy) {
    if (busy != is_busy) {
        is_busy = busy;
        emit busy_changed(busy);
    }
}

} // namespace varnel
