#pragma once
// A regex of any language compiled for matching: read by the language's own syntax
// (varnel/languages/IRegexSyntax.h), written for PCRE2 in UTF mode with classes by the global
// locale of the moment, and compiled.

#include "varnel/languages/IRegexSyntax.h"
#include "varnel/pattern/IRegexMatcher.h"

#include <memory>
#include <variant>

namespace varnel {

struct CompiledRegex {
    std::shared_ptr<const IRegexMatcher> matcher;
    RegexGroups groups; // capturing groups
    // False when every match holds at least one character.
    bool may_match_empty = true;
};

struct RegexProblem {
    enum class Kind {
        Invalid,   // the regex cannot be read or compiled
        TooComplex // the regex is too large to compile
    };
    Kind kind;
    std::wstring message;
    std::size_t offset; // Invalid: in the regex, in code units
};

// With machine_code, PCRE2's JIT compiles the pattern too: it searches long texts several times
// faster than the interpreter, but compiling a class of every letter of the locale takes longer
// than the interpreter takes to search a few short texts.
// Precondition: every element of regex is a UTF-16 code unit (at most 0xFFFF).
std::variant<CompiledRegex, RegexProblem>
compile_regex(const std::wstring& regex, const IRegexSyntax& syntax, bool machine_code);

} // namespace varnel
