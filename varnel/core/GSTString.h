#pragma once
// A text of the generalized suffix tree: code units, optionally followed by one virtual end
// character (the terminator) that stands for the end of one input string.

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

namespace varnel {

namespace GST {

class String {
public:
    String() = default;
    explicit String(const std::wstring& text, std::optional<unsigned> terminator = std::nullopt);

    // Code units plus one for the terminator, if any.
    std::size_t length() const { return text.size() + (terminator ? 1 : 0); }
    // The characters [pos, pos + count); the terminator comes along when the range reaches it.
    String substr(std::size_t pos, std::size_t count) const;
    String substr(std::size_t pos) const;
    // Precondition: s has no terminator (a terminator only ever ends a string).
    void prepend(const String& s);

    bool operator==(const String&) const = default;

    std::wstring text;
    std::optional<unsigned> terminator;
};

// The text, then "$" and the terminator's number: "ab$1".
std::wostream& operator<<(std::wostream& out, const String& s);

} // namespace GST

} // namespace varnel
