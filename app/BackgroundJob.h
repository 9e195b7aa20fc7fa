#pragma once
// Long work kept off the window's thread. A request runs a function on a thread of the pool and
// hands its value to a second function on the thread that owns the job, unless a later request or
// cancel() came first: only the latest request's value is ever delivered. Work under way cannot be
// interrupted; a superseded request's work runs to its end and its value is dropped. An exception
// that leaves the work is rethrown on the job's thread, superseded or not, so that it reaches the
// failure report as any other does. A value is freed on a thread of the pool, delivered or not.

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

#include <QObject>
#include <QThreadPool>

namespace varnel {

class BackgroundJob : public QObject {
    Q_OBJECT

public:
    enum class Run { now, in_background };

    explicit BackgroundJob(QObject* parent = nullptr);
    // Work under way runs on; its value goes nowhere.
    ~BackgroundJob() override;
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Supersedes the request under way, if any, then runs work() and deliver(value): both at once
    // on the calling thread with Run::now, where short work is done quicker than the hand-over;
    // with Run::in_background, work() on the pool and deliver(value) later on the job's thread.
    // work and deliver are copied to the pool thread: they must not refer to anything that can be
    // gone before the work ends, but for deliver's target, which is only used on delivery.
    template <typename Work, typename Deliver>
    void start(Run run, Work work, Deliver deliver) {
        if (run == Run::now) {
            cancel();
            deliver(work());
            return;
        }
        start_in_background([work = std::move(work), deliver = std::move(deliver)]() -> Delivery {
            auto value = std::make_shared<const std::invoke_result_t<const Work&>>(work());
            return [deliver, value] { deliver(*value); };
        });
    }

    // Drops the value of the request under way, if any.
    void cancel();

    // True from a request in the background until its value is delivered or dropped.
    bool busy() const;

signals:
    void busy_changed(bool busy);

private:
    using Delivery = std::function<void()>;
    struct Link;

    void start_in_background(std::function<Delivery()> work);
    void receive(std::uint64_t request, Delivery delivery, bool failed);
    void set_busy(bool busy);

    // Shared with the work under way, which outlives the job when it is destroyed first.
    std::shared_ptr<Link> link;
    // The number of the latest request; a request's value is delivered only while it is the latest.
    std::uint64_t latest = 0;
    bool is_busy = false;
};

// Destroys the value on a thread of the pool: freeing a long text or its verdicts takes longer
// than the window's thread may stand still.
template <typename Value>
void release_in_background(Value value) {
    QThreadPool::globalInstance()->start(
        [held = std::make_shared<Value>(std::move(value))]() mutable { held.reset(); });
}

} // namespace varnel
