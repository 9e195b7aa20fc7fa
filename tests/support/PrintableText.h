#pragma once
// Texts in failure messages: code units outside printable ASCII as \u escapes, so that a failing
// input can be read and typed back.

#include <string>

std::string printable(const std::wstring& text);
