// varnel-cli's text handling on any bytes, judged against Qt's own UTF-8 and JSON code: strict and
// replacing UTF-8 decoding, UTF-8 and JSON encoding (a surrogate without its partner as U+FFFD),
// the decoding of rewritten files that gives back every byte, and any command line: a refusal says
// why in printable UTF-8; a command writes valid UTF-8 (a rewrite of UTF-8, the bytes of its input)
// and, with --json, a JSON document that holds its results.

#include "cli/CommandError.h"
#include "cli/CommandLine.h"
#include "cli/JsonText.h"
#include "cli/OutputStream.h"
#include "cli/RunCommand.h"
#include "cli/TextEncoding.h"
#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTarget.h"
#include "tests/support/PrintableText.h"
#include "tests/support/SurrogatePairs.h"
#include "varnel/common/Utf8.h"
#include "varnel/core/MakeReplaceRegex.h"
#include "varnel/settings/QStringConversion.h"
#include "varnel/suggestions/MakeSelectionSuggestion.h"
#include "varnel/suggestions/MakeSuggestions.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QStringEncoder>

using namespace varnel;

namespace {

// Commands run the inference; longer arguments only slow the fuzzing down.
constexpr std::size_t max_input_size = 1000;

const auto keep_everything =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

std::string hex(const std::string& bytes) {
    std::string result;
    for (const char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x ", static_cast<unsigned char>(byte));
        result += pair;
    }
    return result;
}

struct QtDecoded {
    std::wstring text;
    bool valid;
};

QtDecoded qt_decoded(const std::string& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, keep_everything);
    const QString text =
        decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return {to_wstring(text), !decoder.hasError()};
}

// The text as it reads back from the UTF-8 that Qt writes for it.
std::wstring as_written(const std::wstring& text) {
    QStringEncoder encoder(QStringConverter::Utf8, keep_everything);
    return qt_decoded(QByteArray(encoder(to_qstring(text))).toStdString()).text;
}

// JSON allows no raw control character below U+0020 in a string.
bool has_raw_c0(const std::string& json) {
    return std::any_of(json.begin(), json.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x20; });
}

// A message for the terminal: UTF-8 without control characters (C0, DEL, C1) that could steer it.
bool is_printable(const std::string& message) {
    const auto text = utf8_to_utf16(message);
    return !message.empty() && text && std::none_of(text->begin(), text->end(), [](wchar_t c) {
        return c < 0x20 || (c >= 0x7F && c < 0xA0);
    });
}

void check_decoding(const std::string& bytes) {
    const QtDecoded qt = qt_decoded(bytes);
    const std::optional<std::wstring> text = utf8_to_utf16(bytes);
    if (text.has_value() != qt.valid || (text && *text != qt.text)) {
        fuzz_failure("strict UTF-8 decoding differs from Qt's on " + hex(bytes));
    }
    if (text && utf16_to_utf8(*text) != bytes) {
        fuzz_failure("valid UTF-8 does not round-trip: " + hex(bytes));
    }
    if (utf8_to_utf16_replacing(bytes) != qt.text) {
        fuzz_failure("replacing UTF-8 decoding differs from Qt's on " + hex(bytes));
    }
    for (const Encoding encoding : {Encoding::Utf8, Encoding::Latin1}) {
        const std::wstring decoded = decode_text(bytes, encoding);
        if (text && encoding == Encoding::Utf8 && decoded != *text) {
            fuzz_failure("valid UTF-8 of a rewritten file reads otherwise: " + hex(bytes));
        }
        if (encode_text(decoded, encoding) != bytes) {
            fuzz_failure("a rewritten file's bytes do not round-trip: " + hex(bytes));
        }
    }
}

// The value of a JSON document, wrapped in an array since Qt reads only arrays and objects at the
// top; none when it is not valid JSON.
std::optional<QJsonValue> parse_json(const std::string& json) {
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString("[" + json + "]"), &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1) {
        return std::nullopt;
    }
    return document.array().at(0);
}

bool holds(const QJsonValue& value, const std::wstring& text) {
    return value.isString() && to_wstring(value.toString()) == as_written(text);
}

void check_encoding(const std::wstring& text) {
    const std::string utf8 = utf16_to_utf8(text);
    QStringEncoder encoder(QStringConverter::Utf8, keep_everything);
    if (utf8 != QByteArray(encoder(to_qstring(text))).toStdString()) {
        fuzz_failure("UTF-8 encoding differs from Qt's on \"" + printable(text) + "\"");
    }
    const std::optional<std::string> exact = exact_utf8(text);
    if (exact.has_value() != whole_characters(text) || (exact && *exact != utf8)) {
        fuzz_failure("exact UTF-8 is wrong for \"" + printable(text) + "\"");
    }
    const std::string json = json_text(json_string(text));
    const auto value = parse_json(json);
    if (!value || !holds(*value, text) || has_raw_c0(json)) {
        fuzz_failure("the JSON string " + json + " does not hold \"" + printable(text) + "\"");
    }
}

// With --json, the document holds the results as the library computed them.
bool holds_results(const QJsonValue& value, const CommandLine& command, Language language) {
    const LanguageFactory factory;
    const auto rows = factory.regex_language(language).regex_descriptions();
    switch (command.mode) {
    case CommandLine::Mode::Infer: {
        const ReplaceRegex result =
            make_replace_regex(command.text, command.replace, factory.regex_formatting(language));
        return holds(value[QStringLiteral("regex")], result.regex) &&
               holds(value[QStringLiteral("format")], result.format);
    }
    case CommandLine::Mode::Suggest: {
        const auto suggestions =
            make_suggestions(command.text, rows, factory.regex_formatting_ptr(language));
        const QJsonArray array = value.toArray();
        bool same = value.isArray() && static_cast<std::size_t>(array.size()) == suggestions.size();
        for (std::size_t i = 0; same && i < suggestions.size(); ++i) {
            const QJsonValue item = array.at(static_cast<qsizetype>(i));
            same = holds(item[QStringLiteral("regex")], suggestions[i].regex()) &&
                   holds(item[QStringLiteral("description")], suggestions[i].long_description());
        }
        return same;
    }
    case CommandLine::Mode::Select: {
        const auto selection =
            make_selection_suggestion(command.text, rows, factory.regex_formatting_ptr(language));
        return selection
                   ? value[QStringLiteral("start")] == static_cast<double>(selection->start) &&
                         value[QStringLiteral("end")] == static_cast<double>(selection->end)
                   : value.isNull();
    }
    case CommandLine::Mode::Rewrite:
        return value[QStringLiteral("lines")].isDouble() &&
               value[QStringLiteral("matches")].isDouble();
    case CommandLine::Mode::Code: {
        const ReplaceRegex rule = command.regex_and_format
                                      ? *command.regex_and_format
                                      : make_replace_regex(command.text, command.replace,
                                                           factory.regex_formatting(language));
        std::vector<std::wstring> files;
        for (const std::string& file : command.files) {
            files.push_back(utf8_to_utf16(file).value_or(L""));
        }
        const auto code = factory.regex_formatting(language).code(rule.regex, rule.format, files);
        return code && holds(value[QStringLiteral("code")], *code);
    }
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
        return value.isObject();
    }
    return false;
}

// What a command writes, with its exit status; 2 and the message when it fails.
struct Run {
    int status = Failed;
    std::string output;
    std::string error;
};

Run run(const CommandLine& command, Language language) {
    std::FILE* file = std::tmpfile();
    Run result;
    try {
        OutputStream out(::fileno(file));
        std::ostringstream notes;
        result.status = run_command(command, language, out, notes);
        out.flush();
    } catch (const CommandError& error) {
        result.error = error.what();
    }
    std::rewind(file);
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        result.output.append(buffer, count);
    }
    std::fclose(file);
    return result;
}

// A file that holds the bytes, gone when closed; its name, while open, in /proc.
struct ContentFile {
    explicit ContentFile(const std::string& content) : file(std::tmpfile()) {
        std::fwrite(content.data(), 1, content.size(), file);
        std::fflush(file);
    }
    ~ContentFile() { std::fclose(file); }
    ContentFile(const ContentFile&) = delete;
    ContentFile& operator=(const ContentFile&) = delete;

    std::string path() const { return "/proc/self/fd/" + std::to_string(::fileno(file)); }

    std::FILE* file;
};

void check_command_line(const std::vector<std::string>& arguments, const std::string& content) {
    const ParsedCommandLine parsed = parse_command_line(arguments);
    if (!parsed.command) {
        if (!is_printable(parsed.error)) {
            fuzz_failure("a refusal without a printable reason: " + hex(parsed.error));
        }
        return;
    }
    CommandLine command = *parsed.command;
    if (command.search_file || command.replace_file || command.examples_file ||
        command.output == CommandLine::Output::InPlace) {
        return; // files named by the fuzzer are neither read nor rewritten
    }
    const ContentFile file(content);
    if (command.mode == CommandLine::Mode::Rewrite) {
        command.files = {file.path()};
    }
    const auto language = command.language.value_or(Language::VisualStudio);
    const Run result = run(command, language);
    if (result.status == Failed && !is_printable(result.error)) {
        fuzz_failure("a failure without a printable reason: " + hex(result.error));
    }
    const bool rewrites_all = command.mode == CommandLine::Mode::Rewrite &&
                              command.output == CommandLine::Output::AllLines;
    if (rewrites_all && result.status == NoMatch && result.output != content) {
        fuzz_failure("a rewrite without a match changed its input: " + hex(result.output));
    }
    const bool utf8_input = utf8_to_utf16(content) && command.encoding == Encoding::Utf8;
    if (utf8_input && !utf8_to_utf16(result.output)) {
        fuzz_failure("the output is not valid UTF-8: " + hex(result.output));
    }
    const bool json_output = command.json && result.status != Failed &&
                             (command.mode != CommandLine::Mode::Rewrite ||
                              command.output == CommandLine::Output::Counts);
    if (json_output) {
        const auto value = parse_json(result.output);
        if (!value || !holds_results(*value, command, language)) {
            fuzz_failure("the JSON output does not hold the results: " + result.output);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > max_input_size) {
        return -1;
    }
    FuzzInput input(data, size);
    const std::string first = input.take_bytes();
    check_decoding(first);
    check_encoding(fuzz_text(first));
    std::vector<std::string> arguments{first};
    while (!input.at_end()) {
        arguments.push_back(input.take_bytes());
    }
    // The first field is also the content of the file that a rewrite reads.
    check_command_line(arguments, first);
    return 0;
}
