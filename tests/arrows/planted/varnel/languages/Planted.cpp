// A forbidden include: the languages may not reach the core.
#include "varnel/core/ReplaceRegex.h"

namespace varnel {}
