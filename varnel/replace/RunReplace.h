#pragma once
// Runs a regular expression and a format string of any language on a text, as the window's live
// check and the command line's rewriting of files do. The regex and the format are read by the
// language's own syntax; matching is the pattern layer's (PCRE2, on whole characters: a surrogate
// pair is one character, and a surrogate without its partner is matched by nothing and left as
// it is); the format is expanded by Varnel. Every outcome, a bad regex or format included, is a
// value.

#include "varnel/languages/IRegexSyntax.h"
#include "varnel/languages/Language.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

class IRegexMatcher;
class ReplaceFormat;

struct ReplaceOutcome {
    enum class Status { Replaced, NoMatch, InvalidRegex, InvalidFormat, TooComplex };
    Status status;
    std::wstring text; // Replaced: the whole input with the match(es) replaced; NoMatch: the input
    std::size_t matches = 0; // how many matches were replaced
    std::wstring message;    // InvalidRegex/InvalidFormat/TooComplex: a reason for the user
    std::size_t offset =
        0; // InvalidRegex: code-unit offset in the regex; InvalidFormat: in the format

    bool operator==(const ReplaceOutcome&) const = default;
};

// Where replace_all found a match in the text, and where its replacement lies in the outcome's
// text: what a preview highlights.
struct ReplacedSpan {
    std::size_t begin;
    std::size_t end;
    std::size_t result_begin;
    std::size_t result_end;

    bool operator==(const ReplacedSpan&) const = default;
};

// A regex and a format of one language, compiled once and applied to many texts. One Replacer
// serves several threads at once, each on texts of its own; copies share the compiled regex.
class Replacer {
public:
    // What the replacer is for: texts of any length, or a few short texts, such as a rule checked
    // against examples, which PCRE2's interpreter searches sooner than its JIT could compile the
    // regex to machine code. The outcomes are the same.
    enum class Texts { AnyLength, FewShort };

    // Precondition: every element of regex and format is a UTF-16 code unit (at most 0xFFFF).
    Replacer(const std::wstring& regex, const std::wstring& format, Language language,
             Texts texts = Texts::AnyLength);

    // InvalidRegex or InvalidFormat when the regex or the format cannot be used, TooComplex when
    // the regex is too large for PCRE2 to compile; empty otherwise. The replacing operations then
    // answer with this outcome.
    const std::optional<ReplaceOutcome>& error() const;

    // Precondition (both): every element of text is a UTF-16 code unit.
    ReplaceOutcome replace_first(const std::wstring& text) const; // first match only
    ReplaceOutcome replace_all(const std::wstring& text) const;   // every match, like "Replace All"
    // As replace_all, and spans gets one entry per match replaced, in order.
    ReplaceOutcome replace_all(const std::wstring& text, std::vector<ReplacedSpan>& spans) const;

private:
    ReplaceOutcome replace(const std::wstring& text, bool all,
                           std::vector<ReplacedSpan>* replaced = nullptr) const;

    std::optional<ReplaceOutcome> failure;
    std::shared_ptr<const IRegexMatcher> matcher;
    std::shared_ptr<const ReplaceFormat> format;
    IRegexSyntax::AfterEmptyMatch after_empty = IRegexSyntax::AfterEmptyMatch::NonEmptyHere;
};

// Compiles and runs once on the first match: what the window's live check calls.
ReplaceOutcome run_replace(const std::wstring& regex, const std::wstring& format,
                           const std::wstring& text, Language language);

} // namespace varnel
