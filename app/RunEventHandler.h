#pragma once
// An exception must not unwind through the toolkit's own frames, which are not built to pass it
// on. An event handler's exception is therefore parked here, the message loop is told to end, and
// the start-up rethrows it once the loop has returned, where it is reported like any other.

#include <exception>

namespace varnel {

// Keeps the first parked exception and asks every running message loop to end.
void park_exception(const std::exception_ptr& exception);

// Rethrows the parked exception, if there is one, and forgets it.
void rethrow_parked_exception();

template <typename Handler>
void run_event_handler(const Handler& handler) {
    try {
        handler();
    } catch (...) {
        park_exception(std::current_exception());
    }
}

} // namespace varnel
