#include "varnel/languages/BracketReader.h"

#include "varnel/common/CodeUnits.h"

#include <optional>

namespace varnel {

namespace {

using Item = CharSet::Item;

// The members read one by one, with the halves of a surrogate pair joined into one, and room to
// put members back to read them again.
class Members {
public:
    explicit Members(const std::function<BracketRead()>& read) : read(read) {}

    BracketRead next() {
        BracketRead first = raw();
        auto* unit = std::get_if<BracketMember>(&first);
        if (unit == nullptr || unit->kind != BracketMember::Unit ||
            !is_high_surrogate(unit->unit)) {
            return first;
        }
        BracketRead second = raw();
        const auto* low = std::get_if<BracketMember>(&second);
        if (low != nullptr && low->kind == BracketMember::Unit && is_low_surrogate(low->unit)) {
            unit->unit = code_point_of_pair(unit->unit, low->unit);
        } else {
            put_back(std::move(second));
        }
        return first;
    }

    void put_back(BracketRead member) { put.push_back(std::move(member)); }

private:
    BracketRead raw() {
        if (put.empty()) {
            return read();
        }
        BracketRead member = std::move(put.back());
        put.pop_back();
        return member;
    }

    const std::function<BracketRead()>& read;
    std::vector<BracketRead> put; // the next to read last
};

std::variant<std::vector<Item>, RegexError> bracket_items(Members& members) {
    std::vector<Item> items;
    // A character that may still begin a range.
    struct RangeStart {
        char32_t unit;
        std::size_t offset;
    };
    std::optional<RangeStart> unit;
    bool after_class = false;
    const auto flush = [&] {
        if (unit) {
            items.push_back(Item::range(unit->unit, unit->unit));
        }
        unit = std::nullopt;
    };
    while (true) {
        BracketRead read = members.next();
        if (const auto* error = std::get_if<RegexError>(&read)) {
            return *error;
        }
        BracketMember member = std::get<BracketMember>(std::move(read));
        if (member.kind == BracketMember::End) {
            flush();
            return items;
        }
        if (member.kind == BracketMember::Unit) {
            flush();
            unit = RangeStart{member.unit, member.offset};
            after_class = false;
            continue;
        }
        if (member.kind == BracketMember::Class) {
            flush();
            items.insert(items.end(), member.items.begin(), member.items.end());
            after_class = true;
            continue;
        }
        BracketRead after_dash = members.next();
        if (const auto* error = std::get_if<RegexError>(&after_dash)) {
            return *error;
        }
        const BracketMember end = std::get<BracketMember>(after_dash);
        if (end.kind == BracketMember::End) {
            flush();
            items.push_back(Item::range(U'-', U'-'));
            return items;
        }
        if (after_class) {
            return RegexError{L"a range cannot begin with a class", member.offset};
        }
        if (!unit) {
            // A dash with nothing before it to begin a range is a dash.
            unit = RangeStart{U'-', member.offset};
            members.put_back(end);
            continue;
        }
        if (end.kind == BracketMember::Class) {
            return RegexError{L"a range cannot end with a class", end.offset};
        }
        const char32_t last = end.kind == BracketMember::Unit ? end.unit : U'-';
        if (last < unit->unit) {
            return RegexError{L"range out of order", unit->offset};
        }
        items.push_back(Item::range(unit->unit, last));
        unit = std::nullopt;
    }
}

} // namespace

std::optional<RegexError> read_bracket(const std::wstring& regex, std::size_t& i,
                                       IRegexBuilder& builder,
                                       const std::function<BracketRead()>& read_member,
                                       bool literal_first) {
    const std::size_t begin = i++;
    const bool negated = i < regex.size() && regex[i] == L'^';
    if (negated) {
        ++i;
    }
    const std::size_t first = i;
    const std::function<BracketRead()> read = [&]() -> BracketRead {
        if (i >= regex.size()) {
            return RegexError{L"missing ]", begin};
        }
        const wchar_t c = regex[i];
        if (c == L']' && literal_first && i == first) {
            return BracketMember::of_unit(U']', i++);
        }
        if (c != L']' && c != L'-') {
            return read_member();
        }
        return BracketMember::mark(c == L']' ? BracketMember::End : BracketMember::Dash, i++);
    };
    Members members(read);
    auto items = bracket_items(members);
    if (const auto* error = std::get_if<RegexError>(&items)) {
        return *error;
    }
    builder.set(CharSet{negated, std::get<std::vector<Item>>(std::move(items))}, begin);
    return std::nullopt;
}

BracketRead read_bracket_class(const std::wstring& regex, std::size_t& i) {
    const std::size_t begin = i;
    const wchar_t next = regex[i + 1];
    const std::size_t close = regex.find(std::wstring{next, L']'}, i + 2);
    if (next != L':') {
        return RegexError{L"collating elements and equivalence classes are not supported", begin};
    }
    if (close == std::wstring::npos) {
        return RegexError{L"missing :]", begin};
    }
    const std::optional<LocaleClass> named =
        locale_class_named(std::wstring_view(regex).substr(i + 2, close - i - 2));
    if (!named) {
        return RegexError{L"unknown class " + regex.substr(i, close + 2 - i), begin};
    }
    i = close + 2;
    return BracketMember::of_class({Item::of_class(*named, false)}, begin);
}

} // namespace varnel
