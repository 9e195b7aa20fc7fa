#pragma once
// Hands files and addresses to the desktop's default handlers. A failure to start one is ignored.

#include <string>

#include <QString>

namespace varnel {

// The path of the named file in the directory of the running executable.
QString file_beside_executable(const std::wstring& name);

// Opens the named file from the directory of the running executable.
void start_file(const std::wstring& name);

// Opens an address (a web address, a "mailto:" address) with its default handler.
void start_shell_command(const std::wstring& command);

// Opens a new message to the support address with the subject "Varnel".
void start_email_support();

} // namespace varnel
