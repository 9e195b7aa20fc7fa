#pragma once
// The greedy parting of two samples without a list of candidates. Each round parts the piece that
// the candidate walk would part next: among the strings that have an acceptable occurrence in a
// Unique part of each sample, the longest, and among those the first in code-unit order. Those
// strings are the shared pieces of Unique text that hold a non-letter, and the whole words that
// both samples hold as whole words, so an index of both samples finds each round's piece in time
// linear in the samples.

#include "varnel/core/PartedStrings.h"
#include "varnel/core/PartingWorkspace.h"

#include <string>

namespace varnel {

// The same parts as PartedStrings made from every common substring of search and replace, with
// the same limit on the number of groups.
PartedStrings greedy_parting(const std::wstring& search, const std::wstring& replace,
                             unsigned int max_groups = PartedStrings::unlimited_groups);
// The same, with the memory that the workspace kept from the previous call.
PartedStrings greedy_parting(const std::wstring& search, const std::wstring& replace,
                             unsigned int max_groups, PartingWorkspace& workspace);

} // namespace varnel
