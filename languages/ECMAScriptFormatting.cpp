#include "languages/ECMAScriptFormatting.h"

ECMAScriptFormatting::ECMAScriptFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|", L'$', true) {}
