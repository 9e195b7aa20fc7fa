#pragma once

#include "languages/CommonFormatting.h"

// The Visual Studio find-and-replace syntax: braces tag, a backslash and one digit refer back.
class VisualStudioFormatting : public CommonFormatting {
public:
    VisualStudioFormatting();
};
