#pragma once
// Failures of a command that parsed well: input that cannot be read or is not UTF-8, output that
// cannot be written. Usage errors are values of parse_command_line instead.

#include <stdexcept>

namespace varnel {

// The message (safe to show) goes to the user; the command ends with status 2.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The reader of the output has gone (a closed pipe): the command ends quietly with status 2.
class OutputClosed : public std::exception {};

} // namespace varnel
