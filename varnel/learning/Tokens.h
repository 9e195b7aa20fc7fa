#pragma once
// Text cut into runs of one kind of character: the units a learned rule generalises.

#include <cstddef>
#include <locale>
#include <string>
#include <vector>

namespace varnel {

// Word: letters and digits together, in the coarse cut only.
enum class TokenKind { Digits, Letters, Word, Space, Other };

struct Token {
    std::size_t begin;
    std::size_t end;
    TokenKind kind;
};

// The fine cut parts letters from digits; the coarse one keeps them together as words.
enum class Grain { Fine, Coarse };

// The character classes of the global locale of the moment it is made, which are the ones the
// regex runner and the named patterns use.
class CharacterKinds {
public:
    CharacterKinds();

    bool is_digit(wchar_t c) const { return ctype.is(std::ctype_base::digit, c); }
    bool is_letter(wchar_t c) const { return ctype.is(std::ctype_base::alpha, c); }
    bool is_upper(wchar_t c) const { return ctype.is(std::ctype_base::upper, c); }
    bool is_lower(wchar_t c) const { return ctype.is(std::ctype_base::lower, c); }
    bool is_space(wchar_t c) const { return ctype.is(std::ctype_base::space, c); }
    bool is_punctuation(wchar_t c) const { return ctype.is(std::ctype_base::punct, c); }

private:
    std::locale locale;
    const std::ctype<wchar_t>& ctype;
};

// Maximal runs of digits, of letters (or of both, coarse) and of whitespace; every other
// character alone, a surrogate pair as one.
std::vector<Token> tokenize(const std::wstring& text, Grain grain, const CharacterKinds& kinds);

} // namespace varnel
