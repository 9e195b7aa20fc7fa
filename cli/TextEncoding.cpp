#include "cli/TextEncoding.h"

#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"

#include <algorithm>

namespace varnel {

namespace {

// Where the bytes that are not UTF-8 go.
constexpr wchar_t escape_base = 0xDC00;
constexpr wchar_t first_escape = 0xDC80;
constexpr wchar_t last_escape = 0xDCFF;

// A unit of U+DC80..U+DCFF after a high surrogate is the second half of a pair (U+10080 is
// D800 DC80), not a byte.
bool is_escape(const std::wstring& text, std::size_t i) {
    const bool after_high = i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
    return text[i] >= first_escape && text[i] <= last_escape && !after_high;
}

std::wstring decode_utf8(std::string_view bytes) {
    if (auto text = utf8_to_utf16(bytes)) {
        return std::move(*text);
    }
    std::wstring text;
    std::size_t valid_from = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (const auto character = decode_utf8_character(bytes, i)) {
            i += character->length;
            continue;
        }
        text += *utf8_to_utf16(bytes.substr(valid_from, i - valid_from));
        const auto byte = static_cast<unsigned char>(bytes[i]);
        DBC_CHECK(byte >= 0x80); // every ASCII byte is valid UTF-8
        text += static_cast<wchar_t>(escape_base + byte);
        valid_from = ++i;
    }
    return text + *utf8_to_utf16(bytes.substr(valid_from));
}

std::optional<std::string> encode_utf8(const std::wstring& text) {
    std::string bytes;
    std::size_t run = 0; // the first unit not written yet
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !is_escape(text, i)) {
            continue;
        }
        const auto run_bytes = exact_utf8(text.substr(run, i - run));
        if (!run_bytes) {
            return std::nullopt;
        }
        bytes += *run_bytes;
        if (i < text.size()) {
            bytes += static_cast<char>(text[i] - escape_base);
        }
        run = i + 1;
    }
    return bytes;
}

} // namespace

std::wstring decode_text(std::string_view bytes, Encoding encoding) {
    if (encoding == Encoding::Utf8) {
        return decode_utf8(bytes);
    }
    std::wstring text(bytes.size(), L'\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char byte) {
        return static_cast<wchar_t>(static_cast<unsigned char>(byte));
    });
    return text;
}

std::optional<std::string> encode_text(const std::wstring& text, Encoding encoding) {
    if (encoding == Encoding::Utf8) {
        return encode_utf8(text);
    }
    if (std::any_of(text.begin(), text.end(), [](wchar_t unit) { return unit > 0xFF; })) {
        return std::nullopt;
    }
    return std::string(text.begin(), text.end());
}

} // namespace varnel
