#pragma once
// A forbidden include: the core may not reach the suggestions; and no namespace varnel.
#include "varnel/languages/IRegexFormatting.h"
#include "varnel/suggestions/Suggestion.h"
