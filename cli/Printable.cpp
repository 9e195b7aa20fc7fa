#include "cli/Printable.h"

#include "varnel/common/Utf8.h"

#include <cstdio>

namespace varnel {

namespace {

bool is_control(std::uint32_t code_point) {
    return code_point < 0x20 || (code_point >= 0x7F && code_point < 0xA0);
}

std::string escaped(const char* pattern, unsigned value) {
    char escape[8];
    std::snprintf(escape, sizeof escape, pattern, value);
    return escape;
}

} // namespace

std::string printable(std::string_view bytes) {
    std::string shown;
    shown.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto character = decode_utf8_character(bytes, i);
        if (!character) {
            shown += escaped("\\x%02x", static_cast<unsigned char>(bytes[i]));
            ++i;
            continue;
        }
        if (character->code_point == '\\') {
            shown += "\\\\";
        } else if (is_control(character->code_point)) {
            shown += escaped(character->length == 1 ? "\\x%02x" : "\\u%04x", character->code_point);
        } else {
            shown.append(bytes.substr(i, character->length));
        }
        i += character->length;
    }
    return shown;
}

} // namespace varnel
