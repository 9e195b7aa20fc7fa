#pragma once

#include <string>

#include <QPushButton>

namespace varnel {

// Gives the button an embedded image (by resource name, e.g. "copy_grey.png") before its caption.
void setup_image_button(QPushButton& button, const std::wstring& image_name,
                        const std::wstring& caption);

} // namespace varnel
