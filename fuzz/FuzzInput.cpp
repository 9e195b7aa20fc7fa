#include "fuzz/FuzzInput.h"

namespace {

constexpr std::uint8_t separator = 0xFF;

bool is_continuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence that lead begins, or 0 when it begins none.
std::size_t sequence_length(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC0 && lead < 0xE0) {
        return 2;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return 3;
    }
    return lead >= 0xF0 && lead < 0xF8 ? 4 : 0;
}

void append_code_point(std::wstring& text, std::uint32_t code_point) {
    if (code_point < 0x10000) {
        text += static_cast<wchar_t>(code_point);
    } else {
        code_point -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (code_point >> 10));
        text += static_cast<wchar_t>(0xDC00 + (code_point & 0x3FF));
    }
}

} // namespace

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

bool FuzzInput::at_end() const {
    return position >= size;
}

std::uint8_t FuzzInput::take_byte() {
    return at_end() ? 0 : data[position++];
}

std::string FuzzInput::take_bytes() {
    const std::size_t begin = position;
    while (position < size && data[position] != separator) {
        ++position;
    }
    std::string bytes(reinterpret_cast<const char*>(data) + begin, position - begin);
    if (position < size) {
        ++position;
    }
    return bytes;
}

std::wstring FuzzInput::take_text() {
    return fuzz_text(take_bytes());
}

std::wstring fuzz_text(const std::string& bytes) {
    std::wstring text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        const std::size_t length = sequence_length(lead);
        std::uint32_t code_point = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            const auto continuation = static_cast<std::uint8_t>(bytes[i + k]);
            whole = is_continuation(continuation);
            code_point = (code_point << 6) | (continuation & 0x3F);
        }
        if (whole && code_point <= 0x10FFFF) {
            append_code_point(text, code_point);
            i += length;
        } else {
            text += static_cast<wchar_t>(lead);
            ++i;
        }
    }
    return text;
}
