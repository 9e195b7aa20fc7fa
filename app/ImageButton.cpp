#include "app/ImageButton.h"

#include "varnel/settings/QStringConversion.h"

#include <QIcon>

// Resources of a static library are registered by hand; the macro must be used outside any
// namespace.
static bool register_images() {
    Q_INIT_RESOURCE(resources);
    return true;
}

namespace varnel {

void setup_image_button(QPushButton& button, const std::wstring& image_name,
                        const std::wstring& caption) {
    static const bool images_registered = register_images();
    Q_UNUSED(images_registered);
    button.setIcon(QIcon(QStringLiteral(":/") + to_qstring(image_name)));
    button.setText(to_qstring(caption));
}

} // namespace varnel
