#include "app/SupportCommands.h"

#include "app/CloseKeys.h"
#include "app/PlaceWindow.h"
#include "app/Product.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace varnel {

namespace {

QWidget* create_license_window(QWidget& owner, const QUrl& license) {
    auto* window = new QMainWindow(&owner, Qt::Window);
    window->setObjectName(QStringLiteral("license_window"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(product_name() + QStringLiteral(" License"));
    window->setWindowIcon(product_icon());
    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("license_browser"));
    browser->setOpenExternalLinks(true);
    browser->setSource(license);
    window->setCentralWidget(browser);
    place_when_first_shown(*window, QSize(640, 560));
    close_with_keys(*window);
    return window;
}

QWidget* create_address_box(QWidget& owner) {
    auto* box = new QDialog(&owner);
    box->setObjectName(QStringLiteral("support_address_box"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QStringLiteral("E-mail Support"));
    auto* note = new QLabel(
        QStringLiteral("No mail program could be started. Write to Varnel's support at:"));
    auto* address = new QLabel(support_address());
    address->setObjectName(QStringLiteral("support_address"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    address->setFocusPolicy(Qt::StrongFocus);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* copy =
        buttons->addButton(QStringLiteral("&Copy address"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy_address"));
    QObject::connect(copy, &QPushButton::clicked, box,
                     [] { QGuiApplication::clipboard()->setText(support_address()); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, box, &QDialog::reject);
    auto* stack = new QVBoxLayout(box);
    stack->addWidget(note);
    stack->addWidget(address);
    stack->addWidget(buttons);
    stack->setSizeConstraint(QLayout::SetFixedSize);
    place_when_first_shown(*box);
    return box;
}

// Shows the window, made first when it is not there (never made, or closed and gone).
void show_window(QPointer<QWidget>& window, const std::function<QWidget*()>& create) {
    if (window.isNull()) {
        window = create();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

SupportCommands::SupportCommands(QWidget& owner, UrlOpener open_url)
    : owner(owner), open_url(std::move(open_url)) {}

void SupportCommands::show_license() {
    const QUrl license = QUrl::fromLocalFile(file_beside_executable(L"license.html"));
    if (!open_url(license)) {
        show_window(license_window, [&] { return create_license_window(owner, license); });
    }
}

void SupportCommands::email_support() {
    if (!open_url(QUrl(QStringLiteral("mailto:") + support_address() + QStringLiteral("?Subject=") +
                       product_name()))) {
        show_window(address_box, [this] { return create_address_box(owner); });
    }
}

} // namespace varnel
