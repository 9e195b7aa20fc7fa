#pragma once
// Heap use of the benchmark executable, counted by its own operator new and operator delete.

#include <cstddef>

namespace PeakMemory {

// Forgets the peak: from now on the peak counts from the current heap use.
void reset();
// The largest heap use, in bytes, since the last reset, above the use at that reset.
std::size_t peak_since_reset();

} // namespace PeakMemory
