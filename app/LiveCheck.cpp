#include "app/LiveCheck.h"

#include "app/RunEventHandler.h"

#include <utility>

namespace varnel {

namespace {

// A check runs in about 0.1 ms per thousand code units of sample (bench/replace), so below this
// many code units of samples and results it takes a few milliseconds and runs at once; above, it
// waits for a pause in the typing and runs in the background.
constexpr std::size_t long_check_length = 32768;
constexpr int pause_milliseconds = 150;

std::size_t length_of(const CheckInput& input) {
    return input.regex.size() + input.format.size() + input.search.size() +
           input.replacement.size();
}

} // namespace

LiveCheck::LiveCheck(QObject* parent) : QObject(parent) {
    pause.setSingleShot(true);
    pause.setInterval(pause_milliseconds);
    connect(&pause, &QTimer::timeout, this,
            [this] { run_event_handler([this] { run_waiting(); }); });
}

void LiveCheck::request(CheckInput input) {
    cancel();
    if (length_of(input) < long_check_length) {
        start(BackgroundJob::Run::now, std::move(input));
    } else {
        waiting = std::move(input);
        pause.start();
    }
}

void LiveCheck::cancel() {
    pause.stop();
    job.cancel();
}

void LiveCheck::run_waiting() {
    start(BackgroundJob::Run::in_background, std::move(waiting));
}

void LiveCheck::start(BackgroundJob::Run run, CheckInput input) {
    job.start(
        run, [input = std::move(input)] { return run_check(input); },
        [this](const CheckReport& report) { emit reported(report); });
}

} // namespace varnel
