#include "cli/RunCommand.h"

#include "common/DBC.h"
#include "common/Utf8.h"
#include "core/MakeReplaceRegex.h"
#include "suggestions/MakeSelectionSuggestion.h"
#include "suggestions/MakeSuggestions.h"

namespace {

void write_line(std::ostream& out, const std::wstring& text) {
    out << utf16_to_utf8(text) << '\n';
}

void infer(const CommandLine& command, const LanguageFactory& factory,
           LanguageFactory::Language language, std::ostream& out) {
    const ReplaceRegex result =
        make_replace_regex(command.text, command.replace, factory.regex_formatting(language));
    if (command.json) {
        out << "{\"regex\": " << json_string(result.regex)
            << ", \"format\": " << json_string(result.format) << "}\n";
        return;
    }
    write_line(out, result.regex);
    write_line(out, result.format);
}

void suggest(const CommandLine& command, const LanguageFactory& factory,
             LanguageFactory::Language language, std::ostream& out) {
    const auto suggestions =
        make_suggestions(command.text, factory.regex_language(language).regex_descriptions(),
                         factory.regex_formatting_ptr(language));
    if (command.json) {
        out << '[';
        const char* separator = "";
        for (const auto& suggestion : suggestions) {
            out << separator << "{\"regex\": " << json_string(suggestion.regex())
                << ", \"description\": " << json_string(suggestion.long_description()) << '}';
            separator = ", ";
        }
        out << "]\n";
        return;
    }
    for (const auto& suggestion : suggestions) {
        write_line(out, suggestion.regex() + L'\t' + suggestion.long_description());
    }
}

void select(const CommandLine& command, const LanguageFactory& factory,
            LanguageFactory::Language language, std::ostream& out) {
    const auto selection = make_selection_suggestion(
        command.text, factory.regex_language(language).regex_descriptions(),
        factory.regex_formatting_ptr(language));
    if (command.json) {
        if (selection) {
            out << "{\"start\": " << selection->start << ", \"end\": " << selection->end << "}\n";
        } else {
            out << "null\n";
        }
    } else if (selection) {
        out << selection->start << ' ' << selection->end << '\n';
    }
}

} // namespace

void run_command(const CommandLine& command, LanguageFactory::Language language,
                 std::ostream& out) {
    const LanguageFactory factory;
    switch (command.mode) {
    case CommandLine::Mode::Infer:
        infer(command, factory, language, out);
        return;
    case CommandLine::Mode::Suggest:
        suggest(command, factory, language, out);
        return;
    case CommandLine::Mode::Select:
        select(command, factory, language, out);
        return;
    case CommandLine::Mode::Help:
        out << usage_text;
        return;
    }
    DBC_UNREACHABLE();
}
