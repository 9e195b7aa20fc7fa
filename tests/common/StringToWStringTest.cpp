#include "common/StringToWString.h"

#include <gtest/gtest.h>

TEST(StringToWStringTest, widens_each_character) {
    EXPECT_EQ(string_to_wstring(""), L"");
    EXPECT_EQ(string_to_wstring("File: core/GSTMake.cpp\nLine: 42"),
              L"File: core/GSTMake.cpp\nLine: 42");
    EXPECT_EQ(string_to_wstring("void f(const std::wstring&)"), L"void f(const std::wstring&)");
}
