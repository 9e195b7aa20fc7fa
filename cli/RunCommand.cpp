#include "cli/RunCommand.h"

#include "cli/CommandError.h"
#include "cli/JsonText.h"
#include "cli/Printable.h"
#include "cli/ReadExamples.h"
#include "cli/ReadSample.h"
#include "cli/RewriteFiles.h"
#include "varnel/common/CharacterNumber.h"
#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/learning/LearnReplaceRegex.h"
#include "varnel/suggestions/MakeSelectionSuggestion.h"
#include "varnel/suggestions/MakeSuggestions.h"

namespace varnel {

namespace {

void write_line(OutputStream& out, const std::string& text) {
    out.write(text);
    out.write("\n");
}

void write_json(OutputStream& out, const Json& document) {
    write_line(out, json_text(document));
}

struct Samples {
    std::wstring search;
    std::wstring replace;
};

// The samples, from the arguments or from files.
Samples samples(const CommandLine& command) {
    Samples pair{command.search_file ? read_sample(*command.search_file) : command.text,
                 command.replace_file ? read_sample(*command.replace_file) : command.replace};
    if (pair.search.empty()) {
        throw CommandError("the search sample is empty");
    }
    return pair;
}

// The rule of the command: learned from its examples, with the pieces they leave open, or inferred
// from its two samples.
LearnedRule rule(const CommandLine& command, const LanguageFactory& factory, Language language) {
    if (!command.examples_file) {
        const Samples pair = samples(command);
        const ReplaceRegex inferred =
            make_replace_regex(pair.search, pair.replace, factory.regex_formatting(language));
        return {inferred.regex, inferred.format, {}};
    }
    const ExampleFile file = read_examples(*command.examples_file);
    const LearnResult learned = learn_replace_regex(file.examples, file.unchanged, language);
    if (const auto* refusal = std::get_if<Refusal>(&learned)) {
        // The reason quotes the examples, control characters and all.
        throw CommandError(printable(utf16_to_utf8(refusal->reason)));
    }
    return std::get<LearnedRule>(learned);
}

// Briefly, so that the user may add an example that settles them.
void tell_ambiguous(const LearnedRule& learned, std::ostream& notes) {
    for (const AmbiguousPiece& piece : learned.ambiguous) {
        notes << "varnel-cli: example " << piece.example << " leaves open where \""
              << printable(utf16_to_utf8(piece.text))
              << "\" comes from: " << printable(utf16_to_utf8(piece.question)) << '\n';
    }
}

void infer(const CommandLine& command, const LanguageFactory& factory, Language language,
           OutputStream& out, std::ostream& notes) {
    const LearnedRule result = rule(command, factory, language);
    if (command.json) {
        Json document{{"regex", json_string(result.regex)}, {"format", json_string(result.format)}};
        if (command.examples_file) {
            Json ambiguous = Json::array();
            for (const AmbiguousPiece& piece : result.ambiguous) {
                ambiguous.push_back({{"example", piece.example},
                                     {"position", piece.position},
                                     {"text", json_string(piece.text)},
                                     {"question", json_string(piece.question)}});
            }
            document["ambiguous"] = ambiguous;
        }
        write_json(out, document);
        return;
    }
    write_line(out, utf16_to_utf8(result.regex));
    write_line(out, utf16_to_utf8(result.format));
    tell_ambiguous(result, notes);
}

void suggest(const CommandLine& command, const LanguageFactory& factory, Language language,
             OutputStream& out) {
    const auto suggestions =
        make_suggestions(command.text, factory.regex_language(language).regex_descriptions(),
                         factory.regex_formatting_ptr(language));
    if (command.json) {
        Json list = Json::array();
        for (const auto& suggestion : suggestions) {
            list.push_back({{"regex", json_string(suggestion.regex())},
                            {"description", json_string(suggestion.long_description())}});
        }
        write_json(out, list);
        return;
    }
    for (const auto& suggestion : suggestions) {
        write_line(out, utf16_to_utf8(suggestion.regex() + L'\t' + suggestion.long_description()));
    }
}

void select(const CommandLine& command, const LanguageFactory& factory, Language language,
            OutputStream& out) {
    const auto selection = make_selection_suggestion(
        command.text, factory.regex_language(language).regex_descriptions(),
        factory.regex_formatting_ptr(language));
    if (command.json) {
        write_json(out,
                   selection ? Json{{"start", selection->start}, {"end", selection->end}} : Json());
    } else if (selection) {
        write_line(out, std::to_string(selection->start) + ' ' + std::to_string(selection->end));
    }
}

// Told as the window tells it: in characters from 1.
std::string invalid_regex_message(const ReplaceOutcome& error, const ReplaceRegex& pair) {
    const bool format = error.status == ReplaceOutcome::Status::InvalidFormat;
    const std::string what = format ? "the format string is not valid at character "
                                    : "the regular expression is not valid at character ";
    // The reason may quote the user's regex or format, control bytes and all.
    return what +
           std::to_string(character_number(format ? pair.format : pair.regex, error.offset)) +
           ": " + printable(utf16_to_utf8(error.message));
}

ExitStatus rewrite(const CommandLine& command, const LanguageFactory& factory, Language language,
                   OutputStream& out, std::ostream& notes) {
    ReplaceRegex pair;
    if (command.regex_and_format) {
        pair = *command.regex_and_format;
    } else {
        const LearnedRule learned = rule(command, factory, language);
        if (!command.json) {
            tell_ambiguous(learned, notes);
        }
        pair = {learned.regex, learned.format};
    }
    const Replacer replacer(pair.regex, pair.format, language);
    if (const auto& error = replacer.error()) {
        throw CommandError(error->status == ReplaceOutcome::Status::TooComplex
                               ? utf16_to_utf8(error->message)
                               : invalid_regex_message(*error, pair));
    }
    const RewriteCounts counts = rewrite_files(command, replacer, out);
    if (command.output == CommandLine::Output::Counts) {
        if (command.json) {
            write_json(out, {{"lines", counts.lines}, {"matches", counts.matches}});
        } else {
            write_line(out, std::to_string(counts.lines) + ' ' + std::to_string(counts.matches));
        }
    }
    return counts.matches > 0 ? Done : NoMatch;
}

void code(const CommandLine& command, const LanguageFactory& factory, Language language,
          OutputStream& out) {
    ReplaceRegex pair;
    if (command.regex_and_format) {
        pair = *command.regex_and_format;
    } else {
        const LearnedRule learned = rule(command, factory, language);
        pair = {learned.regex, learned.format};
    }
    std::vector<std::wstring> files;
    for (const std::string& file : command.files) {
        const auto name = utf8_to_utf16(file);
        if (!name) {
            throw CommandError("a file name is not valid UTF-8");
        }
        files.push_back(*name);
    }
    const auto text = factory.regex_formatting(language).code(pair.regex, pair.format, files);
    if (!text) {
        throw CommandError(utf16_to_utf8(std::wstring(names_of(language)->caption)) +
                           " has no code to copy: use javascript, pcre, python or posix-ere");
    }
    if (command.json) {
        write_json(out, {{"code", json_string(*text)}});
    } else {
        write_line(out, utf16_to_utf8(*text));
    }
}

void help(const CommandLine& command, OutputStream& out) {
    if (command.json) {
        write_json(out, {{"help", usage_text}});
    } else {
        out.write(usage_text);
    }
}

void version(const CommandLine& command, OutputStream& out) {
    if (command.json) {
        write_json(out, {{"version", VARNEL_VERSION}});
    } else {
        write_line(out, "varnel-cli " VARNEL_VERSION);
    }
}

} // namespace

ExitStatus run_command(const CommandLine& command, Language language, OutputStream& out,
                       std::ostream& notes) {
    const LanguageFactory factory;
    switch (command.mode) {
    case CommandLine::Mode::Infer:
        infer(command, factory, language, out, notes);
        return Done;
    case CommandLine::Mode::Suggest:
        suggest(command, factory, language, out);
        return Done;
    case CommandLine::Mode::Select:
        select(command, factory, language, out);
        return Done;
    case CommandLine::Mode::Help:
        help(command, out);
        return Done;
    case CommandLine::Mode::Version:
        version(command, out);
        return Done;
    case CommandLine::Mode::Rewrite:
        return rewrite(command, factory, language, out, notes);
    case CommandLine::Mode::Code:
        code(command, factory, language, out);
        return Done;
    }
    DBC_UNREACHABLE();
}

} // namespace varnel
