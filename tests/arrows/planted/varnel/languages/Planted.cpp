// Forbidden includes: the languages may not reach the core, nor run PCRE2.
#include "varnel/core/ReplaceRegex.h"

#include <pcre2.h>

namespace varnel {}
