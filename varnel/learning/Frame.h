#pragma once
// The shape one candidate regex gives the examples' inputs: a row of elements, each a token of
// the same kind in every example or a gap of any text, placed on every example's input.

#include "varnel/learning/LearnReplaceRegex.h"
#include "varnel/learning/Tokens.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;

    std::size_t size() const { return end - begin; }
};

struct Element {
    bool gap = false;  // any text
    bool lazy = false; // a gap: the shortest text that lets the rest match
    TokenKind kind = TokenKind::Other;
    bool literal = false; // a token: the same text in every example, written as it is
};

struct Frame {
    std::vector<Element> elements;
    std::vector<std::vector<Span>> spans; // per example, each element's span of the input
    std::vector<Span> outputs;            // per example, the span of the output the format writes
    bool line_start = false;
    bool line_end = false;
};

// Where a rule rewrites: only the tokens that differ between an input and its output (the
// outputs share the rest with the inputs), or the whole line.
enum class Reach { ChangedTokens, WholeLine };

// The examples cut and placed once for one reach and grain; makes the frames over them.
// Precondition of every frame: the examples are not empty and each changes its text.
class FrameMaker {
public:
    FrameMaker(const std::vector<Example>& examples, Reach reach, Grain grain,
               const CharacterKinds& kinds);

    // False when the reach says nothing new: the changed tokens of every example are its line.
    bool useful() const { return useful_; }

    // The inputs' tokens one for one, when all examples have the same number and kinds of them;
    // anchored to the line's edges where the reach (or the caller) asks for it.
    std::optional<Frame> whole_shape(bool literal_words, bool anchored) const;
    // The first head and the last tail tokens of every example and a gap between them.
    std::optional<Frame> with_gap(std::size_t head, std::size_t tail, bool lazy,
                                  bool literal_words) const;
    // How many leading (trailing) tokens all examples share the kinds of.
    std::size_t shared_head() const { return shared_head_; }
    std::size_t shared_tail() const { return shared_tail_; }

private:
    // The element of the tokens at one place of every example (index per example).
    std::optional<Element> column(const std::vector<std::size_t>& index, bool literal_words) const;
    Frame empty_frame() const;

    const std::vector<Example>& examples;
    const CharacterKinds& kinds;
    std::vector<std::vector<Token>> tokens; // per example, the tokens of the region
    std::vector<Span> inputs;               // per example, the region of the input
    std::vector<Span> outputs;              // per example, what the region becomes
    bool at_line_start = true;              // every region begins its line
    bool at_line_end = true;                // every region ends its line
    bool useful_ = true;
    std::size_t shared_head_ = 0;
    std::size_t shared_tail_ = 0;
};

} // namespace varnel
