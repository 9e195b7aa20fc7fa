// varnel-cli's text handling on any bytes and any text, judged against Qt's own UTF-8 and JSON
// code: strict UTF-8 decoding, UTF-8 and JSON encoding that keep every code unit that can be kept
// (lone surrogates as U+FFFD in UTF-8, exactly as \u escapes in JSON), and a command line whose
// output is valid UTF-8 and, with --json, a JSON document that holds the exact results.

#include "app/QStringConversion.h"
#include "cli/CommandLine.h"
#include "cli/RunCommand.h"
#include "cli/Utf8.h"
#include "core/MakeReplaceRegex.h"
#include "fuzz/FuzzFailure.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTarget.h"
#include "suggestions/MakeSuggestions.h"
#include "tests/support/PrintableText.h"

#include <algorithm>
#include <sstream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The command runs the inference; longer arguments only slow the fuzzing down.
constexpr std::size_t max_arguments_size = 1000;

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

void check_decoding(const std::string& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, keep_everything);
    const QString decoded =
        decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    const boost::optional<std::wstring> text = utf8_to_utf16(bytes);
    if (text.has_value() == decoder.hasError() || (text && *text != to_wstring(decoded))) {
        fuzz_failure("UTF-8 decoding differs from Qt's on " + hex(bytes));
    }
    if (text && utf16_to_utf8(*text) != bytes) {
        fuzz_failure("valid UTF-8 does not round-trip: " + hex(bytes));
    }
}

// The value of a JSON document, wrapped in an array since Qt reads only arrays and objects at the
// top; none when it is not valid JSON.
boost::optional<QJsonValue> parse_json(const std::string& json) {
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString("[" + json + "]"), &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1) {
        return boost::none;
    }
    return document.array().at(0);
}

void check_encoding(const std::wstring& text) {
    QStringEncoder encoder(QStringConverter::Utf8, keep_everything);
    const QByteArray encoded = encoder(to_qstring(text));
    if (utf16_to_utf8(text) != encoded.toStdString()) {
        fuzz_failure("UTF-8 encoding differs from Qt's on \"" + printable(text) + "\"");
    }
    const std::string json = json_string(text);
    const auto value = parse_json(json);
    const bool raw_control = std::any_of(json.begin(), json.end(), [](char byte) {
        return static_cast<unsigned char>(byte) < 0x20;
    });
    if (!value || !value->isString() || to_wstring(value->toString()) != text || raw_control) {
        fuzz_failure("the JSON string " + json + " does not hold \"" + printable(text) + "\"");
    }
}

// With --json, the document holds the results as the library computed them.
bool holds_results(const QJsonValue& value, const CommandLine& command,
                   LanguageFactory::Language language) {
    const LanguageFactory factory;
    switch (command.mode) {
    case CommandLine::Mode::Infer: {
        const ReplaceRegex result =
            make_replace_regex(command.text, command.replace, factory.regex_formatting(language));
        return value[QStringLiteral("regex")] == to_qstring(result.regex) &&
               value[QStringLiteral("format")] == to_qstring(result.format);
    }
    case CommandLine::Mode::Suggest: {
        const auto suggestions =
            make_suggestions(command.text, factory.regex_language(language).regex_descriptions(),
                             factory.regex_formatting_ptr(language));
        const QJsonArray array = value.toArray();
        bool same = value.isArray() && static_cast<std::size_t>(array.size()) == suggestions.size();
        for (std::size_t i = 0; same && i < suggestions.size(); ++i) {
            const QJsonValue item = array.at(static_cast<qsizetype>(i));
            same = item[QStringLiteral("regex")] == to_qstring(suggestions[i].regex()) &&
                   item[QStringLiteral("description")] ==
                       to_qstring(suggestions[i].long_description());
        }
        return same;
    }
    case CommandLine::Mode::Select:
        return value.isNull() || (value[QStringLiteral("start")].isDouble() &&
                                  value[QStringLiteral("end")].isDouble());
    case CommandLine::Mode::Help:
        return false;
    }
    return false;
}

void check_command_line(const std::vector<std::string>& arguments) {
    const ParsedCommandLine parsed = parse_command_line(arguments);
    if (!parsed.command) {
        if (parsed.error.empty()) {
            fuzz_failure("a refused command line without a reason");
        }
        return;
    }
    const CommandLine& command = *parsed.command;
    const auto language = command.language.value_or(LanguageFactory::VisualStudio);
    std::ostringstream out;
    run_command(command, language, out);
    const std::string output = out.str();
    if (!utf8_to_utf16(output)) {
        fuzz_failure("the output is not valid UTF-8: " + hex(output));
    }
    if (command.json && command.mode != CommandLine::Mode::Help) {
        const auto value = parse_json(output);
        if (!value || !holds_results(*value, command, language)) {
            fuzz_failure("the JSON output does not hold the results: " + output);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > max_arguments_size) {
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
    check_command_line(arguments);
    return 0;
}
