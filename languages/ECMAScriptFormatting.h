#pragma once

#include "languages/CommonFormatting.h"

// ECMAScript: parentheses capture, "$" with one or two digits refers back.
class ECMAScriptFormatting : public CommonFormatting {
public:
    ECMAScriptFormatting();
};
