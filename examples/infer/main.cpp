// Infers a regular expression and a format string from a search sample and a replacement sample:
// infer "John Smith" "Smith, John" prints (John)( )(Smith) and $3,$2$1.
#include <iostream>
#include <varnel/common/StringToWString.h>
#include <varnel/common/Utf8.h>
#include <varnel/core/MakeReplaceRegex.h>
#include <varnel/languages/ECMAScriptFormatting.h>

int main(int argc, char** argv) {
    if (argc != 3 || argv[1][0] == '\0') {
        std::cerr << "usage: infer SEARCH REPLACE\n";
        return 2;
    }
    using namespace varnel;
    const ReplaceRegex result = make_replace_regex(
        string_to_wstring(argv[1]), string_to_wstring(argv[2]), ECMAScriptFormatting());
    std::cout << utf16_to_utf8(result.regex) << '\n' << utf16_to_utf8(result.format) << '\n';
}
