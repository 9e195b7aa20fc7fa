#include "varnel/core/IsLetter.h"

#include <bitset>
#include <regex>
#include <string>

namespace varnel {

namespace {

// A bit per UTF-16 code unit, filled with the traits a std::wregex would use. Built on first use:
// the application installs the user's locale only once main has started.
class LetterTable {
public:
    LetterTable() {
        const std::wstring alpha = L"alpha";
        mask = traits.lookup_classname(alpha.begin(), alpha.end());
        for (std::size_t c = 0; c < letters.size(); ++c) {
            letters[c] = traits.isctype(static_cast<wchar_t>(c), mask);
        }
    }

    bool is_letter(wchar_t c) const {
        const auto unit = static_cast<std::size_t>(c);
        return unit < letters.size() ? letters[unit] : traits.isctype(c, mask);
    }

private:
    std::regex_traits<wchar_t> traits;
    std::regex_traits<wchar_t>::char_class_type mask{};
    std::bitset<0x10000> letters;
};

} // namespace

bool is_letter(wchar_t c) {
    static const LetterTable table;
    return table.is_letter(c);
}

} // namespace varnel
