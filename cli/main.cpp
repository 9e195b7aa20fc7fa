// varnel-cli: Varnel's inference, suggestions and rewriting for scripts and editors.

#include "cli/CommandError.h"
#include "cli/CommandLine.h"
#include "cli/JsonText.h"
#include "cli/RunCommand.h"
#include "varnel/common/AssertReport.h"
#include "varnel/common/UserLocale.h"
#include "varnel/common/Utf8.h"
#include "varnel/settings/Settings.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <unistd.h>

using namespace varnel;

namespace {

class StderrAssertHandler : public DBC::IAssertHandler {
public:
    void raise_assertion(Type type, const char* file, int line, const char* function) override {
        const AssertReport report = make_assert_report(type, file, line, function);
        std::cerr << utf16_to_utf8(report.message) << '\n' << utf16_to_utf8(report.detail) << '\n';
    }
};

// A message that is safe to show, as text or, when the user asked for JSON, as JSON.
void report_error(const std::string& message, bool json, bool usage) {
    if (json) {
        std::cerr << json_text({{"error", message}}) << '\n';
    } else {
        std::cerr << "varnel-cli: " << message << '\n';
        if (usage) {
            std::cerr << "Try 'varnel-cli --help'.\n";
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    install_user_locale();
    StderrAssertHandler assert_handler;
    DBC::set_assert_handler(&assert_handler);
    // A closed pipe then shows as a failed write, which ends the program quietly.
    std::signal(SIGPIPE, SIG_IGN);
    // A file that grows past the user's limit then fails to be written, and is left as it was.
    std::signal(SIGXFSZ, SIG_IGN);

    const ParsedCommandLine parsed =
        parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.command) {
        report_error(parsed.error, parsed.json, true);
        return Failed;
    }
    const CommandLine& command = *parsed.command;
    OutputStream out(STDOUT_FILENO);
    try {
        // Without --language, the language the user last chose in the window.
        const auto language = command.language ? *command.language : Settings().get_language();
        const ExitStatus status = run_command(command, language, out, std::cerr);
        out.flush();
        return status;
    } catch (const OutputClosed&) {
        return Failed;
    } catch (const CommandError& error) {
        report_error(error.what(), command.json, false);
        try {
            out.flush(); // what came before the error
        } catch (const CommandError& write_error) {
            report_error(write_error.what(), command.json, false);
        } catch (const OutputClosed&) {
            // Nobody reads the output any more: nothing to say about it.
        }
        return Failed;
    } catch (const std::exception& exception) {
        std::cerr << "[Varnel] Main unhandled exception. Program terminated.\n"
                  << exception.what() << '\n';
        return 1;
    }
}
