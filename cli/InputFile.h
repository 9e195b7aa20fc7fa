#pragma once
// A file to read, or standard input for "-", read in blocks with every failure reported.

#include <string>

namespace varnel {

class InputFile {
public:
    // Throws CommandError when the file cannot be opened.
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Appends up to most bytes to buffer; false at the end of the file. Throws CommandError.
    bool read_into(std::string& buffer, std::size_t most);

    // The file as messages name it: "standard input" or the path, made safe to show.
    const std::string& name() const { return shown_name; }

private:
    int descriptor;
    std::string shown_name;
};

} // namespace varnel
