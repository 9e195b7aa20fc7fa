#include "cli/InputFile.h"

#include "cli/CommandError.h"
#include "cli/Printable.h"
#include "varnel/common/DBC.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace varnel {

namespace {

bool is_standard_input(const std::string& path) {
    return path == "-";
}

} // namespace

InputFile::InputFile(const std::string& path)
    : descriptor(is_standard_input(path) ? STDIN_FILENO
                                         : ::open(path.c_str(), O_RDONLY | O_CLOEXEC)),
      shown_name(is_standard_input(path) ? "standard input" : printable(path)) {
    if (descriptor < 0) {
        throw CommandError("cannot open " + shown_name + ": " + std::strerror(errno));
    }
}

InputFile::~InputFile() {
    if (descriptor != STDIN_FILENO) {
        ::close(descriptor);
    }
}

bool InputFile::read_into(std::string& buffer, std::size_t most) {
    DBC_PRECONDITION(most > 0);
    const std::size_t old_size = buffer.size();
    buffer.resize(old_size + most);
    ssize_t count = 0;
    do {
        count = ::read(descriptor, buffer.data() + old_size, most);
    } while (count < 0 && errno == EINTR);
    buffer.resize(old_size + static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
    if (count < 0) {
        throw CommandError("cannot read " + shown_name + ": " + std::strerror(errno));
    }
    return count > 0;
}

} // namespace varnel
