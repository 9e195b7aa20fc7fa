#include "varnel/languages/VisualStudioFormatting.h"

namespace varnel {

VisualStudioFormatting::VisualStudioFormatting()
    : CommonFormatting(L'{', L'}', L"\\^$.*+?()[]{}|:<>#~@", L'\\', false) {}

} // namespace varnel
