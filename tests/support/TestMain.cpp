#include <locale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Letter classes follow the global locale; tests pin it so accented letters are letters.
    std::locale::global(std::locale("C.UTF-8"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
