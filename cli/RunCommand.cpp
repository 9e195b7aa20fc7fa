#include "cli/RunCommand.h"

#include "cli/CommandError.h"
#include "cli/JsonText.h"
#include "cli/Printable.h"
#include "cli/ReadSample.h"
#include "cli/RewriteLines.h"
#include "varnel/common/DBC.h"
#include "varnel/common/Utf8.h"
#include "varnel/core/MakeReplaceRegex.h"
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

ReplaceRegex inferred(const CommandLine& command, const LanguageFactory& factory,
                      Language language) {
    const Samples pair = samples(command);
    return make_replace_regex(pair.search, pair.replace, factory.regex_formatting(language));
}

void infer(const CommandLine& command, const LanguageFactory& factory, Language language,
           OutputStream& out) {
    const ReplaceRegex result = inferred(command, factory, language);
    if (command.json) {
        write_json(out,
                   {{"regex", json_string(result.regex)}, {"format", json_string(result.format)}});
        return;
    }
    write_line(out, utf16_to_utf8(result.regex));
    write_line(out, utf16_to_utf8(result.format));
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

std::string invalid_regex_message(const ReplaceOutcome& error) {
    const char* what = error.status == ReplaceOutcome::Status::InvalidFormat
                           ? "the format string is not valid at offset "
                           : "the regular expression is not valid at offset ";
    // The reason may quote the user's regex or format, control bytes and all.
    return what + std::to_string(error.offset) + ": " + printable(utf16_to_utf8(error.message));
}

ExitStatus rewrite(const CommandLine& command, const LanguageFactory& factory, Language language,
                   OutputStream& out) {
    const ReplaceRegex pair =
        command.regex_and_format ? *command.regex_and_format : inferred(command, factory, language);
    const Replacer replacer(pair.regex, pair.format, language);
    if (const auto& error = replacer.error()) {
        throw CommandError(error->status == ReplaceOutcome::Status::TooComplex
                               ? utf16_to_utf8(error->message)
                               : invalid_regex_message(*error));
    }
    RewriteCounts counts;
    for (const auto& path : command.files) {
        InputFile file(path);
        LineReader lines(file);
        rewrite_lines(lines, replacer, command.output, out, counts);
    }
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
    const ReplaceRegex pair =
        command.regex_and_format ? *command.regex_and_format : inferred(command, factory, language);
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

ExitStatus run_command(const CommandLine& command, Language language, OutputStream& out) {
    const LanguageFactory factory;
    switch (command.mode) {
    case CommandLine::Mode::Infer:
        infer(command, factory, language, out);
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
        return rewrite(command, factory, language, out);
    case CommandLine::Mode::Code:
        code(command, factory, language, out);
        return Done;
    }
    DBC_UNREACHABLE();
}

} // namespace varnel
