// A forbidden include: the languages may not reach the core.
#include "core/ReplaceRegex.h"
