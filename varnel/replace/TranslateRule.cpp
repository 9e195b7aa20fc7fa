#include "varnel/replace/TranslateRule.h"

#include "varnel/common/DBC.h"
#include "varnel/pattern/CompileRegex.h"
#include "varnel/pattern/Pcre2Writer.h"

namespace varnel {

namespace {

// Writes every piece it is handed in the target language while a PCRE2 writer builds the
// pattern of the source: the writer decides, as when the runner reads the regex, what can be
// repeated and referred to.
class RegexTranslator : public IRegexBuilder {
public:
    RegexTranslator(const IRegexFormatting& target, Pcre2Writer& source)
        : target(target), source(source) {}

    // None when a piece could not be written.
    std::optional<std::wstring> finish() && {
        return writable ? std::optional(std::move(text)) : std::nullopt;
    }

    void literal(char16_t unit, std::size_t offset) override {
        source.literal(unit, offset);
        text += target.write_literal(unit);
    }
    void set(const CharSet& set, std::size_t offset) override {
        source.set(set, offset);
        write(target.write_set(set));
    }
    void one_of(LocaleClass name, bool complement, std::size_t offset) override {
        source.one_of(name, complement, offset);
        write(target.write_one_of(name, complement));
    }
    void assertion(Assertion kind, std::size_t offset) override {
        source.assertion(kind, offset);
        write(target.write_assertion(kind));
    }
    bool repeat(const Repeat& repeat, std::size_t offset) override {
        if (!source.repeat(repeat, offset)) {
            return false;
        }
        write(target.write_repeat(repeat));
        return true;
    }
    void alternative(std::size_t offset) override {
        source.alternative(offset);
        text += target.write_alternative();
    }
    void open_group(Group kind, std::size_t offset) override {
        source.open_group(kind, offset);
        write(target.write_open_group(kind));
    }
    std::optional<OpenGroup> innermost_group() const override { return source.innermost_group(); }
    void close_group(std::size_t offset) override {
        const std::optional<OpenGroup> open = source.innermost_group();
        DBC_PRECONDITION(open);
        source.close_group(offset);
        text += target.write_close_group(open->kind);
    }
    bool back_reference(unsigned number, std::size_t offset) override {
        if (!source.back_reference(number, offset)) {
            return false;
        }
        write(target.write_back_reference(number));
        return true;
    }
    // No formatting writes these yet: a rule that holds them stays in its language.
    void word_boundary(const CharSet& word, bool boundary, std::size_t offset) override {
        source.word_boundary(word, boundary, offset);
        writable = false;
    }
    void name_group(const std::wstring& name) override {
        source.name_group(name);
        writable = false;
    }
    void back_reference_or_empty(unsigned number, std::size_t offset) override {
        source.back_reference_or_empty(number, offset);
        writable = false;
    }

private:
    void write(const std::optional<std::wstring>& piece) {
        if (piece) {
            text += *piece;
        } else {
            writable = false;
        }
    }

    const IRegexFormatting& target;
    Pcre2Writer& source;
    std::wstring text;
    bool writable = true;
};

Pcre2Writer pattern_writer() {
    return Pcre2Writer(Pcre2Writer::Mode::Characters, LocaleClasses::of(std::locale()));
}

// The PCRE2 pattern the syntax reads the regex as; none for a regex it cannot read.
std::optional<std::u16string> pattern_of(const std::wstring& regex, const IRegexSyntax& syntax) {
    Pcre2Writer writer = pattern_writer();
    if (syntax.read_regex(regex, writer)) {
        return std::nullopt;
    }
    std::optional<Pcre2Pattern> written = std::move(writer).finish();
    DBC_CHECK(written);
    return std::move(written->pattern);
}

std::optional<std::wstring> translate_format(const std::vector<FormatPiece>& pieces,
                                             const IRegexFormatting& target) {
    std::wstring text;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const FormatPiece& piece = pieces[k];
        switch (piece.kind) {
        case FormatPiece::Text:
            text += target.escape_format(piece.text);
            break;
        case FormatPiece::Group: {
            if (piece.number > target.max_back_reference()) {
                return std::nullopt;
            }
            const bool text_next = k + 1 < pieces.size() && pieces[k + 1].kind == FormatPiece::Text;
            text += text_next ? target.make_back_reference_before(piece.number,
                                                                  pieces[k + 1].text.front())
                              : target.make_back_reference(piece.number);
            break;
        }
        case FormatPiece::Before:
        case FormatPiece::Prefix:
        case FormatPiece::After:
            // No formatting writes a reference to the text around the match yet; of the languages
            // the runner reads, ECMAScript alone has one.
            return std::nullopt;
        }
    }
    return text;
}

bool may_match_empty(const std::wstring& regex, const IRegexSyntax& syntax) {
    const auto compiled = compile_regex(regex, syntax, false);
    const auto* regex_compiled = std::get_if<CompiledRegex>(&compiled);
    return regex_compiled == nullptr || regex_compiled->may_match_empty;
}

// The pieces without where they stand, which differs between languages.
std::vector<FormatPiece> without_offsets(std::vector<FormatPiece> pieces) {
    for (FormatPiece& piece : pieces) {
        piece.offset = 0;
    }
    return pieces;
}

} // namespace

std::optional<TranslatedRule> translate_rule(const std::wstring& regex, const std::wstring& format,
                                             Language from, Language to,
                                             const LanguageFactory& languages) {
    const IRegexSyntax& source_syntax = languages.regex_syntax(from);
    const IRegexSyntax& target_syntax = languages.regex_syntax(to);
    const IRegexFormatting& target = languages.regex_formatting(to);

    Pcre2Writer source_writer = pattern_writer();
    RegexTranslator translator(target, source_writer);
    if (source_syntax.read_regex(regex, translator)) {
        return std::nullopt;
    }
    std::optional<std::wstring> translated_regex = std::move(translator).finish();
    const std::optional<Pcre2Pattern> source_pattern = std::move(source_writer).finish();
    DBC_CHECK(source_pattern);
    if (!translated_regex ||
        pattern_of(*translated_regex, target_syntax) != source_pattern->pattern) {
        return std::nullopt;
    }

    // Where a replace-all goes on after an empty match differs between languages.
    if (source_syntax.after_empty_match() != target_syntax.after_empty_match() &&
        may_match_empty(regex, source_syntax)) {
        return std::nullopt;
    }

    const RegexGroups groups{source_pattern->groups, source_pattern->names};
    const FormatRead read = source_syntax.read_format(format, groups);
    const auto* pieces = std::get_if<std::vector<FormatPiece>>(&read);
    if (pieces == nullptr) {
        return std::nullopt;
    }
    std::optional<std::wstring> translated_format = translate_format(*pieces, target);
    if (!translated_format) {
        return std::nullopt;
    }
    const FormatRead read_back = target_syntax.read_format(*translated_format, groups);
    const auto* pieces_back = std::get_if<std::vector<FormatPiece>>(&read_back);
    if (pieces_back == nullptr || without_offsets(*pieces_back) != without_offsets(*pieces)) {
        return std::nullopt;
    }
    return TranslatedRule{std::move(*translated_regex), std::move(*translated_format)};
}

} // namespace varnel
