#include "varnel/pattern/Pcre2Writer.h"

#include "varnel/common/CodeUnits.h"
#include "varnel/common/DBC.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

namespace varnel {

namespace {

using Item = CharSet::Item;

constexpr char32_t last_code_point = 0x10FFFF;
constexpr std::size_t first_class_code = 128;

std::u16string pcre2_literal(char32_t unit) {
    if (is_ascii_letter(unit) || is_ascii_digit(unit) ||
        (unit >= 128 && unit <= 0xFFFF && !is_surrogate(unit))) {
        return std::u16string(1, static_cast<char16_t>(unit));
    }
    static const char16_t hex_digits[] = u"0123456789abcdef";
    std::u16string digits;
    for (char32_t value = unit; digits.empty() || value != 0; value /= 16) {
        digits.insert(digits.begin(), hex_digits[value % 16]);
    }
    return u"\\x{" + digits + u"}";
}

std::u16string pcre2_number(unsigned long number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

// A range of code points as items of a PCRE2 bracket expression; in UTF mode a surrogate is no
// character, so the range leaves them out.
void append_range(std::u16string& items, char32_t first, char32_t last, bool characters) {
    if (characters && first <= 0xDFFF && last >= 0xD800) {
        if (first < 0xD800) {
            append_range(items, first, 0xD7FF, characters);
        }
        if (last > 0xDFFF) {
            append_range(items, 0xE000, last, characters);
        }
        return;
    }
    items += pcre2_literal(first);
    if (last != first) {
        items += u'-';
        items += pcre2_literal(last);
    }
}

// The members of a class of the locale, or every character outside it, as items of a PCRE2
// bracket expression in UTF mode. Writing out a class of letters takes longer than compiling it,
// and a learning call compiles hundreds of rules that hold one: each is written once per locale.
std::shared_ptr<const std::u16string> class_items(const LocaleClasses& classes, LocaleClass name,
                                                  bool complement) {
    const auto write = [&] {
        auto items = std::make_shared<std::u16string>();
        char32_t next = 0; // the first code point not yet accounted for
        for (const CodeUnitRange& range : classes.ranges(name)) {
            if (!complement) {
                append_range(*items, range.first, range.last, true);
            } else if (range.first > next) {
                append_range(*items, next, range.first - 1u, true);
            }
            next = static_cast<char32_t>(range.last) + 1;
        }
        if (complement && next <= last_code_point) {
            append_range(*items, next, last_code_point, true);
        }
        return std::shared_ptr<const std::u16string>(std::move(items));
    };
    if (classes.locale_name() == "*") {
        return write();
    }
    static std::mutex mutex;
    static std::map<std::tuple<std::string, LocaleClass, bool>,
                    std::shared_ptr<const std::u16string>>
        written;
    const std::lock_guard lock(mutex);
    auto& items = written[{classes.locale_name(), name, complement}];
    if (!items) {
        items = write();
    }
    return items;
}

std::u16string repeat_text(const IRegexBuilder::Repeat& repeat) {
    std::u16string text;
    if (repeat.min <= 1 && !repeat.max) {
        text = repeat.min == 0 ? u"*" : u"+";
    } else if (repeat.min == 0 && repeat.max == 1ul) {
        text = u"?";
    } else {
        text = u"{" + pcre2_number(repeat.min);
        if (repeat.max != repeat.min) {
            text += u',';
            text += repeat.max ? pcre2_number(*repeat.max) : u"";
        }
        text += u'}';
    }
    DBC_PRECONDITION(!(repeat.lazy && repeat.possessive));
    return repeat.lazy ? text + u"?" : repeat.possessive ? text + u"+" : text;
}

} // namespace

Pcre2Writer::Pcre2Writer(Mode mode, std::shared_ptr<const LocaleClasses> classes)
    : mode(mode), classes(std::move(classes)) {
    DBC_PRECONDITION(this->classes != nullptr);
    DBC_PRECONDITION(mode == Mode::Characters || this->classes->codes_usable());
}

std::size_t Pcre2Pattern::source_offset(std::size_t offset) const {
    const auto after = std::upper_bound(
        sources.begin(), sources.end(), offset,
        [](std::size_t at, const Source& source) { return at < source.pattern_begin; });
    return after == sources.begin() ? 0 : std::prev(after)->offset;
}

void Pcre2Writer::append(std::u16string_view pcre2, std::size_t offset) {
    if (result.sources.empty() || result.sources.back().offset != offset) {
        result.sources.push_back({result.pattern.size(), offset});
    }
    result.pattern += pcre2;
}

void Pcre2Writer::atom(std::u16string_view pcre2, std::size_t offset) {
    item_begin = result.pattern.size();
    repeated = false;
    append(pcre2, offset);
    plain_text = false;
}

void Pcre2Writer::end_pending_surrogate() {
    if (pending_surrogate) {
        // Text never holds a lone surrogate as a character.
        atom(u"[]", pending_surrogate->offset);
        pending_surrogate = std::nullopt;
    }
}

void Pcre2Writer::literal(char16_t unit, std::size_t offset) {
    if (mode == Mode::ClassCodes) {
        writable = writable && unit < first_class_code;
        atom(pcre2_literal(unit), offset);
        return;
    }
    if (pending_surrogate && is_low_surrogate(unit)) {
        const PendingSurrogate high = *pending_surrogate;
        pending_surrogate = std::nullopt;
        item_begin = result.pattern.size();
        repeated = false;
        append(pcre2_literal(code_point_of_pair(high.unit, unit)), high.offset);
        literal_text.text += {high.unit, unit};
        return;
    }
    end_pending_surrogate();
    if (is_high_surrogate(unit)) {
        pending_surrogate = PendingSurrogate{unit, offset};
        return;
    }
    if (is_low_surrogate(unit)) {
        atom(u"[]", offset);
        return;
    }
    item_begin = result.pattern.size();
    repeated = false;
    append(pcre2_literal(unit), offset);
    literal_text.text += unit;
}

std::u16string Pcre2Writer::set_text(const CharSet& set) const {
    std::u16string items;
    for (const Item& item : set.items) {
        switch (item.kind) {
        case Item::Range:
            append_range(items, item.first, item.last, true);
            break;
        case Item::Class:
        case Item::ClassComplement:
            items += *class_items(*classes, item.locale_class, item.kind == Item::ClassComplement);
            break;
        case Item::Property:
        case Item::PropertyComplement:
            items += item.kind == Item::Property ? u"\\p{" : u"\\P{";
            items.append(item.property.begin(), item.property.end());
            items += u'}';
            break;
        }
    }
    // The pattern is compiled to allow empty classes: "[]" matches nothing, "[^]" anything.
    return (set.negated ? u"[^" : u"[") + items + u"]";
}

// The codes of the set's members. Every code from 128 up stands for many units, so a range must
// stay below 128; a dash that stands for itself is taken first or last only, where every reading
// agrees on it.
std::u16string Pcre2Writer::coded_set_text(const CharSet& set) {
    LocaleClasses::Codes members;
    for (std::size_t k = 0; k < set.items.size(); ++k) {
        const Item& item = set.items[k];
        const bool dash = item == Item::range(U'-', U'-');
        if (item.kind == Item::Range && item.last < first_class_code &&
            (!dash || k == 0 || k + 1 == set.items.size())) {
            for (char32_t unit = item.first; unit <= item.last; ++unit) {
                members.set(unit);
            }
        } else if (item.kind == Item::Class && item.locale_class != LocaleClass::Word) {
            members |= classes->class_codes(item.locale_class);
        } else {
            writable = false;
        }
    }
    writable = writable && !set.items.empty();
    std::u16string items;
    for (std::size_t code = 0; code < members.size(); ++code) {
        if (members[code] && (code == 0 || !members[code - 1])) {
            std::size_t last = code;
            while (last + 1 < members.size() && members[last + 1]) {
                ++last;
            }
            append_range(items, static_cast<char32_t>(code), static_cast<char32_t>(last), false);
        }
    }
    return (set.negated ? u"[^" : u"[") + items + u"]";
}

void Pcre2Writer::set(const CharSet& set, std::size_t offset) {
    end_pending_surrogate();
    atom(mode == Mode::Characters ? set_text(set) : coded_set_text(set), offset);
}

void Pcre2Writer::one_of(LocaleClass name, bool complement, std::size_t offset) {
    // The codes write bracket expressions only.
    writable = writable && mode == Mode::Characters;
    set(CharSet{false, {Item::of_class(name, complement)}}, offset);
}

void Pcre2Writer::assertion(Assertion kind, std::size_t offset) {
    end_pending_surrogate();
    writable = writable && mode == Mode::Characters;
    std::u16string text;
    const auto word = [this] {
        return u"[" + *class_items(*classes, LocaleClass::Word, false) + u"]";
    };
    switch (kind) {
    case Assertion::TextStart:
        text = u"^";
        break;
    case Assertion::TextEnd:
        text = u"$";
        break;
    case Assertion::TextEndOrFinalLineFeed:
        text = u"(?=\\n?\\z)";
        break;
    case Assertion::LineStart:
        text = u"(?m:^)";
        break;
    case Assertion::LineEnd:
        text = u"(?m:$)";
        break;
    case Assertion::WordStart:
        text = u"(?<!" + word() + u")(?=" + word() + u")";
        break;
    case Assertion::WordEnd:
        text = u"(?<=" + word() + u")(?!" + word() + u")";
        break;
    case Assertion::WordBoundary:
        text =
            u"(?:(?<=" + word() + u")(?!" + word() + u")|(?<!" + word() + u")(?=" + word() + u"))";
        break;
    case Assertion::NotWordBoundary:
        text =
            u"(?:(?<=" + word() + u")(?=" + word() + u")|(?<!" + word() + u")(?!" + word() + u"))";
        break;
    }
    zero_width(text, offset);
}

void Pcre2Writer::zero_width(std::u16string_view pcre2, std::size_t offset) {
    item_begin = std::nullopt;
    append(pcre2, offset);
    plain_text = false;
}

void Pcre2Writer::word_boundary(const CharSet& word, bool boundary, std::size_t offset) {
    end_pending_surrogate();
    writable = writable && mode == Mode::Characters;
    const std::u16string set = set_text(word);
    const std::u16string after = boundary ? u"(?!" : u"(?=";
    zero_width(u"(?:(?<=" + set + u")" + after + set + u")|(?<!" + set + u")" +
                   (boundary ? u"(?=" : u"(?!") + set + u"))",
               offset);
}

bool Pcre2Writer::repeat(const Repeat& repeat, std::size_t offset) {
    end_pending_surrogate();
    if (!item_begin) {
        return false;
    }
    if (mode == Mode::ClassCodes) {
        // Lazy, counted and stacked repetitions are left to the standard library.
        const bool simple = !repeat.lazy && repeat.min <= 1 && (!repeat.max || repeat.max == 1ul);
        writable = writable && simple && !repeated;
    }
    if (repeated) {
        // PCRE2 would read a second quantifier as possessive or refuse it.
        const std::size_t begin = *item_begin;
        const std::size_t item_offset = result.source_offset(begin);
        result.pattern.insert(begin, u"(?:");
        auto source = std::lower_bound(
            result.sources.begin(), result.sources.end(), begin,
            [](const Pcre2Pattern::Source& run, std::size_t at) { return run.pattern_begin < at; });
        for (auto later = source; later != result.sources.end(); ++later) {
            later->pattern_begin += 3;
        }
        result.sources.insert(source, {begin, item_offset});
        append(u")", offset);
    }
    append(repeat_text(repeat), offset);
    repeated = true;
    plain_text = false;
    return true;
}

void Pcre2Writer::alternative(std::size_t offset) {
    end_pending_surrogate();
    item_begin = std::nullopt;
    append(u"|", offset);
    plain_text = false;
}

void Pcre2Writer::open_group(Group kind, std::size_t offset) {
    end_pending_surrogate();
    const bool capturing = kind == Group::Capturing && mode == Mode::Characters;
    const unsigned number = capturing ? ++result.groups : 0;
    open_groups.push_back({{kind, offset}, result.pattern.size(), number});
    if (capturing) {
        literal_text.groups.emplace_back(literal_text.text.size(), literal_text.text.size());
    }
    item_begin = std::nullopt;
    switch (kind) {
    case Group::Capturing:
        append(capturing ? u"(" : u"(?:", offset);
        break;
    case Group::NonCapturing:
        append(u"(?:", offset);
        break;
    case Group::Atomic:
        append(u"(?>", offset);
        plain_text = false;
        writable = writable && mode == Mode::Characters;
        break;
    case Group::Lookahead:
    case Group::NegativeLookahead:
    case Group::Lookbehind:
    case Group::NegativeLookbehind:
        append(kind == Group::Lookahead           ? u"(?="
               : kind == Group::NegativeLookahead ? u"(?!"
               : kind == Group::Lookbehind        ? u"(?<="
                                                  : u"(?<!",
               offset);
        plain_text = false;
        writable = writable && mode == Mode::Characters;
        break;
    }
}

void Pcre2Writer::name_group(const std::wstring& name) {
    DBC_PRECONDITION(!open_groups.empty() && open_groups.back().number != 0);
    result.names.emplace_back(name, open_groups.back().number);
}

std::optional<IRegexBuilder::OpenGroup> Pcre2Writer::innermost_group() const {
    if (open_groups.empty()) {
        return std::nullopt;
    }
    return open_groups.back().group;
}

void Pcre2Writer::close_group(std::size_t offset) {
    DBC_PRECONDITION(!open_groups.empty());
    end_pending_surrogate();
    const Opened group = open_groups.back();
    open_groups.pop_back();
    append(u")", offset);
    const Group kind = group.group.kind;
    const bool lookaround = kind == Group::Lookahead || kind == Group::NegativeLookahead ||
                            kind == Group::Lookbehind || kind == Group::NegativeLookbehind;
    item_begin = lookaround ? std::nullopt : std::optional<std::size_t>(group.pattern_begin);
    repeated = false;
    if (group.number != 0) {
        literal_text.groups[group.number - 1].second = literal_text.text.size();
    }
}

bool Pcre2Writer::back_reference(unsigned number, std::size_t offset) {
    end_pending_surrogate();
    if (mode == Mode::ClassCodes) {
        // Codes do not tell one unit of a class from another.
        writable = false;
        return true;
    }
    const bool still_open =
        std::any_of(open_groups.begin(), open_groups.end(),
                    [number](const Opened& group) { return group.number == number; });
    if (number == 0 || number > result.groups || still_open) {
        return false;
    }
    atom(u"\\g{" + pcre2_number(number) + u"}", offset);
    return true;
}

void Pcre2Writer::back_reference_or_empty(unsigned number, std::size_t offset) {
    DBC_PRECONDITION(number != 0);
    end_pending_surrogate();
    writable = writable && mode == Mode::Characters;
    const std::u16string group = pcre2_number(number);
    atom(u"(?(" + group + u")\\g{" + group + u"})", offset);
}

std::optional<Pcre2Pattern> Pcre2Writer::finish() && {
    DBC_PRECONDITION(open_groups.empty());
    end_pending_surrogate();
    if (!writable) {
        return std::nullopt;
    }
    if (plain_text) {
        result.literal = std::move(literal_text);
    }
    return std::move(result);
}

} // namespace varnel
