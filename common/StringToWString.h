#pragma once

#include <string>

// Widens a narrow text character by character through the global locale.
std::wstring string_to_wstring(const std::string& text);
