#include "cli/JsonText.h"

#include <gtest/gtest.h>

using namespace varnel;

TEST(JsonTextTest, documents_on_one_line_in_the_order_written) {
    const struct {
        Json document;
        std::string text;
    } cases[] = {
        {{{"regex", json_string(L"(a)")}, {"format", json_string(L"$1")}},
         R"j({"regex": "(a)", "format": "$1"})j"},
        {{{"start", 3}, {"end", 10}}, R"j({"start": 3, "end": 10})j"},
        {Json(), "null"},
        {Json::array(), "[]"},
        {Json::array({{{"regex", "x"}}, {{"regex", "y,\n"}}}),
         R"j([{"regex": "x"}, {"regex": "y,\n"}])j"},
        {{{"error", json_string(L"\"C:\\d\" \x1b tab\t caf\u00e9 \U0001F600")}},
         "{\"error\": \"\\\"C:\\\\d\\\" \\u001b tab\\t caf\xC3\xA9 \xF0\x9F\x98\x80\"}"},
        {{{"regex", json_string(std::wstring{L'a', 0xD83D})}}, "{\"regex\": \"a\xEF\xBF\xBD\"}"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(json_text(c.document), c.text);
    }
}
