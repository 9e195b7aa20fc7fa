#include "app/Lessons.h"

#include "varnel/common/DBC.h"

#include <algorithm>
#include <utility>

namespace varnel {

void Lessons::set_sample(std::optional<Example> sample) {
    DBC_PRECONDITION(!sample || !sample->search.empty());
    first = std::move(sample);
}

const std::optional<Example>& Lessons::sample() const {
    return first;
}

void Lessons::teach(Lesson lesson) {
    DBC_PRECONDITION(!lesson.line.empty());
    if (lesson.wanted == lesson.line) {
        lesson.wanted.reset();
    }
    const auto same_line = std::find_if(lessons.begin(), lessons.end(),
                                        [&](const Lesson& old) { return old.line == lesson.line; });
    if (same_line != lessons.end()) {
        *same_line = std::move(lesson);
    } else {
        lessons.push_back(std::move(lesson));
    }
}

void Lessons::change(std::size_t index, std::wstring wanted) {
    DBC_PRECONDITION(index < lessons.size());
    teach({lessons[index].line, std::move(wanted)});
}

void Lessons::remove(std::size_t index) {
    DBC_PRECONDITION(index < lessons.size());
    lessons.erase(lessons.begin() + static_cast<std::ptrdiff_t>(index));
}

const std::vector<Lesson>& Lessons::taught() const {
    return lessons;
}

bool Lessons::enough_to_learn() const {
    return !examples().empty() && lessons.size() + (first ? 1 : 0) > 1;
}

std::vector<Example> Lessons::examples() const {
    std::vector<Example> examples;
    if (first) {
        examples.push_back(*first);
    }
    for (const Lesson& lesson : lessons) {
        if (lesson.wanted) {
            examples.push_back({lesson.line, *lesson.wanted});
        }
    }
    return examples;
}

std::vector<std::wstring> Lessons::unchanged() const {
    std::vector<std::wstring> unchanged;
    for (const Lesson& lesson : lessons) {
        if (!lesson.wanted) {
            unchanged.push_back(lesson.line);
        }
    }
    return unchanged;
}

Expectations Lessons::expectations() const {
    Expectations expected;
    if (first) {
        expected.emplace(first->search, first->replace);
    }
    // A line taught overrides the sample where both are the same text: it was said later.
    for (const Lesson& lesson : lessons) {
        expected.insert_or_assign(lesson.line, lesson.wanted.value_or(lesson.line));
    }
    return expected;
}

} // namespace varnel
