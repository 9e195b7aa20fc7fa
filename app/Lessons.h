#pragma once
// What the user taught the preview: the main window's sample pair first, then, line by line,
// what a line should become or that it must stay as it is. The learner takes them as its
// examples; the preview judges the taught lines against them.

#include "app/LineVerdicts.h"
#include "varnel/learning/LearnReplaceRegex.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

struct Lesson {
    std::wstring line;
    // What the line should become; none when it must stay as it is.
    std::optional<std::wstring> wanted;

    bool operator==(const Lesson&) const = default;
};

class Lessons {
public:
    // The main window's samples; none while its search sample is empty.
    void set_sample(std::optional<Example> sample);
    const std::optional<Example>& sample() const;

    // Teaches the line, in place of what was taught for the same line before. A wanted text equal
    // to the line means it must stay. Precondition: the line is not empty.
    void teach(Lesson lesson);
    // Precondition (both): index < taught().size().
    void change(std::size_t index, std::wstring wanted);
    void remove(std::size_t index);
    const std::vector<Lesson>& taught() const;

    // True with more than one example in all, the sample counted: enough to learn from.
    bool enough_to_learn() const;
    // The learner's arguments: the sample and every line taught to change; every line taught to
    // stay.
    std::vector<Example> examples() const;
    std::vector<std::wstring> unchanged() const;
    // What each taught line must become.
    Expectations expectations() const;

private:
    std::optional<Example> first;
    std::vector<Lesson> lessons;
};

} // namespace varnel
