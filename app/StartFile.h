#pragma once
// Hands files and addresses to the desktop's default handlers.

#include <functional>
#include <string>

#include <QString>
#include <QUrl>

namespace varnel {

// The path of the named file in the directory of the running executable.
QString file_beside_executable(const std::wstring& name);

// Hands an address to the program that opens it; false when none could be started.
using UrlOpener = std::function<bool(const QUrl&)>;

// The desktop's default handlers (xdg-open on Linux).
bool open_with_desktop(const QUrl& url);

// Opens an address (a web address, a "mailto:" address) with its default handler. A failure to
// start one is ignored: the address shows where the user clicked it.
void start_shell_command(const std::wstring& command);

} // namespace varnel
