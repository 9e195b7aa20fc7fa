#pragma once
// The "Paste" button beside a sample box: it replaces the box's text with the clipboard text, and
// it is enabled only while the clipboard holds text, which it learns from the clipboard's change
// notice.

#include "app/RichTextBox.h"
#include "app/SampleBox.h"

#include <memory>

#include <QPushButton>

namespace varnel {

class PasteButton {
public:
    // The box must outlive the button.
    explicit PasteButton(SampleBox& target);
    PasteButton(const PasteButton&) = delete;
    PasteButton& operator=(const PasteButton&) = delete;

    QPushButton& get_button();

    // Enables the button exactly when the clipboard holds text.
    void set_status();

private:
    void on_click();
    void on_clipboard_changed();

    std::unique_ptr<QPushButton> button;
    SampleBox& target;
};

// Replaces the box's sample with the clipboard text, exactly as it is, line breaks included, puts
// the caret after it and focuses the box. Leaves the box alone when the clipboard holds no text.
void paste_from_clipboard(SampleBox& box);

// Puts the box's text on the clipboard and focuses the box.
void copy_to_clipboard(RichTextBox& box);

} // namespace varnel
