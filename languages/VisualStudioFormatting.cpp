#include "languages/VisualStudioFormatting.h"

VisualStudioFormatting::VisualStudioFormatting()
    : CommonFormatting(L'{', L'}', L"\\^$.*+?()[]{}|:<>#~@", L'\\', false) {}
