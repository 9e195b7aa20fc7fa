#include "fuzz/FuzzFailure.h"

#include <cstdio>
#include <cstdlib>

void fuzz_failure(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}
