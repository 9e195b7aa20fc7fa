#include "varnel/core/RunLengths.h"

#include <string>

#include <gtest/gtest.h>

using namespace varnel;

// Runs shorter than a byte holds are kept as they are, longer ones through the exact counts at
// every 256th position: runs that end just before, on and after such a position, and run to the
// end.
TEST(RunLengthsTest, counts_the_run_from_every_position) {
    const struct {
        const char* name;
        std::string text; // 'x' has the property
    } cases[] = {
        {"short runs", "x.xx...xxx."},
        {"a run of 254, 255 and 256",
         std::string(254, 'x') + "." + std::string(255, 'x') + "." + std::string(256, 'x') + "."},
        {"long runs across block starts",
         "." + std::string(700, 'x') + "." + std::string(300, 'x')},
        {"no property at all", std::string(600, '.')},
    };
    for (const auto& c : cases) {
        RunLengths runs;
        const int size = static_cast<int>(c.text.size());
        runs.assign(size, [&](int i) { return c.text[static_cast<std::size_t>(i)] == 'x'; });
        for (int i = 0; i < size; ++i) {
            const std::size_t end = c.text.find('.', static_cast<std::size_t>(i));
            const int expected =
                static_cast<int>(end == std::string::npos ? c.text.size() : end) - i;
            ASSERT_EQ(runs.run_from(i), expected) << c.name << ", position " << i;
        }
    }
}
