#include "cli/ReadSample.h"

#include "cli/LineReader.h"

namespace varnel {

std::wstring read_sample(const std::string& path) {
    InputFile file(path);
    LineReader lines(file);
    std::wstring sample;
    std::wstring pending_ending; // dropped when its line is the last
    while (const auto line = lines.next()) {
        sample += pending_ending;
        sample += lines.decoded(line->text);
        pending_ending.assign(line->ending.begin(), line->ending.end());
    }
    return sample;
}

} // namespace varnel
