#include "varnel/learning/Tokens.h"

#include "varnel/common/CodeUnits.h"

namespace varnel {

namespace {

TokenKind kind_of(wchar_t c, Grain grain, const CharacterKinds& kinds) {
    if (kinds.is_digit(c)) {
        return grain == Grain::Fine ? TokenKind::Digits : TokenKind::Word;
    }
    if (kinds.is_letter(c)) {
        return grain == Grain::Fine ? TokenKind::Letters : TokenKind::Word;
    }
    return kinds.is_space(c) ? TokenKind::Space : TokenKind::Other;
}

} // namespace

CharacterKinds::CharacterKinds() : ctype(std::use_facet<std::ctype<wchar_t>>(locale)) {}

std::vector<Token> tokenize(const std::wstring& text, Grain grain, const CharacterKinds& kinds) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const TokenKind kind = kind_of(text[i], grain, kinds);
        std::size_t end = i + 1;
        if (kind == TokenKind::Other) {
            if (is_high_surrogate(text[i]) && end < text.size() && is_low_surrogate(text[end])) {
                ++end;
            }
        } else {
            while (end < text.size() && kind_of(text[end], grain, kinds) == kind) {
                ++end;
            }
        }
        tokens.push_back({i, end, kind});
        i = end;
    }
    return tokens;
}

} // namespace varnel
