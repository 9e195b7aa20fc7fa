#pragma once
// Splits a file into lines as it reads it, so that streams of any size take memory for one line.

#include "cli/InputFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

struct Line {
    std::string_view text;   // without its ending
    std::string_view ending; // "\n", "\r\n", or "" for a last line without a line break
};

class LineReader {
public:
    explicit LineReader(InputFile& file, std::size_t block_size = 1 << 16);

    // The next line, valid until the next call; none at the end of the file.
    std::optional<Line> next();

    // The text of the line last read, or a CommandError that names the file and the line when it
    // is not valid UTF-8.
    std::wstring decoded(std::string_view text) const;

    // Where the line last read stands, for messages: "FILE: line N".
    std::string position() const;

private:
    InputFile& file;
    std::size_t block_size;
    std::string buffer;
    std::size_t start = 0;   // of the unread bytes in buffer
    std::size_t scanned = 0; // bytes from start known to hold no line break
    bool at_end = false;
    std::size_t line_number = 0;
};

} // namespace varnel
