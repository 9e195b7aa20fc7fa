#pragma once
// The entry point of the inference: a search sample and a replacement sample in, a regular
// expression and a format string out.

#include "varnel/core/PartingWorkspace.h"
#include "varnel/core/ReplaceRegex.h"
#include "varnel/languages/IRegexFormatting.h"

#include <string>

namespace varnel {

// The regex matches search literally, with one capturing group around every piece the two samples
// share; the format rebuilds replace from back references to those groups and escaped literals.
// Precondition: search is not empty.
ReplaceRegex make_replace_regex(const std::wstring& search, const std::wstring& replace,
                                const IRegexFormatting& formatting);
// The same, with the memory that the workspace kept from the previous call: for callers that
// infer again and again from long samples.
ReplaceRegex make_replace_regex(const std::wstring& search, const std::wstring& replace,
                                const IRegexFormatting& formatting, PartingWorkspace& workspace);

} // namespace varnel
