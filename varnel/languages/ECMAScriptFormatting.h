#pragma once

#include "varnel/languages/CommonFormatting.h"

namespace varnel {

// ECMAScript: parentheses capture, "$" with one or two digits refers back.
class ECMAScriptFormatting : public CommonFormatting {
public:
    ECMAScriptFormatting();
};

} // namespace varnel
