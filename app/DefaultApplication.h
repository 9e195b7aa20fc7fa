#pragma once
// Whether the desktop would open a file with an application, found the way the freedesktop.org
// rules for MIME associations find one: a default or added association in a mimeapps.list file of
// the configuration or application directories, or an application that declares the type (the
// mimeinfo.cache of the application directories), and whose desktop entry exists.

#include <QString>

namespace varnel {

bool has_default_application(const QString& file_path);

} // namespace varnel
