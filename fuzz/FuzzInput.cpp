#include "fuzz/FuzzInput.h"

#include "varnel/common/Utf8.h"

using namespace varnel;

namespace {

constexpr std::uint8_t separator = 0xFF;

// The surrogate code unit that three bytes at offset would encode (ED, A0 to BF, 80 to BF), which
// UTF-8 does not allow.
std::optional<wchar_t> encoded_surrogate(std::string_view bytes, std::size_t offset) {
    if (offset + 3 > bytes.size()) {
        return std::nullopt;
    }
    const auto lead = static_cast<std::uint8_t>(bytes[offset]);
    const auto second = static_cast<std::uint8_t>(bytes[offset + 1]);
    const auto third = static_cast<std::uint8_t>(bytes[offset + 2]);
    if (lead != 0xED || second < 0xA0 || second > 0xBF || (third & 0xC0) != 0x80) {
        return std::nullopt;
    }
    return static_cast<wchar_t>(0xD000 | ((second & 0x3F) << 6) | (third & 0x3F));
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
    const std::string_view view(bytes);
    std::wstring text;
    for (std::size_t i = 0; i < view.size();) {
        if (const auto character = decode_utf8_character(view, i)) {
            text += *utf8_to_utf16(view.substr(i, character->length));
            i += character->length;
        } else if (const auto unit = encoded_surrogate(view, i)) {
            text += *unit;
            i += 3;
        } else {
            text += static_cast<wchar_t>(static_cast<std::uint8_t>(view[i]));
            ++i;
        }
    }
    return text;
}
