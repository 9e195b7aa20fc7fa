#pragma once
// A broken promise found by a fuzz target: described on standard error, then the process aborts,
// which libFuzzer reports with the input that did it and the corpus replay counts as a failure.

#include <string>

[[noreturn]] void fuzz_failure(const std::string& what);
