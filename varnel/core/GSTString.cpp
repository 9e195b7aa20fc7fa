#include "varnel/core/GSTString.h"

#include "varnel/common/DBC.h"

namespace varnel {

namespace GST {

String::String(const std::wstring& text, std::optional<unsigned> terminator)
    : text(text), terminator(terminator) {}

String String::substr(std::size_t pos, std::size_t count) const {
    const bool reaches_terminator = pos <= text.size() && text.size() - pos < count;
    return String(text.substr(pos, count), reaches_terminator ? terminator : std::nullopt);
}

String String::substr(std::size_t pos) const {
    return String(text.substr(pos), pos <= text.size() ? terminator : std::nullopt);
}

void String::prepend(const String& s) {
    DBC_PRECONDITION(!s.terminator);
    text.insert(0, s.text);
}

std::wostream& operator<<(std::wostream& out, const String& s) {
    out << s.text;
    if (s.terminator) {
        out << L'$' << *s.terminator;
    }
    return out;
}

} // namespace GST

} // namespace varnel
