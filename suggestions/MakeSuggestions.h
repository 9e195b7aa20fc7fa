#pragma once
// Proposals that generalise a selected piece of a regex: one per named pattern that matches the
// whole selection, or else one rewrite of the selection into patterns and literal pieces.

#include "languages/IRegexFormatting.h"
#include "languages/IRegexLanguage.h"
#include "suggestions/Suggestion.h"

#include <memory>
#include <string>
#include <vector>

// text: the selection as written in the regex; descriptions: the language's named patterns in
// table order. Nothing is proposed for a selection that holds regex syntax. Precondition:
// formatting holds an object.
std::vector<Suggestion> make_suggestions(const std::wstring& text,
                                         const std::vector<RegexDescription>& descriptions,
                                         const std::shared_ptr<IRegexFormatting>& formatting);
