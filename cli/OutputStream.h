#pragma once
// Buffered output to a file descriptor that notices every failed write.

#include <string>
#include <string_view>

namespace varnel {

class OutputStream {
public:
    explicit OutputStream(int descriptor);

    // Both throw OutputClosed when the reader has gone and CommandError on any other failure.
    void write(std::string_view bytes);
    void flush();

private:
    int descriptor;
    std::string buffer;
};

} // namespace varnel
