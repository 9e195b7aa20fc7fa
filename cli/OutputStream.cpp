#include "cli/OutputStream.h"

#include "cli/CommandError.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace varnel {

namespace {

// Large enough that a rewrite costs few system calls.
constexpr std::size_t buffer_size = 1 << 16;

} // namespace

OutputStream::OutputStream(int descriptor, std::string name)
    : descriptor(descriptor), name(std::move(name)) {
    buffer.reserve(buffer_size);
}

void OutputStream::write(std::string_view bytes) {
    if (buffer.size() + bytes.size() > buffer_size) {
        flush();
    }
    buffer.append(bytes);
}

void OutputStream::flush() {
    std::size_t written = 0;
    while (written < buffer.size()) {
        const ssize_t count = ::write(descriptor, buffer.data() + written, buffer.size() - written);
        if (count >= 0) {
            written += static_cast<std::size_t>(count);
        } else if (errno != EINTR) {
            // What cannot be written is dropped, so that the failure is reported once.
            const int error = errno;
            buffer.clear();
            if (error == EPIPE) {
                throw OutputClosed();
            }
            throw CommandError("cannot write " + name + ": " + std::strerror(error));
        }
    }
    buffer.clear();
}

} // namespace varnel
