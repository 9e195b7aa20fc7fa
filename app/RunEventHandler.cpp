#include "app/RunEventHandler.h"

#include <utility>

#include <QCoreApplication>

namespace varnel {

namespace {

// Written and read on the main thread only.
std::exception_ptr parked_exception;

} // namespace

void park_exception(const std::exception_ptr& exception) {
    if (!parked_exception) {
        parked_exception = exception;
    }
    QCoreApplication::exit(0);
}

void rethrow_parked_exception() {
    if (parked_exception) {
        std::rethrow_exception(std::exchange(parked_exception, nullptr));
    }
}

} // namespace varnel
