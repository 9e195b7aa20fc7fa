#include "app/PasteButton.h"

#include "app/ImageButton.h"
#include "app/RunEventHandler.h"
#include "varnel/settings/QStringConversion.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace varnel {

namespace {

bool clipboard_has_text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

} // namespace

PasteButton::PasteButton(SampleBox& target)
    : button(std::make_unique<QPushButton>()), target(target) {
    setup_image_button(*button, L"paste_grey.png", L"Paste");
    QObject::connect(button.get(), &QPushButton::clicked, button.get(),
                     [this] { run_event_handler([this] { on_click(); }); });
    set_status();
    // The button is the connection's context: the connection ends with it.
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, button.get(),
                     [this] { run_event_handler([this] { on_clipboard_changed(); }); });
}

QPushButton& PasteButton::get_button() {
    return *button;
}

void PasteButton::set_status() {
    button->setEnabled(clipboard_has_text());
}

void PasteButton::on_click() {
    paste_from_clipboard(target);
}

void PasteButton::on_clipboard_changed() {
    set_status();
}

void paste_from_clipboard(SampleBox& box) {
    if (!clipboard_has_text()) {
        return;
    }
    box.set_sample(QGuiApplication::clipboard()->text());
    box.setFocus();
}

void copy_to_clipboard(RichTextBox& box) {
    QGuiApplication::clipboard()->setText(to_qstring(box.text()));
    box.setFocus();
}

} // namespace varnel
