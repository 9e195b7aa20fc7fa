#include "cli/ReadExamples.h"

#include "cli/CommandError.h"
#include "cli/JsonText.h"
#include "cli/LineReader.h"
#include "cli/Printable.h"
#include "varnel/common/Utf8.h"

#include <algorithm>

namespace varnel {

namespace {

// One line of the file: an example, or a text that must stay unchanged.
struct Entry {
    std::wstring search;
    std::optional<std::wstring> replace;
};

Entry tab_separated(const std::wstring& line, const LineReader& lines) {
    const auto tabs = std::count(line.begin(), line.end(), L'\t');
    if (tabs > 1) {
        throw CommandError(lines.position() +
                           ": more than one tab (samples that hold tabs go in a .jsonl file)");
    }
    const std::size_t tab = line.find(L'\t');
    if (tab == std::wstring::npos) {
        return {line, std::nullopt};
    }
    return {line.substr(0, tab), line.substr(tab + 1)};
}

Entry json_value(std::string_view line, const LineReader& lines) {
    const Json value = Json::parse(line, nullptr, false);
    const auto is_text = [](const Json& element) { return element.is_string(); };
    const bool is_example =
        value.is_array() && value.size() == 2 && std::all_of(value.begin(), value.end(), is_text);
    if (!is_example && !value.is_string()) {
        throw CommandError(lines.position() +
                           ": not a JSON [\"search\", \"replace\"] or \"unchanged text\"");
    }
    // The JSON library has checked that strings are UTF-8.
    const auto text = [](const Json& string) {
        return *utf8_to_utf16(string.get_ref<const std::string&>());
    };
    if (is_example) {
        return {text(value[0]), text(value[1])};
    }
    return {text(value), std::nullopt};
}

bool is_json_lines(const std::string& path) {
    const std::string_view ending = ".jsonl";
    return path.size() >= ending.size() &&
           path.compare(path.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

ExampleFile read_examples(const std::string& path) {
    InputFile file(path);
    LineReader lines(file);
    const bool json = is_json_lines(path);
    ExampleFile read;
    while (const auto line = lines.next()) {
        if (line->text.empty()) {
            continue;
        }
        Entry entry =
            json ? json_value(line->text, lines) : tab_separated(lines.decoded(line->text), lines);
        if (!entry.replace) {
            read.unchanged.push_back(std::move(entry.search));
        } else if (entry.search.empty()) {
            throw CommandError(lines.position() + ": the search text is empty");
        } else {
            read.examples.push_back({std::move(entry.search), std::move(*entry.replace)});
        }
    }
    if (read.examples.empty()) {
        throw CommandError(file.name() + " holds no example: SEARCH, a tab and REPLACE");
    }
    return read;
}

} // namespace varnel
