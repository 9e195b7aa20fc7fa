#include "varnel/languages/IRegexLanguage.h"

namespace varnel {

RegexDescription::RegexDescription(const std::wregex& matcher, const std::wstring& regex,
                                   const std::wstring& description, const std::wstring& name)
    : matcher(matcher), regex(regex), description(description), name(name) {}

RegexDescription::RegexDescription(const std::wregex& matcher, const std::wstring& matcher_pattern,
                                   const std::wstring& regex, const std::wstring& description,
                                   const std::wstring& name)
    : matcher(matcher), matcher_pattern(matcher_pattern), regex(regex), description(description),
      name(name) {}

RegexDescription::RegexDescription(const std::wstring& regex, const std::wstring& description,
                                   const std::wstring& name)
    : RegexDescription(std::wregex(regex), regex, regex, description, name) {}

LanguageElementDescription::LanguageElementDescription(const std::wstring& text,
                                                       const std::wstring& description,
                                                       MenuDistortionWorkaround menu_workaround)
    : text(text), description(description), menu_workaround(menu_workaround) {}

} // namespace varnel
