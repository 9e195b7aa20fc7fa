#pragma once
// What Varnel says of itself. The build supplies the values and writes the same ones into the
// desktop entry, the AppStream metadata and the package.

#include <QDate>
#include <QIcon>
#include <QString>

namespace varnel {

QString product_name();
// The name of the desktop entry and of the icon: "dev.sorvexa.Varnel".
QString application_id();
QString product_version();
QDate release_date();
// The web site's address, "https://" and a host name.
QString product_site();
QString support_address();
// Varnel's icon in every size the build renders.
QIcon product_icon();

} // namespace varnel
