#include "varnel/common/Utf8.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"

#include <cstdint>

namespace varnel {

namespace {

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
            visit(code_point_of_pair(unit, low), false);
        } else {
            visit(unit, is_surrogate(unit));
        }
    }
}

} // namespace

std::wstring utf16_of(std::uint32_t code_point) {
    std::wstring units;
    append_utf16(units, code_point);
    return units;
}

std::optional<Utf8Character> decode_utf8_character(std::string_view bytes, std::size_t offset) {
    DBC_PRECONDITION(offset < bytes.size());
    const auto lead = static_cast<unsigned char>(bytes[offset]);
    if (lead < 0x80) {
        return Utf8Character{lead, 1};
    }
    std::size_t length = 0;
    std::uint32_t code_point = 0;
    std::uint32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
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
        return std::nullopt;
    }
    if (length > bytes.size() - offset) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto continuation = static_cast<unsigned char>(bytes[offset + k]);
        if ((continuation & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code_point = (code_point << 6) | (continuation & 0x3F);
    }
    if (code_point < minimum || code_point > 0x10FFFF || is_surrogate(code_point)) {
        return std::nullopt;
    }
    return Utf8Character{code_point, length};
}

std::optional<std::wstring> utf8_to_utf16(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Most text is ASCII: one unit a byte, no decoding.
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            text += static_cast<wchar_t>(byte);
            ++i;
            continue;
        }
        const auto character = decode_utf8_character(bytes, i);
        if (!character) {
            return std::nullopt;
        }
        append_utf16(text, character->code_point);
        i += character->length;
    }
    return text;
}

std::wstring utf8_to_utf16_replacing(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto character = decode_utf8_character(bytes, i);
        append_utf16(text, character ? character->code_point : 0xFFFD);
        i += character ? character->length : 1;
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

std::optional<std::string> exact_utf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    bool exact = true;
    for_each_code_point(text, [&out, &exact](std::uint32_t code_point, bool lone) {
        exact = exact && !lone;
        append_utf8(out, code_point);
    });
    return exact ? std::optional<std::string>(std::move(out)) : std::nullopt;
}

} // namespace varnel
