#pragma once
// Buffered output to a file descriptor that notices every failed write.

#include <string>
#include <string_view>

namespace varnel {

class OutputStream {
public:
    // The name is what messages call the output.
    explicit OutputStream(int descriptor, std::string name = "the output");

    // Both throw OutputClosed when the reader has gone and CommandError on any other failure.
    void write(std::string_view bytes);
    void flush();

private:
    int descriptor;
    std::string name;
    std::string buffer;
};

} // namespace varnel
