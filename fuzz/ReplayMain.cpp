// Replays corpus files through a fuzz target's checks without libFuzzer, so that every build with
// tests runs them, g++ builds included. Each argument is a file or a folder of files. A failed
// check aborts; an input that hangs is ended by an alarm; replaying nothing is a failure too.

#include "fuzz/FuzzTarget.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace {

// Far more than any corpus file needs, even under the sanitizers.
constexpr unsigned int seconds_per_input = 60;

std::vector<std::filesystem::path> corpus_files(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument(argv[i]);
        if (!std::filesystem::is_directory(argument)) {
            files.push_back(argument);
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(argument)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<std::filesystem::path> files = corpus_files(argc, argv);
    if (files.empty()) {
        std::fprintf(stderr, "no corpus files to replay\n");
        return 1;
    }
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::fprintf(stderr, "replaying %s\n", file.c_str());
        ::alarm(seconds_per_input);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ::alarm(0);
    }
    std::printf("replayed %zu corpus files\n", files.size());
    return 0;
}
