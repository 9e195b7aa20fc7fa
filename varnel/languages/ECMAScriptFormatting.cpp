#include "varnel/languages/ECMAScriptFormatting.h"

namespace varnel {

ECMAScriptFormatting::ECMAScriptFormatting()
    : CommonFormatting(L'(', L')', L"\\^$.*+?()[]{}|", L'$', true) {}

} // namespace varnel
