#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// The Visual Studio find-and-replace syntax: braces tag, a backslash and one digit refer back.
class VisualStudioFormatting : public CommonFormatting {
public:
    VisualStudioFormatting();
};

} // namespace varnel
