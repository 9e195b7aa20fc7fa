// varnel-cli: Varnel's inference and suggestions for scripts and editors.

#include "cli/CommandLine.h"
#include "cli/RunCommand.h"
#include "common/AssertReport.h"
#include "common/UserLocale.h"
#include "common/Utf8.h"
#include "settings/Settings.h"

#include <exception>
#include <iostream>

namespace {

class StderrAssertHandler : public DBC::IAssertHandler {
public:
    void raise_assertion(Type type, const char* file, int line, const char* function) override {
        const AssertReport report = make_assert_report(type, file, line, function);
        std::cerr << utf16_to_utf8(report.message) << '\n' << utf16_to_utf8(report.detail) << '\n';
    }
};

} // namespace

int main(int argc, char** argv) {
    install_user_locale();
    StderrAssertHandler assert_handler;
    DBC::set_assert_handler(&assert_handler);

    const ParsedCommandLine parsed =
        parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.command) {
        std::cerr << "varnel-cli: " << parsed.error << "\nTry 'varnel-cli --help'.\n";
        return 2;
    }
    try {
        const CommandLine& command = *parsed.command;
        // Without --language, the language the user last chose in the window.
        const auto language = command.language ? *command.language : Settings().get_language();
        run_command(command, language, std::cout);
    } catch (const std::exception& exception) {
        std::cerr << "[Varnel] Main unhandled exception. Program terminated.\n"
                  << exception.what() << '\n';
        return 1;
    }
    return 0;
}
