#include "varnel/languages/PosixEreSyntax.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/languages/BracketReader.h"
#include "varnel/languages/FormatText.h"

#include <algorithm>

namespace varnel {

namespace {

using Group = IRegexBuilder::Group;
using Assertion = IRegexBuilder::Assertion;
using Item = CharSet::Item;
using Step = std::optional<RegexError>;

// The characters an alternative can begin with, as ranges; none when it could begin with any or
// with nothing.
using FirstCharacters = std::optional<std::vector<Item>>;

bool overlap(const std::vector<Item>& a, const std::vector<Item>& b) {
    return std::any_of(a.begin(), a.end(), [&b](const Item& x) {
        return std::any_of(b.begin(), b.end(),
                           [&x](const Item& y) { return x.first <= y.last && y.first <= x.last; });
    });
}

// Hands every piece on to the builder and refuses what the longest-match rule could read
// otherwise than the runner: alternatives whose first characters may be the same (only one
// alternative can then match where a match begins) and a repeated group.
class LongestMatchGuard : public IRegexBuilder {
public:
    explicit LongestMatchGuard(IRegexBuilder& builder) : builder(builder) { levels.emplace_back(); }

    // The first refusal, if any; checks the alternatives of the whole regex when asked at its end.
    Step refusal(bool at_end) {
        if (at_end && !refused) {
            check(levels.front());
        }
        return refused;
    }

    void literal(char16_t unit, std::size_t offset) override {
        first(std::vector<Item>{Item::range(unit, unit)});
        builder.literal(unit, offset);
    }
    void set(const CharSet& set, std::size_t offset) override {
        const bool ranges =
            !set.negated && std::all_of(set.items.begin(), set.items.end(),
                                        [](const Item& item) { return item.kind == Item::Range; });
        first(ranges ? FirstCharacters(set.items) : std::nullopt);
        builder.set(set, offset);
    }
    void one_of(LocaleClass name, bool complement, std::size_t offset) override {
        first(std::nullopt);
        builder.one_of(name, complement, offset);
    }
    void assertion(Assertion kind, std::size_t offset) override {
        after_group = false;
        builder.assertion(kind, offset);
    }
    void word_boundary(const CharSet& word, bool boundary, std::size_t offset) override {
        after_group = false;
        builder.word_boundary(word, boundary, offset);
    }
    bool repeat(const Repeat& repeat, std::size_t offset) override {
        if (after_group && !refused) {
            refused = RegexError{L"a repeated group is not supported in POSIX ERE", offset};
        }
        Level& level = levels.back();
        if (repeat.min == 0 && level.first_just_read) {
            level.firsts.back() = std::nullopt;
        }
        return builder.repeat(repeat, offset);
    }
    void alternative(std::size_t offset) override {
        if (levels.back().firsts.size() == 1) {
            levels.back().bar = offset;
        }
        levels.back().firsts.emplace_back();
        levels.back().expecting = true;
        levels.back().first_just_read = false;
        after_group = false;
        builder.alternative(offset);
    }
    void open_group(Group kind, std::size_t offset) override {
        first(std::nullopt);
        levels.emplace_back();
        builder.open_group(kind, offset);
    }
    void name_group(const std::wstring& name) override { builder.name_group(name); }
    std::optional<OpenGroup> innermost_group() const override { return builder.innermost_group(); }
    void close_group(std::size_t offset) override {
        check(levels.back());
        levels.pop_back();
        builder.close_group(offset);
        after_group = true;
    }
    bool back_reference(unsigned number, std::size_t offset) override {
        first(std::nullopt);
        return builder.back_reference(number, offset);
    }
    void back_reference_or_empty(unsigned number, std::size_t offset) override {
        first(std::nullopt);
        builder.back_reference_or_empty(number, offset);
    }

private:
    struct Level {
        std::vector<FirstCharacters> firsts{FirstCharacters()};
        bool expecting = true;        // nothing read yet in the last alternative
        bool first_just_read = false; // the last piece read began the last alternative
        std::size_t bar = 0;          // the offset of the first "|"
    };

    void first(FirstCharacters characters) {
        after_group = false;
        Level& level = levels.back();
        level.first_just_read = level.expecting;
        if (level.expecting) {
            level.firsts.back() = std::move(characters);
            level.expecting = false;
        }
    }

    void check(const Level& level) {
        if (level.firsts.size() < 2 || refused) {
            return;
        }
        for (std::size_t a = 0; a < level.firsts.size(); ++a) {
            for (std::size_t b = a + 1; b < level.firsts.size(); ++b) {
                if (!level.firsts[a] || !level.firsts[b] ||
                    overlap(*level.firsts[a], *level.firsts[b])) {
                    refused = RegexError{L"alternatives that may begin with the same character "
                                         L"are not supported in POSIX ERE",
                                         level.bar};
                    return;
                }
            }
        }
    }

    IRegexBuilder& builder;
    std::vector<Level> levels;
    bool after_group = false;
    Step refused;
};

class Reader {
public:
    Reader(const std::wstring& regex, IRegexBuilder& builder) : regex(regex), guard(builder) {}

    Step read() &&;

private:
    bool at(wchar_t c) const { return i < regex.size() && regex[i] == c; }
    std::optional<unsigned long> number();
    Step read_piece();
    Step read_escape();
    Step read_interval();
    Step repeat(const IRegexBuilder::Repeat& repeat, std::size_t begin);

    const std::wstring& regex;
    LongestMatchGuard guard;
    std::size_t i = 0;
};

Step Reader::read() && {
    while (i < regex.size()) {
        if (Step step = read_piece(); step || (step = guard.refusal(false))) {
            return step;
        }
    }
    if (const auto open = guard.innermost_group()) {
        return RegexError{L"missing )", open->offset};
    }
    return guard.refusal(true);
}

Step Reader::read_piece() {
    const std::size_t begin = i;
    const wchar_t c = regex[i];
    switch (c) {
    case L'\\':
        return read_escape();
    case L'[':
        // POSIX reads a "]" first as itself, and GNU sed a "\n" inside as a line feed.
        if (regex.compare(i, 2, L"[]") == 0 || regex.compare(i, 3, L"[^]") == 0) {
            return RegexError{L"] first in [ ] is not supported in POSIX ERE", begin};
        }
        return read_bracket(regex, i, guard, [this]() -> BracketRead {
            if (regex[i] == L'\\') {
                return RegexError{L"\\ in [ ] is not supported in POSIX ERE", i};
            }
            const wchar_t next = i + 1 < regex.size() ? regex[i + 1] : L'\0';
            if (regex[i] == L'[' && (next == L':' || next == L'.' || next == L'=')) {
                return read_bracket_class(regex, i);
            }
            ++i;
            return BracketMember::of_unit(static_cast<char16_t>(regex[i - 1]), i - 1);
        });
    case L'{':
        return read_interval();
    case L'*':
    case L'+':
    case L'?':
        ++i;
        return repeat({c == L'+' ? 1ul : 0ul, c == L'?' ? std::optional(1ul) : std::nullopt},
                      begin);
    }
    ++i;
    switch (c) {
    case L'(':
        guard.open_group(Group::Capturing, begin);
        break;
    case L')':
        if (!guard.innermost_group()) {
            return RegexError{L"unmatched )", begin};
        }
        guard.close_group(begin);
        break;
    case L'|':
        guard.alternative(begin);
        break;
    case L'.':
        guard.set(PosixEreSyntax::dot(), begin);
        break;
    case L'^':
    case L'$':
        guard.assertion(c == L'^' ? Assertion::TextStart : Assertion::TextEnd, begin);
        break;
    default:
        guard.literal(static_cast<char16_t>(c), begin);
    }
    return std::nullopt;
}

Step Reader::read_escape() {
    const std::size_t begin = i;
    if (i + 1 >= regex.size()) {
        return RegexError{L"\\ at the end of the regular expression", begin};
    }
    const wchar_t c = regex[i + 1];
    i += 2;
    const auto locale_class = [&](LocaleClass name) {
        guard.one_of(name, c >= L'A' && c <= L'Z', begin);
    };
    switch (c) {
    case L'<':
    case L'>':
    case L'b':
    case L'B':
        guard.assertion(c == L'<'   ? Assertion::WordStart
                        : c == L'>' ? Assertion::WordEnd
                        : c == L'b' ? Assertion::WordBoundary
                                    : Assertion::NotWordBoundary,
                        begin);
        return std::nullopt;
    case L'w':
    case L'W':
        locale_class(LocaleClass::Word);
        return std::nullopt;
    case L's':
    case L'S':
        locale_class(LocaleClass::Space);
        return std::nullopt;
    case L'n':
    case L't':
        guard.literal(c == L'n' ? L'\n' : L'\t', begin);
        return std::nullopt;
    default:
        break;
    }
    if (c >= L'1' && c <= L'9') {
        if (!guard.back_reference(static_cast<unsigned>(c - L'0'), begin)) {
            return RegexError{L"a back reference must refer to a group closed before it", begin};
        }
        return std::nullopt;
    }
    if (is_ascii_letter(c) || c == L'0' || c == L'`' || c == L'\'') {
        return RegexError{L"\\" + std::wstring(1, c) + L" is not supported in POSIX ERE", begin};
    }
    guard.literal(static_cast<char16_t>(c), begin);
    return std::nullopt;
}

// Decimal digits, kept large enough for a number beyond sed's limit to be refused.
std::optional<unsigned long> Reader::number() {
    if (i >= regex.size() || !is_ascii_digit(regex[i])) {
        return std::nullopt;
    }
    unsigned long value = 0;
    while (i < regex.size() && is_ascii_digit(regex[i])) {
        value = std::min(value * 10 + static_cast<unsigned long>(regex[i++] - L'0'), 100000ul);
    }
    return value;
}

Step Reader::read_interval() {
    const std::size_t begin = i++;
    const std::optional<unsigned long> min = number();
    std::optional<unsigned long> max = min;
    if (at(L',')) {
        ++i;
        max = number();
    }
    if (!min || !at(L'}') || (max && *max < *min) || max.value_or(*min) > 32767) {
        return RegexError{L"{ must hold a number, or two in order, and be closed by }", begin};
    }
    ++i;
    return repeat({*min, max}, begin);
}

Step Reader::repeat(const IRegexBuilder::Repeat& repeat, std::size_t begin) {
    if (!guard.repeat(repeat, begin)) {
        return RegexError{L"nothing to repeat", begin};
    }
    return std::nullopt;
}

} // namespace

const CharSet& PosixEreSyntax::dot() {
    static const CharSet anything{true, {}};
    return anything;
}

std::optional<RegexError> PosixEreSyntax::read_regex(const std::wstring& regex,
                                                     IRegexBuilder& builder) const {
    return Reader(regex, builder).read();
}

FormatRead PosixEreSyntax::read_format(const std::wstring& format,
                                       const RegexGroups& /*groups*/) const {
    std::vector<FormatPiece> pieces;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const wchar_t c = format[i];
        if (c == L'&') {
            pieces.push_back({FormatPiece::Group, {}, 0, i});
        } else if (c != L'\\' || i + 1 == format.size()) {
            append_format_text(pieces, c);
        } else if (is_ascii_digit(format[i + 1])) {
            pieces.push_back(
                {FormatPiece::Group, {}, static_cast<unsigned>(format[i + 1] - L'0'), i});
            ++i;
        } else {
            const wchar_t next = format[++i];
            append_format_text(pieces, next == L'n' ? L'\n' : next == L't' ? L'\t' : next);
        }
    }
    return pieces;
}

} // namespace varnel
