#pragma once
// A forbidden include: the core may not reach the suggestions.
#include "languages/IRegexFormatting.h"
#include "suggestions/Suggestion.h"
