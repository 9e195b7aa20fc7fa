#include "app/Product.h"

#include "varnel/common/DBC.h"

#include <QDirIterator>

namespace varnel {

QString product_name() {
    return QStringLiteral("Varnel");
}

QString application_id() {
    return QStringLiteral(VARNEL_APP_ID);
}

QString product_version() {
    return QStringLiteral(VARNEL_VERSION);
}

QDate release_date() {
    const QDate date = QDate::fromString(QStringLiteral(VARNEL_RELEASE_DATE), Qt::ISODate);
    DBC_POSTCONDITION(date.isValid());
    return date;
}

QString product_site() {
    return QStringLiteral(VARNEL_SITE);
}

QString support_address() {
    return QStringLiteral(VARNEL_SUPPORT_ADDRESS);
}

QIcon product_icon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    DBC_POSTCONDITION(!icon.isNull());
    return icon;
}

} // namespace varnel
