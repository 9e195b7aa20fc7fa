#pragma once
// For every position of a sequence, how many positions in a row from it on have some property,
// in about one byte a position: runs shorter than 255 are kept as they are, longer ones are read
// through the exact length kept at every 256th position.

#include <cstdint>
#include <vector>

namespace varnel {

class RunLengths {
public:
    // has(i) for i in [0, size) tells whether position i has the property. The arrays keep their
    // memory from one assignment to the next.
    template <typename Has>
    void assign(int size, Has has);

    // How many positions from position on, itself included, have the property.
    int run_from(int position) const;

private:
    static constexpr int block = 256;
    static constexpr int capped = 255;

    std::vector<std::uint8_t> short_runs;
    // The exact run from every position that is a multiple of the block, and from size.
    std::vector<int> block_runs;
};

template <typename Has>
void RunLengths::assign(int size, Has has) {
    short_runs.resize(static_cast<std::size_t>(size));
    block_runs.resize(static_cast<std::size_t>(size / block + 1));
    int run = 0;
    block_runs[static_cast<std::size_t>(size / block)] = 0;
    for (int i = size - 1; i >= 0; --i) {
        run = has(i) ? run + 1 : 0;
        short_runs[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(run < capped ? run : capped);
        if (i % block == 0) {
            block_runs[static_cast<std::size_t>(i / block)] = run;
        }
    }
}

} // namespace varnel
