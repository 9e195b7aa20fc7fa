#include "bench/core/PeakMemory.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

// One thread allocates while a benchmark runs; the counters need no synchronisation.
std::size_t in_use = 0;
std::size_t at_reset = 0;
std::size_t peak = 0;

void* allocate(std::size_t size) {
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    in_use += malloc_usable_size(memory);
    if (in_use > peak) {
        peak = in_use;
    }
    return memory;
}

void release(void* memory) noexcept {
    if (memory != nullptr) {
        in_use -= malloc_usable_size(memory);
        std::free(memory);
    }
}

} // namespace

void PeakMemory::reset() {
    at_reset = in_use;
    peak = in_use;
}

std::size_t PeakMemory::peak_since_reset() {
    return peak - at_reset;
}

void* operator new(std::size_t size) {
    return allocate(size);
}

void* operator new[](std::size_t size) {
    return allocate(size);
}

void operator delete(void* memory) noexcept {
    release(memory);
}

void operator delete[](void* memory) noexcept {
    release(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    release(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
    release(memory);
}
