#pragma once
// Reads a fuzz input as the inputs of a check: single bytes of choices, then fields separated by
// 0xFF bytes (a byte no UTF-8 text holds), each taken as raw bytes or as Varnel text.

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size);

    bool at_end() const;
    // The next byte; 0 at the end.
    std::uint8_t take_byte();
    // The bytes up to the next separator or the end; the separator is passed over.
    std::string take_bytes();
    // The next field as text, so that every sequence of UTF-16 code units can be written and
    // every input reads as some text: UTF-8, where an encoded surrogate stands for that lone
    // code unit, and any byte that begins no sequence stands for the Latin-1 character.
    std::wstring take_text();

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};

// The fuzz reading of bytes as text (see FuzzInput::take_text).
std::wstring fuzz_text(const std::string& bytes);
