#include "tests/support/RealEngine.h"

#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"
#include "varnel/languages/LanguageFactory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

namespace varnel {

namespace {

namespace fs = std::filesystem;
using Results = std::vector<std::optional<std::wstring>>;

// What the last engine that failed wrote to standard error.
std::string last_errors;

std::wstring code_of(Language language, const EngineJob& job) {
    static const LanguageFactory factory;
    const auto code = factory.regex_formatting(language).code(job.regex, job.format, {});
    DBC_PRECONDITION(code.has_value());
    return *code;
}

// The one single-quoted word of a shell command that starts with prefix, unquoted.
std::wstring shell_word(const std::wstring& command, const std::wstring& prefix) {
    DBC_CHECK(command.compare(0, prefix.size(), prefix) == 0 && command.back() == L'\'');
    std::wstring word = command.substr(prefix.size() + 1, command.size() - prefix.size() - 2);
    for (std::size_t at = 0; (at = word.find(L"'\\''", at)) != std::wstring::npos; ++at) {
        word.replace(at, 4, L"'");
    }
    return word;
}

struct Scratch {
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "varnel-engine-XXXXXX").string();
        const char* made = mkdtemp(pattern.data());
        DBC_CHECK(made != nullptr);
        directory = pattern;
    }
    ~Scratch() { fs::remove_all(directory); }
    fs::path write(const std::string& name, const std::string& bytes) const {
        std::ofstream(directory / name, std::ios::binary) << bytes;
        return directory / name;
    }
    // The command's standard output, or none when it failed.
    std::optional<std::string> run(const std::string& command, const fs::path& input) const {
        const fs::path output = directory / "output";
        const std::string line = "LC_ALL=C.UTF-8 " + command + " < '" + input.string() + "' > '" +
                                 output.string() + "' 2> '" + (directory / "errors").string() + "'";
        if (std::system(line.c_str()) != 0) {
            std::ostringstream errors;
            errors << std::ifstream(directory / "errors").rdbuf();
            last_errors = errors.str();
            return std::nullopt;
        }
        std::ostringstream bytes;
        bytes << std::ifstream(output, std::ios::binary).rdbuf();
        return bytes.str();
    }
    fs::path directory;
};

std::string texts_json(const std::vector<EngineJob>& jobs) {
    nlohmann::json texts = nlohmann::json::array();
    for (const EngineJob& job : jobs) {
        texts.push_back(utf16_to_utf8(job.text));
    }
    return texts.dump();
}

Results results_json(const std::optional<std::string>& output, std::size_t count) {
    if (!output) {
        return {};
    }
    Results results;
    for (const auto& value : nlohmann::json::parse(*output)) {
        results.push_back(value.is_null() ? std::nullopt : utf8_to_utf16(value.get<std::string>()));
    }
    return results.size() == count ? results : Results{};
}

// The lines as functions of "text", called on each text, each failure a null.
Results run_script(const std::vector<EngineJob>& jobs, Language language) {
    const Scratch scratch;
    std::string program;
    const bool python = language == Language::Python;
    program += python ? "import json, re, sys\nrules = [\n" : "const rules = [\n";
    for (const EngineJob& job : jobs) {
        program += (python ? "    lambda text: " : "    (text) => ") +
                   utf16_to_utf8(code_of(language, job)) + ",\n";
    }
    program += python ? R"(]
def run(rule, text):
    try:
        return rule(text)
    except Exception:
        return None
texts = json.loads(sys.stdin.buffer.read().decode('utf-8'))
sys.stdout.write(json.dumps([run(r, t) for r, t in zip(rules, texts)]))
)"
                      : R"(];
const texts = JSON.parse(require('fs').readFileSync(0, 'utf8'));
const run = (rule, text) => { try { return rule(text); } catch (e) { return null; } };
process.stdout.write(JSON.stringify(texts.map((text, i) => run(rules[i], text))));
)";
    const fs::path script = scratch.write(python ? "rules.py" : "rules.js", program);
    const fs::path input = scratch.write("texts.json", texts_json(jobs));
    return results_json(
        scratch.run((python ? "python3 '" : "node '") + script.string() + "'", input), jobs.size());
}

// Perl runs each s/// of the printed command in a function of its own; no -l, as each text is one
// string rather than a line.
Results run_perl(const std::vector<EngineJob>& jobs) {
    const Scratch scratch;
    std::string program = "use utf8;\nuse strict;\nuse JSON::PP;\nmy @rules = (\n";
    for (const EngineJob& job : jobs) {
        const std::wstring substitution =
            shell_word(code_of(Language::PCRE, job), L"perl -CSD -Mutf8 -lpe ");
        program += "    sub { local $_ = shift; " + utf16_to_utf8(substitution) + "; $_ },\n";
    }
    program += R"();
my $json = JSON::PP->new->utf8;
my $texts = $json->decode(do { local $/; <STDIN> });
print $json->encode([map { $rules[$_]->($texts->[$_]) } 0 .. $#rules]);
)";
    const fs::path script = scratch.write("rules.pl", program);
    const fs::path input = scratch.write("texts.json", texts_json(jobs));
    return results_json(scratch.run("perl '" + script.string() + "'", input), jobs.size());
}

// sed reads the texts as NUL-separated records; the command of the printed line for record N is
// addressed to it.
Results run_sed(const std::vector<EngineJob>& jobs) {
    const Scratch scratch;
    std::string script;
    std::string input;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const std::wstring command = shell_word(code_of(Language::PosixERE, jobs[i]), L"sed -E ");
        script += std::to_string(i + 1) + utf16_to_utf8(command) + "\n";
        input += utf16_to_utf8(jobs[i].text) + '\0';
    }
    const fs::path file = scratch.write("rules.sed", script);
    const auto output =
        scratch.run("sed -z -E -f '" + file.string() + "'", scratch.write("texts", input));
    if (!output) {
        return {};
    }
    Results results;
    std::istringstream records(*output);
    for (std::string record; std::getline(records, record, '\0');) {
        results.push_back(utf8_to_utf16(record));
    }
    return results.size() == jobs.size() ? results : Results{};
}

} // namespace

Results run_on_real_engine(Language language, const std::vector<EngineJob>& jobs) {
    DBC_PRECONDITION(LanguageFactory().regex_formatting(language).code(L"", L"", {}).has_value());
    switch (language) {
    case Language::JavaScript:
    case Language::Python:
        return run_script(jobs, language);
    case Language::PCRE:
        return run_perl(jobs);
    case Language::PosixERE:
        return run_sed(jobs);
    default:
        DBC_UNREACHABLE();
    }
}

const std::string& real_engine_errors() {
    return last_errors;
}

std::wstring whole_match_reference(Language language) {
    switch (language) {
    case Language::Python:
        return L"\\g<0>";
    case Language::PosixERE:
        return L"&";
    default:
        return L"$&";
    }
}

} // namespace varnel
