#include "app/AboutDialog.h"

#include "app/PlaceWindow.h"
#include "app/Product.h"
#include "app/RunEventHandler.h"
#include "app/ScaledFont.h"
#include "app/StartFile.h"
#include "varnel/settings/QStringConversion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QUrl>
#include <QVBoxLayout>

namespace varnel {

namespace {

constexpr qreal about_font_factor = 1.1;
constexpr int icon_size = 48;
constexpr int link_padding_top = 30;

QLabel* create_text_label(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

// The icon beside the product's name and version and its release date in the user's long date
// format.
QLayout* create_product_item(const QIcon& icon) {
    auto* picture = new QLabel;
    picture->setPixmap(icon.pixmap(icon_size, icon_size));
    QLabel* product =
        create_text_label("product_label", product_name() + QLatin1Char(' ') + product_version());
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    auto* lines = new QVBoxLayout;
    lines->addWidget(product);
    lines->addWidget(create_text_label("release_date_label",
                                       QLocale().toString(release_date(), QLocale::LongFormat)));
    auto* item = new QHBoxLayout;
    item->addWidget(picture, 0, Qt::AlignVCenter);
    item->addLayout(lines);
    return item;
}

} // namespace

AboutDialog::AboutDialog(QWidget& owner) : QDialog(&owner) {
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(product_icon());
    setFont(scaled_default_font(font(), about_font_factor));

    const QString host = QUrl(product_site()).host();
    auto* link = create_text_label(
        "site_link", QStringLiteral("<a href=\"%1\">%2</a>").arg(product_site(), host));
    link->setAlignment(Qt::AlignHCenter);
    link->setContentsMargins(0, link_padding_top, 0, 0);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this,
            [this] { run_event_handler([this] { on_link(); }); });

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(20, 10, 20, 10);
    stack->addLayout(create_product_item(windowIcon()));
    stack->addWidget(link);
    // Sized to its content, and the user cannot resize it.
    stack->setSizeConstraint(QLayout::SetFixedSize);
    place_when_first_shown(*this);
}

QDialog& AboutDialog::get_window() {
    return *this;
}

void AboutDialog::on_link() {
    start_shell_command(to_wstring(product_site()));
}

} // namespace varnel
