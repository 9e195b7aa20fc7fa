#include "common/Utf8.h"

#include <cstdint>
#include <cstdio>

namespace {

bool is_high_surrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void append_utf8(std::string& out, std::uint32_t code_point) {
    if (code_point < 0x80) {
        out += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        out += static_cast<char>(0xC0 | (code_point >> 6));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        out += static_cast<char>(0xE0 | (code_point >> 12));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code_point >> 18));
        out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

void append_utf16(std::wstring& out, std::uint32_t code_point) {
    if (code_point < 0x10000) {
        out += static_cast<wchar_t>(code_point);
    } else {
        code_point -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (code_point >> 10));
        out += static_cast<wchar_t>(0xDC00 + (code_point & 0x3FF));
    }
}

// Walks the text by code point; a lone surrogate is handed on as it is, flagged.
template <typename Visit>
void for_each_code_point(const std::wstring& text, Visit visit) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::uint32_t>(text[i]);
        if (is_high_surrogate(unit) && i + 1 < text.size() &&
            is_low_surrogate(static_cast<std::uint32_t>(text[i + 1]))) {
            const auto low = static_cast<std::uint32_t>(text[++i]);
            visit(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), false);
        } else {
            visit(unit, is_high_surrogate(unit) || is_low_surrogate(unit));
        }
    }
}

// The length of the valid UTF-8 sequence at `at`, with its code point; 0 when it is not valid
// (overlong forms, encoded surrogates, values past U+10FFFF and cut sequences are not).
std::size_t decode_sequence(const std::string& bytes, std::size_t at, std::uint32_t& code_point) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        code_point = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code_point = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code_point = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code_point = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto continuation = static_cast<unsigned char>(bytes[at + k]);
        if ((continuation & 0xC0) != 0x80) {
            return 0;
        }
        code_point = (code_point << 6) | (continuation & 0x3F);
    }
    if (code_point < minimum || code_point > 0x10FFFF ||
        (code_point >= 0xD800 && code_point <= 0xDFFF)) {
        return 0;
    }
    return length;
}

} // namespace

boost::optional<std::wstring> utf8_to_utf16(const std::string& bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        std::uint32_t code_point = 0;
        const std::size_t length = decode_sequence(bytes, i, code_point);
        if (length == 0) {
            return boost::none;
        }
        append_utf16(text, code_point);
        i += length;
    }
    return text;
}

std::wstring utf8_to_utf16_replacing(const std::string& bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        std::uint32_t code_point = 0;
        const std::size_t length = decode_sequence(bytes, i, code_point);
        append_utf16(text, length == 0 ? 0xFFFD : code_point);
        i += length == 0 ? 1 : length;
    }
    return text;
}

std::string utf16_to_utf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for_each_code_point(text, [&out](std::uint32_t code_point, bool lone) {
        append_utf8(out, lone ? 0xFFFD : code_point);
    });
    return out;
}

std::string json_string(const std::wstring& text) {
    std::string out = "\"";
    for_each_code_point(text, [&out](std::uint32_t code_point, bool lone) {
        if (code_point == '"' || code_point == '\\') {
            out += '\\';
            out += static_cast<char>(code_point);
        } else if (code_point < 0x20 || lone) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code_point));
            out += escape;
        } else {
            append_utf8(out, code_point);
        }
    });
    return out + "\"";
}
