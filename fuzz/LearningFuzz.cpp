// Learning in both languages from random examples: every rule returned, run by the regex runner,
// gives each example's output and leaves each unchanged text as it is; every ambiguous piece is
// where it says in its example's output; every refusal names an example that exists.

#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTarget.h"
#include "varnel/common/Utf8.h"
#include "varnel/learning/LearnReplaceRegex.h"
#include "varnel/replace/RunReplace.h"

using namespace varnel;

namespace {

// Learning runs many candidate rules on every example; longer texts would only slow the search
// for faults.
constexpr std::size_t max_text_length = 200;

std::string show(const std::wstring& text) {
    return utf16_to_utf8(text);
}

void check_rule(const varnel::LearnedRule& rule, const std::vector<varnel::Example>& examples,
                const std::vector<std::wstring>& unchanged, Language language) {
    const Replacer replacer(rule.regex, rule.format, language);
    const auto expect = [&](const std::wstring& in, const std::wstring& out) {
        const ReplaceOutcome outcome = replacer.replace_all(in);
        if (outcome.text != out) {
            fuzz_failure("rule " + show(rule.regex) + " / " + show(rule.format) + " turns \"" +
                         show(in) + "\" into \"" + show(outcome.text) + "\", not \"" + show(out) +
                         "\"");
        }
    };
    for (const varnel::Example& example : examples) {
        expect(example.search, example.replace);
    }
    for (const std::wstring& text : unchanged) {
        expect(text, text);
    }
    for (const varnel::AmbiguousPiece& piece : rule.ambiguous) {
        if (piece.example < 1 || piece.example > examples.size() ||
            examples[piece.example - 1].replace.compare(piece.position, piece.text.size(),
                                                        piece.text) != 0) {
            fuzz_failure("ambiguous piece \"" + show(piece.text) + "\" is not where it says");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t example_count = 1 + input.take_byte() % 4;
    const std::size_t unchanged_count = input.take_byte() % 3;
    std::vector<varnel::Example> examples;
    for (std::size_t i = 0; i < example_count; ++i) {
        std::wstring search = input.take_text();
        std::wstring replace = input.take_text();
        if (search.empty() || search.size() > max_text_length || replace.size() > max_text_length) {
            return -1;
        }
        examples.push_back({std::move(search), std::move(replace)});
    }
    std::vector<std::wstring> unchanged;
    for (std::size_t i = 0; i < unchanged_count && !input.at_end(); ++i) {
        unchanged.push_back(input.take_text());
        if (unchanged.back().size() > max_text_length) {
            return -1;
        }
    }
    for (const Language language : all_languages) {
        const varnel::LearnResult result =
            varnel::learn_replace_regex(examples, unchanged, language);
        if (const auto* rule = std::get_if<varnel::LearnedRule>(&result)) {
            check_rule(*rule, examples, unchanged, language);
        } else {
            const auto& refusal = std::get<varnel::Refusal>(result);
            if (refusal.reason.empty() || refusal.example > examples.size()) {
                fuzz_failure("a refusal without a reason or naming no example: " +
                             show(refusal.reason));
            }
        }
    }
    return 0;
}
