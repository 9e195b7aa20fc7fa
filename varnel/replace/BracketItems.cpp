#include "varnel/replace/BracketItems.h"

#include <optional>

namespace varnel {

namespace {

std::variant<std::u16string, RegexError>
bracket_items(const std::function<BracketRead()>& read_token) {
    std::u16string items;
    // A code unit that may still begin a range.
    struct RangeStart {
        char16_t unit;
        std::size_t offset;
    };
    std::optional<RangeStart> unit;
    bool after_class = false;
    std::optional<BracketToken> pending;
    const auto next = [&]() -> BracketRead {
        if (pending) {
            BracketToken token = *pending;
            pending = std::nullopt;
            return token;
        }
        return read_token();
    };
    const auto flush = [&] {
        if (unit) {
            items += pcre2_literal(unit->unit);
        }
        unit = std::nullopt;
    };
    while (true) {
        BracketRead read = next();
        if (const auto* error = std::get_if<RegexError>(&read)) {
            return *error;
        }
        const BracketToken token = std::get<BracketToken>(read);
        if (token.kind == BracketToken::End) {
            flush();
            return items;
        }
        if (token.kind == BracketToken::Unit) {
            flush();
            unit = RangeStart{token.unit, token.offset};
            after_class = false;
            continue;
        }
        if (token.kind == BracketToken::Class) {
            flush();
            items += token.items;
            after_class = true;
            continue;
        }
        BracketRead after_dash = read_token();
        if (const auto* error = std::get_if<RegexError>(&after_dash)) {
            return *error;
        }
        const BracketToken end = std::get<BracketToken>(after_dash);
        if (end.kind == BracketToken::End) {
            flush();
            items += pcre2_literal(u'-');
            return items;
        }
        if (after_class) {
            return RegexError{L"a range cannot begin with a class", token.offset};
        }
        if (!unit) {
            // A dash with nothing before it to begin a range is a dash.
            unit = RangeStart{u'-', token.offset};
            pending = end;
            continue;
        }
        if (end.kind == BracketToken::Class) {
            return RegexError{L"a range cannot end with a class", end.offset};
        }
        const char16_t last = end.kind == BracketToken::Unit ? end.unit : u'-';
        if (last < unit->unit) {
            return RegexError{L"range out of order", unit->offset};
        }
        items += pcre2_literal(unit->unit) + u"-" + pcre2_literal(last);
        unit = std::nullopt;
    }
}

} // namespace

std::optional<RegexError> write_bracket(const std::wstring& regex, std::size_t& i,
                                        PatternWriter& writer,
                                        const std::function<BracketRead()>& read_member) {
    const std::size_t begin = i++;
    const bool negated = i < regex.size() && regex[i] == L'^';
    if (negated) {
        ++i;
    }
    const auto items = bracket_items([&]() -> BracketRead {
        if (i >= regex.size()) {
            return RegexError{L"missing ]", begin};
        }
        const wchar_t c = regex[i];
        if (c != L']' && c != L'-') {
            return read_member();
        }
        return BracketToken::mark(c == L']' ? BracketToken::End : BracketToken::Dash, i++);
    });
    if (const auto* error = std::get_if<RegexError>(&items)) {
        return *error;
    }
    writer.atom((negated ? u"[^" : u"[") + std::get<std::u16string>(items) + u"]", begin);
    return std::nullopt;
}

} // namespace varnel
