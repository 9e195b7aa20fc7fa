#pragma once
// The two entry points of a libFuzzer target. Each fuzz target defines LLVMFuzzerTestOneInput,
// which checks what the code under test promises and ends the process through fuzz_failure when
// a promise is broken; the corpus replay calls the same functions without libFuzzer.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
