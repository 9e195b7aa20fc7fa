// Measures learning on a file of rewrite tasks, one JSON object a line:
//   {"name": "...", "examples": [["input", "output"], ...]}
// For k = 1, 2, 3 and each language: learn from the first k examples, rewrite every other input
// with Replace All, and count the task solved when every held-out output comes out exactly right.
// Examples holding a line break or a tab are left out; a task with no held-out example left is
// skipped. Families are the tasks whose names share a stem (phone-1, phone-1_short, ...); a family
// counts as solved when all its tasks are.

#include "varnel/common/Utf8.h"
#include "varnel/learning/LearnReplaceRegex.h"
#include "varnel/replace/RunReplace.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <locale>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

using namespace varnel;

namespace {

struct Task {
    std::string name;
    std::vector<varnel::Example> examples;
};

std::wstring wide(const std::string& utf8) {
    return utf8_to_utf16_replacing(utf8);
}

std::vector<Task> read_tasks(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<Task> tasks;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            continue;
        }
        const nlohmann::json object = nlohmann::json::parse(line);
        Task task{object.at("name").get<std::string>(), {}};
        for (const auto& pair : object.at("examples")) {
            const std::wstring search = wide(pair.at(0).get<std::string>());
            const std::wstring replace = wide(pair.at(1).get<std::string>());
            const auto breaks = [](const std::wstring& text) {
                return text.find_first_of(L"\r\n\t") != std::wstring::npos;
            };
            if (!breaks(search) && !breaks(replace) && !search.empty()) {
                task.examples.push_back({search, replace});
            }
        }
        tasks.push_back(std::move(task));
    }
    return tasks;
}

// a/phone-1-long-repeat, a/phone-1-long, b/phone-1_short and b/phone-1 are one family.
std::string family(std::string name) {
    name = name.substr(name.rfind('/') + 1);
    for (const char* suffix : {"-long-repeat", "-long", "_short", "-short", "_small"}) {
        const std::string end(suffix);
        if (name.size() > end.size() &&
            name.compare(name.size() - end.size(), end.size(), end) == 0) {
            return name.substr(0, name.size() - end.size());
        }
    }
    return name;
}

struct Tally {
    std::size_t tasks = 0;
    std::size_t solved = 0;
    std::size_t held_out = 0;
    std::size_t right = 0;
    std::size_t wrong_tasks = 0; // a rule that gets a held-out example wrong
    std::size_t refusals = 0;
    std::size_t own_failures = 0; // a rule that gets one of its own examples wrong: must stay 0
    double seconds = 0;
    double slowest = 0;
};

std::string language_name(Language language) {
    return utf16_to_utf8(std::wstring(names_of(language)->caption));
}

} // namespace

int main(int argc, char** argv) {
    std::locale::global(std::locale("C.UTF-8"));
    std::string path = VARNEL_DEFAULT_TASKS;
    bool by_task = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--by-task") {
            by_task = true;
        } else {
            path = argument;
        }
    }
    const std::vector<Task> tasks = read_tasks(path);
    std::printf("%zu tasks from %s\n\n", tasks.size(), path.c_str());
    std::printf("%-14s %2s %13s %10s %14s %9s %8s %12s %12s %14s\n", "language", "k",
                "tasks solved", "%", "examples right", "wrong", "refused", "own wrong",
                "ms per task", "families");
    for (const Language language : all_languages) {
        for (std::size_t k = 1; k <= 3; ++k) {
            Tally tally;
            std::map<std::string, std::pair<std::size_t, std::size_t>> families; // solved, tasks
            for (const Task& task : tasks) {
                if (task.examples.size() <= k) {
                    continue;
                }
                ++tally.tasks;
                const std::vector<varnel::Example> learn_from(task.examples.begin(),
                                                              task.examples.begin() + k);
                const auto start = std::chrono::steady_clock::now();
                const varnel::LearnResult result =
                    varnel::learn_replace_regex(learn_from, {}, language);
                const double seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                tally.seconds += seconds;
                tally.slowest = std::max(tally.slowest, seconds);
                const std::size_t held_out = task.examples.size() - k;
                tally.held_out += held_out;
                const auto* rule = std::get_if<varnel::LearnedRule>(&result);
                bool solved = false;
                if (rule == nullptr) {
                    ++tally.refusals;
                    if (by_task) {
                        std::cout << "  k=" << k << " " << task.name << ": refused: "
                                  << utf16_to_utf8(std::get<varnel::Refusal>(result).reason)
                                  << "\n";
                    }
                } else {
                    const Replacer replacer(rule->regex, rule->format, language);
                    std::size_t right = 0;
                    std::string first_wrong;
                    for (std::size_t e = 0; e < task.examples.size(); ++e) {
                        const varnel::Example& example = task.examples[e];
                        const bool ok =
                            replacer.replace_all(example.search).text == example.replace;
                        if (e < k) {
                            tally.own_failures += ok ? 0 : 1;
                        } else if (ok) {
                            ++right;
                        } else if (first_wrong.empty()) {
                            first_wrong = utf16_to_utf8(example.search) + " -> " +
                                          utf16_to_utf8(replacer.replace_all(example.search).text) +
                                          " (want " + utf16_to_utf8(example.replace) + ")";
                        }
                    }
                    tally.right += right;
                    solved = right == held_out;
                    tally.solved += solved ? 1 : 0;
                    tally.wrong_tasks += solved ? 0 : 1;
                    if (by_task) {
                        std::cout << "  k=" << k << " " << task.name << ": "
                                  << (solved ? "solved" : "WRONG") << "  "
                                  << utf16_to_utf8(rule->regex) << "  =>  "
                                  << utf16_to_utf8(rule->format) << "  " << first_wrong << "\n";
                    }
                }
                auto& [family_solved, family_tasks] = families[family(task.name)];
                family_solved += solved ? 1 : 0;
                ++family_tasks;
            }
            std::size_t families_solved = 0;
            for (const auto& [name, counts] : families) {
                families_solved += counts.first == counts.second ? 1 : 0;
                if (by_task) {
                    std::cout << "  k=" << k << " family " << name << ": " << counts.first << " / "
                              << counts.second << " solved\n";
                }
            }
            std::printf(
                "%-14s %2zu %6zu / %4zu %9.1f%% %6zu / %5zu %9zu %8zu %12zu %12.2f %6zu / %4zu\n",
                language_name(language).c_str(), k, tally.solved, tally.tasks,
                100.0 * static_cast<double>(tally.solved) / static_cast<double>(tally.tasks),
                tally.right, tally.held_out, tally.wrong_tasks, tally.refusals, tally.own_failures,
                1000.0 * tally.seconds / static_cast<double>(tally.tasks), families_solved,
                families.size());
        }
    }
    return 0;
}
