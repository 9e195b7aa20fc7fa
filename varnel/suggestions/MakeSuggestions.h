#pragma once
// Proposals that generalise a selected piece of a regex: one per named pattern that matches the
// whole selection, or else one rewrite of the selection into patterns and literal pieces.

#include "varnel/languages/IRegexFormatting.h"
#include "varnel/languages/IRegexLanguage.h"
#include "varnel/suggestions/Suggestion.h"

#include <memory>
#include <string>
#include <vector>

namespace varnel {

// text: the selection as written in the regex; descriptions: the language's named patterns in
// table order. Nothing is proposed for a selection that holds regex syntax. Precondition:
// formatting holds an object.
std::vector<Suggestion> make_suggestions(const std::wstring& text,
                                         const std::vector<RegexDescription>& descriptions,
                                         const std::shared_ptr<IRegexFormatting>& formatting);

} // namespace varnel
