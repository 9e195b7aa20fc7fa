// The styled blocks of any regex or format text in every language: they give back the text, each
// block is what its type says, and the blocks agree with the language's other writing rules (what
// counts as syntax, what escaping and unescaping give).

#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTarget.h"
#include "tests/support/PrintableText.h"
#include "varnel/languages/LanguageFactory.h"

#include <algorithm>
#include <vector>

using namespace varnel;

namespace {

using Blocks = std::vector<PrettyFormatBlock>;

// The regex and format escape characters of a language, as its own rules show them.
struct Escapes {
    explicit Escapes(const IRegexFormatting& formatting)
        : regex(formatting.escape_regex(L"\\").front()),
          format(formatting.make_back_reference(1).front()),
          max_digits(formatting.max_back_reference() > 9 ? 2 : 1) {}

    wchar_t regex;
    wchar_t format;
    std::size_t max_digits;
};

bool is_digit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool is_special(const IRegexFormatting& formatting, wchar_t c) {
    return formatting.has_special_characters(std::wstring(1, c));
}

bool has_type(const Blocks& blocks, PrettyFormatBlock::Type type) {
    return std::any_of(blocks.begin(), blocks.end(),
                       [type](const PrettyFormatBlock& block) { return block.type == type; });
}

// The blocks' texts, joined; without the Escape blocks when asked, which is the text they stand
// for.
std::wstring joined(const Blocks& blocks, bool with_escapes = true) {
    std::wstring text;
    for (const PrettyFormatBlock& block : blocks) {
        if (with_escapes || block.type != PrettyFormatBlock::Escape) {
            text += block.text;
        }
    }
    return text;
}

[[noreturn]] void fail(const char* what, const std::wstring& text, const char* language) {
    fuzz_failure(std::string(language) + ": \"" + printable(text) + "\": " + what);
}

void check_regex_blocks(const IRegexFormatting& formatting, const Escapes& escapes,
                        const std::wstring& regex, const char* language) {
    const Blocks blocks = formatting.pretty_format_regex(regex);
    if (joined(blocks) != regex) {
        fail("the regex blocks do not give back the text", regex, language);
    }
    bool after_escape = false;
    for (const PrettyFormatBlock& block : blocks) {
        const bool single_special = block.text.size() == 1 && is_special(formatting, block.text[0]);
        const bool sound =
            after_escape ? block.type == PrettyFormatBlock::Normal && single_special
            : block.type == PrettyFormatBlock::Escape ? block.text == std::wstring(1, escapes.regex)
            : block.type == PrettyFormatBlock::Special
                ? single_special
                : !block.text.empty() && !formatting.has_special_characters(block.text);
        if (!sound) {
            fail("a regex block is not what its type says", regex, language);
        }
        after_escape = block.type == PrettyFormatBlock::Escape;
    }
    if (after_escape) {
        fail("the regex blocks end with an escape", regex, language);
    }
    // A character is shown as syntax exactly when the suggestions take it for syntax.
    if (has_type(blocks, PrettyFormatBlock::Special) != formatting.has_special_characters(regex)) {
        fail("the regex blocks and the special-character test disagree", regex, language);
    }
    if (!formatting.has_special_characters(regex) &&
        (joined(blocks, false) != formatting.unescape_regex(regex) ||
         formatting.escape_regex(formatting.unescape_regex(regex)) != regex)) {
        fail("an escaped literal does not unescape as its blocks show", regex, language);
    }
}

void check_format_blocks(const IRegexFormatting& formatting, const Escapes& escapes,
                         const std::wstring& format, const char* language) {
    const Blocks blocks = formatting.pretty_format_format(format);
    if (joined(blocks) != format) {
        fail("the format blocks do not give back the text", format, language);
    }
    std::size_t end = 0;
    bool after_escape = false;
    for (const PrettyFormatBlock& block : blocks) {
        end += block.text.size();
        const bool single_escape = block.text == std::wstring(1, escapes.format);
        const bool next_is_digit = end < format.size() && is_digit(format[end]);
        bool sound = !block.text.empty();
        if (after_escape) {
            sound = sound && block.type == PrettyFormatBlock::Normal && single_escape;
        } else if (block.type == PrettyFormatBlock::Escape) {
            sound = sound && single_escape;
        } else if (block.type == PrettyFormatBlock::Special) {
            // The escape and as many digits as a reference can take.
            const std::size_t digits = block.text.size() - 1;
            sound = sound && block.text[0] == escapes.format && digits >= 1 &&
                    digits <= escapes.max_digits &&
                    std::all_of(block.text.begin() + 1, block.text.end(), is_digit) &&
                    (digits == escapes.max_digits || !next_is_digit);
        } else {
            // No reference and no escaped escape inside literal text.
            for (std::size_t i = 0; i < block.text.size(); ++i) {
                const wchar_t next = i + 1 < block.text.size() ? block.text[i + 1]
                                     : end < format.size()     ? format[end]
                                                               : L'\0';
                if (block.text[i] == escapes.format && (is_digit(next) || next == escapes.format)) {
                    sound = false;
                }
            }
        }
        if (!sound) {
            fail("a format block is not what its type says", format, language);
        }
        after_escape = block.type == PrettyFormatBlock::Escape;
    }
}

// Literal text, escaped, is never shown as syntax, and its blocks stand for the text.
void check_escaped_text(const IRegexFormatting& formatting, const std::wstring& text,
                        const char* language) {
    const Blocks regex_blocks = formatting.pretty_format_regex(formatting.escape_regex(text));
    const Blocks format_blocks = formatting.pretty_format_format(formatting.escape_format(text));
    if (has_type(regex_blocks, PrettyFormatBlock::Special) ||
        has_type(format_blocks, PrettyFormatBlock::Special)) {
        fail("escaped literal text is shown as syntax", text, language);
    }
    if (joined(regex_blocks, false) != text || joined(format_blocks, false) != text) {
        fail("the blocks of escaped text do not stand for the text", text, language);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::wstring text = input.take_text();
    static const LanguageFactory factory;
    for (const Language language : all_languages) {
        const IRegexFormatting& formatting = factory.regex_formatting(language);
        const Escapes escapes(formatting);
        const std::wstring caption(names_of(language)->caption);
        const std::string name_text(caption.begin(), caption.end());
        const char* name = name_text.c_str();
        check_regex_blocks(formatting, escapes, text, name);
        // The format check knows only a format whose syntax is its escape doubled and the escape
        // with digits (Visual Studio, ECMAScript, JavaScript).
        const wchar_t sign = escapes.format;
        const bool digit_references =
            formatting.make_back_reference(1) == std::wstring{sign, L'1'} &&
            formatting.escape_format(std::wstring(1, sign)) == std::wstring(2, sign) &&
            !has_type(formatting.pretty_format_format(L"&"), PrettyFormatBlock::Special);
        if (digit_references) {
            check_format_blocks(formatting, escapes, text, name);
        }
        check_escaped_text(formatting, text, name);
    }
    return 0;
}
