#include "cli/LineReader.h"

#include "cli/CommandError.h"
#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"

#include <cstring>

namespace varnel {

LineReader::LineReader(InputFile& file, std::size_t block_size)
    : file(file), block_size(block_size) {
    DBC_PRECONDITION(block_size > 0);
}

std::optional<Line> LineReader::next() {
    for (;;) {
        const char* unread = buffer.data() + start;
        const std::size_t unread_size = buffer.size() - start;
        const auto* line_break =
            static_cast<const char*>(std::memchr(unread + scanned, '\n', unread_size - scanned));
        if (line_break != nullptr || (at_end && unread_size > 0)) {
            std::size_t length = line_break != nullptr ? line_break - unread : unread_size;
            std::size_t ending = line_break != nullptr ? 1 : 0;
            if (ending == 1 && length > 0 && unread[length - 1] == '\r') {
                --length;
                ++ending;
            }
            start += length + ending;
            scanned = 0;
            ++line_number;
            return Line{{unread, length}, {unread + length, ending}};
        }
        if (at_end) {
            return std::nullopt;
        }
        // Keep only the unread bytes, then read on.
        buffer.erase(0, start);
        start = 0;
        scanned = buffer.size();
        at_end = !file.read_into(buffer, block_size);
    }
}

std::wstring LineReader::decoded(std::string_view text) const {
    auto decoded = utf8_to_utf16(text);
    if (!decoded) {
        throw CommandError(position() + ": not valid UTF-8");
    }
    return std::move(*decoded);
}

std::string LineReader::position() const {
    return file.name() + ": line " + std::to_string(line_number);
}

} // namespace varnel
