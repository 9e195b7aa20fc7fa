#include "varnel/learning/LearnReplaceRegex.h"

#include "varnel/common/CharacterNumber.h"
#include "varnel/common/DBC.h"
#include "varnel/languages/LanguageFactory.h"
#include "varnel/learning/FormatPlan.h"
#include "varnel/learning/Frame.h"
#include "varnel/learning/RuleWriter.h"
#include "varnel/replace/RunReplace.h"

#include <algorithm>
#include <set>
#include <utility>

namespace varnel {

namespace {

// Bounds that keep one call fast whatever the examples: rules run on the examples, the length of
// a literal replacement, and the tokens a rule may take from each end of the line around a gap.
constexpr std::size_t max_checked_rules = 200;
// Up to this many code units of examples, a rule is checked on PCRE2's interpreter: compiling a
// class of the locale's letters to machine code takes longer than searching them (10 examples of
// 200 units: 11 ms rather than 33 ms a call); beyond it, the machine code's faster search wins.
constexpr std::size_t few_short_texts = 20'000;
constexpr std::size_t max_literal_length = 8;
constexpr std::size_t max_edge_tokens = 6;

const wchar_t* const beyond_replacement =
    L"changing case, arithmetic and choosing text by condition are beyond a regex replacement";

std::wstring quoted(std::wstring_view text) {
    return L"\"" + std::wstring(text) + L"\"";
}

std::wstring decimal(std::size_t n) {
    return std::to_wstring(n);
}

std::wstring rule_text(const ReplaceRegex& rule) {
    return L"regex " + quoted(rule.regex) + L", format " + quoted(rule.format);
}

// A rule found, with what it was made from when it was made from a frame.
struct Found {
    ReplaceRegex rule;
    std::optional<Frame> frame;
    FormatPlan plan;
};

std::wstring replace_literal(const std::wstring& text, const std::wstring& from,
                             const std::wstring& to) {
    std::wstring result;
    std::size_t at = 0;
    for (std::size_t hit = text.find(from); hit != std::wstring::npos; hit = text.find(from, at)) {
        result.append(text, at, hit - at).append(to);
        at = hit + from.size();
    }
    return result.append(text, at);
}

// Literal replacements (from, to) that Replace All turns every changed example's input into its
// output with, read from the first place where the first example changes; shortest first.
std::vector<std::pair<std::wstring, std::wstring>>
literal_replacements(const std::vector<Example>& changed) {
    const Example& first = changed.front();
    const std::size_t at =
        static_cast<std::size_t>(std::mismatch(first.search.begin(), first.search.end(),
                                               first.replace.begin(), first.replace.end())
                                     .first -
                                 first.search.begin());
    std::vector<std::pair<std::wstring, std::wstring>> found;
    const std::size_t longest_from = std::min(max_literal_length, first.search.size() - at);
    const std::size_t longest_to =
        std::min(max_literal_length, first.replace.size() - std::min(at, first.replace.size()));
    for (std::size_t i = 1; i <= longest_from; ++i) {
        for (std::size_t j = 0; j <= longest_to; ++j) {
            const std::wstring from = first.search.substr(at, i);
            const std::wstring to = first.replace.substr(at, j);
            if (std::all_of(changed.begin(), changed.end(), [&](const Example& example) {
                    return replace_literal(example.search, from, to) == example.replace;
                })) {
                found.emplace_back(from, to);
            }
        }
    }
    return found;
}

// Runs candidate rules on the examples in the order they come, up to a bound.
std::size_t total_length(const std::vector<Example>& examples,
                         const std::vector<std::wstring>& unchanged) {
    std::size_t total = 0;
    for (const Example& example : examples) {
        total += example.search.size();
    }
    for (const std::wstring& text : unchanged) {
        total += text.size();
    }
    return total;
}

class RuleChecker {
public:
    RuleChecker(const std::vector<Example>& examples, const std::vector<std::wstring>& unchanged,
                Language language, const std::atomic<bool>* cancelled)
        : examples(examples), unchanged(unchanged), language(language), cancelled(cancelled),
          texts(total_length(examples, unchanged) <= few_short_texts ? Replacer::Texts::FewShort
                                                                     : Replacer::Texts::AnyLength) {
    }

    // True when the rule is right on every example and every unchanged text.
    bool holds(const ReplaceRegex& rule) {
        if (stopped()) {
            return false;
        }
        if (!tried.insert({rule.regex, rule.format}).second) {
            return false;
        }
        const Replacer replacer(rule.regex, rule.format, language, texts);
        if (replacer.error()) {
            return false;
        }
        const auto keeps = [&replacer](const std::wstring& in, const std::wstring& out) {
            const ReplaceOutcome outcome = replacer.replace_all(in);
            return (outcome.status == ReplaceOutcome::Status::Replaced ||
                    outcome.status == ReplaceOutcome::Status::NoMatch) &&
                   outcome.text == out;
        };
        return std::all_of(examples.begin(), examples.end(),
                           [&](const Example& e) { return keeps(e.search, e.replace); }) &&
               std::all_of(unchanged.begin(), unchanged.end(),
                           [&](const std::wstring& text) { return keeps(text, text); });
    }

    bool stopped() const { return tried.size() >= max_checked_rules || was_cancelled(); }
    bool was_cancelled() const {
        return cancelled != nullptr && cancelled->load(std::memory_order_relaxed);
    }

private:
    const std::vector<Example>& examples;
    const std::vector<std::wstring>& unchanged;
    Language language;
    const std::atomic<bool>* cancelled;
    const Replacer::Texts texts;
    std::set<std::pair<std::wstring, std::wstring>> tried;
};

bool has_word_characters(const std::wstring& text, const CharacterKinds& kinds) {
    return std::any_of(text.begin(), text.end(),
                       [&kinds](wchar_t c) { return kinds.is_letter(c) || kinds.is_digit(c); });
}

// The frames of one reach and grain, in the order of preference: the tokens one for one (anywhere
// in the line, then tied to the line's edges they touch), then a gap with as few tokens around it
// as possible, more of them from the start, a lazy gap before a greedy one.
std::vector<Frame> frames(const FrameMaker& maker, bool literal_words) {
    std::vector<Frame> found;
    const auto add = [&found](std::optional<Frame> frame) {
        if (frame) {
            found.push_back(std::move(*frame));
        }
    };
    add(maker.whole_shape(literal_words, false));
    add(maker.whole_shape(literal_words, true));
    const std::size_t heads = std::min(maker.shared_head(), max_edge_tokens);
    const std::size_t tails = std::min(maker.shared_tail(), max_edge_tokens);
    for (std::size_t size = 0; size <= heads + tails; ++size) {
        for (std::size_t head = std::min(size, heads) + 1; head-- > 0;) {
            const std::size_t tail = size - head;
            if (tail > tails) {
                break;
            }
            add(maker.with_gap(head, tail, true, literal_words));
            // A gap that ends the line reads the same lazy or greedy.
            if (tail > 0) {
                add(maker.with_gap(head, tail, false, literal_words));
            }
        }
    }
    return found;
}

// The most preferred rule that holds, if any within the bounds. The order of preference:
//  1. a literal replacement of separators: punctuation and whitespace only, both ways;
//  2. a rule over the tokens that change, then over the whole line; in each, first with every
//     word and number generalised, then with the words all examples share kept literally; first
//     with letters and digits apart, then together; by frame (see frames);
//  3. a literal replacement of words.
std::optional<Found> find_rule(const std::vector<Example>& examples, Language language,
                               const CharacterKinds& kinds, RuleChecker& checker) {
    static const LanguageFactory factory;
    const IRegexFormatting& formatting = factory.regex_formatting(language);
    std::vector<Example> changed;
    std::copy_if(examples.begin(), examples.end(), std::back_inserter(changed),
                 [](const Example& e) { return e.search != e.replace; });
    if (changed.empty()) {
        return std::nullopt;
    }
    const auto literal = [&](const std::pair<std::wstring, std::wstring>& replacement) {
        return ReplaceRegex{formatting.escape_regex(replacement.first),
                            formatting.escape_format(replacement.second)};
    };
    const auto replacements = literal_replacements(changed);
    for (const auto& replacement : replacements) {
        if (!has_word_characters(replacement.first, kinds) &&
            !has_word_characters(replacement.second, kinds) &&
            checker.holds(literal(replacement))) {
            return Found{literal(replacement), std::nullopt, {}};
        }
    }
    for (const Reach reach : {Reach::ChangedTokens, Reach::WholeLine}) {
        for (const bool literal_words : {false, true}) {
            // With one example every word is shared: kept literally it is that example only.
            if (literal_words && changed.size() < 2) {
                continue;
            }
            for (const Grain grain : {Grain::Fine, Grain::Coarse}) {
                const FrameMaker maker(changed, reach, grain, kinds);
                if (!maker.useful()) {
                    continue;
                }
                for (Frame& frame : frames(maker, literal_words)) {
                    if (checker.stopped()) {
                        return std::nullopt;
                    }
                    std::optional<FormatPlan> plan = plan_format(frame, changed);
                    if (!plan) {
                        continue;
                    }
                    const auto rule = write_rule(frame, *plan, changed, kinds, formatting);
                    if (rule && checker.holds(*rule)) {
                        return Found{*rule, std::move(frame), std::move(*plan)};
                    }
                }
            }
        }
    }
    for (const auto& replacement : replacements) {
        if (checker.holds(literal(replacement))) {
            return Found{literal(replacement), std::nullopt, {}};
        }
    }
    return std::nullopt;
}

// The pieces of the plan's outputs whose origin the examples leave open, placed in the first
// changed example (number: its place among all examples, from 1).
std::vector<AmbiguousPiece> ambiguities(const Found& found, const std::vector<Example>& changed,
                                        std::size_t number) {
    std::vector<AmbiguousPiece> pieces;
    if (!found.frame) {
        return pieces;
    }
    const Frame& frame = *found.frame;
    const auto same_everywhere = [&](const Source& source) {
        for (std::size_t e = 1; e < changed.size(); ++e) {
            if (source_text(source, frame, changed, e) != source_text(source, frame, changed, 0)) {
                return false;
            }
        }
        return true;
    };
    // Counted in characters from 1, as the window and the command line place things.
    const auto input_at = [&](const Source& source) {
        return L"character " +
               decimal(character_number(changed[0].search, source.span(frame.spans[0]).begin));
    };
    std::size_t position = frame.outputs[0].begin;
    for (const Segment& segment : found.plan) {
        if (segment.source) {
            const Source& source = *segment.source;
            const std::wstring_view text = source_text(source, frame, changed, 0);
            std::vector<Source> others = same_sources(source, frame, changed);
            // Another source at the same place (a word and its first letter) is no alternative.
            std::erase_if(others,
                          [&](const Source& other) { return input_at(other) == input_at(source); });
            const bool copied_again =
                std::count_if(found.plan.begin(), found.plan.end(), [&](const Segment& other) {
                    return other.source == source ||
                           (!other.source && other.constant.find(text) != std::wstring::npos);
                }) > 1;
            if (!others.empty()) {
                pieces.push_back({number, position, std::wstring(text),
                                  L"copied from the input at " + input_at(source) + L" or at " +
                                      input_at(others.front())});
            } else if (copied_again && same_everywhere(source)) {
                pieces.push_back(
                    {number, position, std::wstring(text),
                     L"copied from the input at " + input_at(source) + L" or written as it is"});
            }
            position += text.size();
            continue;
        }
        for (std::size_t i = 0; i < frame.elements.size(); ++i) {
            const Element& element = frame.elements[i];
            const Source token{i, i, false};
            if (element.gap || element.literal || element.kind == TokenKind::Space ||
                element.kind == TokenKind::Other || !same_everywhere(token)) {
                continue;
            }
            const std::wstring_view text = source_text(token, frame, changed, 0);
            const std::size_t hit = segment.constant.find(text);
            if (hit != std::wstring::npos) {
                pieces.push_back(
                    {number, position + hit, std::wstring(text),
                     L"written as it is or copied from the input at " + input_at(token)});
            }
        }
        position += segment.constant.size();
    }
    return pieces;
}

// The pieces of an example's output that no piece of its input gives: maximal runs of characters
// outside every copy of two or more characters of the input and every character that is a token
// of the input or begins one.
std::vector<std::wstring> pieces_not_in_input(const Example& example, const CharacterKinds& kinds) {
    const std::wstring& in = example.search;
    const std::wstring& out = example.replace;
    std::vector<bool> copyable(out.size(), false);
    for (std::size_t p = 0; p < out.size(); ++p) {
        std::size_t length = 1;
        while (p + length < out.size() &&
               in.find(out.data() + p, 0, length + 1) != std::wstring::npos) {
            ++length;
        }
        if (length > 1) {
            std::fill(copyable.begin() + static_cast<std::ptrdiff_t>(p),
                      copyable.begin() + static_cast<std::ptrdiff_t>(p + length), true);
        }
    }
    for (const Token& token : tokenize(in, Grain::Fine, kinds)) {
        for (std::size_t p = 0; p < out.size(); ++p) {
            copyable[p] = copyable[p] || out[p] == in[token.begin];
        }
    }
    std::vector<std::wstring> pieces;
    for (std::size_t p = 0; p < out.size();) {
        if (copyable[p]) {
            ++p;
            continue;
        }
        const std::size_t begin = p;
        while (p < out.size() && !copyable[p]) {
            ++p;
        }
        pieces.push_back(out.substr(begin, p - begin));
    }
    return pieces;
}

// Why no rule holds, as concretely as the examples allow.
Refusal refusal(const std::vector<Example>& examples, const std::vector<std::wstring>& unchanged,
                Language language, const CharacterKinds& kinds,
                const std::atomic<bool>* cancelled) {
    std::vector<std::size_t> changed;
    for (std::size_t e = 0; e < examples.size(); ++e) {
        if (examples[e].search != examples[e].replace) {
            changed.push_back(e);
        }
    }
    if (changed.empty()) {
        return {L"no example changes its text: there is nothing to replace", 0, {}};
    }
    // A constant that only one example needs is text a replacement cannot choose.
    for (const std::size_t e : changed) {
        for (const std::wstring& piece : pieces_not_in_input(examples[e], kinds)) {
            for (const std::size_t other : changed) {
                if (examples[other].replace.find(piece) == std::wstring::npos) {
                    return {L"the output of example " + decimal(e + 1) + L" holds " +
                                quoted(piece) +
                                L", which neither its input holds nor the output of example " +
                                decimal(other + 1) + L" shares (" + beyond_replacement + L")",
                            e + 1, piece};
                }
            }
        }
    }
    const auto learn = [&](const std::vector<Example>& some,
                           const std::vector<std::wstring>& keep) {
        RuleChecker checker(some, keep, language, cancelled);
        return find_rule(some, language, kinds, checker);
    };
    const std::vector<std::wstring> nothing;
    if (!unchanged.empty()) {
        if (const std::optional<Found> found = learn(examples, nothing)) {
            const Replacer replacer(found->rule.regex, found->rule.format, language);
            for (std::size_t u = 0; u < unchanged.size(); ++u) {
                const ReplaceOutcome outcome = replacer.replace_all(unchanged[u]);
                if (outcome.text != unchanged[u]) {
                    return {L"the rule that fits the examples (" + rule_text(found->rule) +
                                L") changes unchanged text " + decimal(u + 1) + L" " +
                                quoted(unchanged[u]) + L" into " + quoted(outcome.text),
                            0, unchanged[u]};
                }
            }
        }
    }
    // The most changed examples from the first that one rule fits, by halving; the examples up
    // to the last of them.
    const auto up_to = [&](std::size_t count) {
        return std::vector<Example>(examples.begin(),
                                    examples.begin() + static_cast<std::ptrdiff_t>(count));
    };
    std::size_t fits = 0;
    std::optional<Found> rule;
    for (std::size_t low = 1, high = changed.size() - 1; low <= high;) {
        const std::size_t middle = low + (high - low) / 2;
        std::optional<Found> found = learn(up_to(changed[middle - 1] + 1), nothing);
        if (found) {
            fits = changed[middle - 1] + 1;
            rule = std::move(found);
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    if (cancelled != nullptr && cancelled->load(std::memory_order_relaxed)) {
        return {L"cancelled", 0, {}};
    }
    if (!rule) {
        const std::size_t first = changed.front();
        return {L"no regex replacement found that turns the input of example " +
                    decimal(first + 1) + L" into its output",
                first + 1, examples[first].search};
    }
    const Replacer replacer(rule->rule.regex, rule->rule.format, language);
    for (std::size_t e = fits; e < examples.size(); ++e) {
        const ReplaceOutcome outcome = replacer.replace_all(examples[e].search);
        if (outcome.text != examples[e].replace) {
            return {L"example " + decimal(e + 1) +
                        L" does not follow the rule that fits examples 1 to " + decimal(fits) +
                        L" (" + rule_text(rule->rule) + L"): it turns " +
                        quoted(examples[e].search) + L" into " + quoted(outcome.text) +
                        L" rather than " + quoted(examples[e].replace),
                    e + 1, examples[e].search};
        }
    }
    DBC_UNREACHABLE();
}

} // namespace

LearnResult learn_replace_regex(const std::vector<Example>& examples,
                                const std::vector<std::wstring>& unchanged, Language language,
                                const std::atomic<bool>* cancelled) {
    DBC_PRECONDITION(!examples.empty());
    DBC_PRECONDITION(std::none_of(examples.begin(), examples.end(),
                                  [](const Example& e) { return e.search.empty(); }));
    const CharacterKinds kinds;
    RuleChecker checker(examples, unchanged, language, cancelled);
    if (const std::optional<Found> found = find_rule(examples, language, kinds, checker)) {
        std::vector<Example> changed;
        std::size_t first_changed = 0;
        for (std::size_t e = 0; e < examples.size(); ++e) {
            if (examples[e].search != examples[e].replace) {
                first_changed = changed.empty() ? e + 1 : first_changed;
                changed.push_back(examples[e]);
            }
        }
        return LearnedRule{found->rule.regex, found->rule.format,
                           ambiguities(*found, changed, first_changed)};
    }
    if (checker.was_cancelled()) {
        return Refusal{L"cancelled", 0, {}};
    }
    return refusal(examples, unchanged, language, kinds, cancelled);
}

} // namespace varnel
