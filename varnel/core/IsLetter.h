#pragma once

namespace varnel {

// The letter test of whole-word matching, without building a regular expression per call.

// True when c belongs to the [:alpha:] class of the regex traits of the global locale that was
// current on the first call; the same answer as matching the one-character text against
// "[[:alpha:]]+".
bool is_letter(wchar_t c);

} // namespace varnel
