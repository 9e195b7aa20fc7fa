#pragma once
// Surrogate pairs in Varnel's texts, which hold one UTF-16 code unit per element: a character
// outside the Basic Multilingual Plane is two units that no piece of text may part.

#include <cstddef>
#include <string>

// True when a boundary at position falls between the two halves of a pair.
bool cuts_surrogate_pair(const std::wstring& text, std::size_t position);

// The pairs the text holds whole.
std::size_t count_surrogate_pairs(const std::wstring& text);

// True when the text holds no lone half of a pair.
bool whole_characters(const std::wstring& text);
