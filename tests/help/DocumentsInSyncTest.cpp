// The help and the manual page describe what the programs have: every named pattern and menu entry
// of every language in the language's syntax page, every option of varnel-cli in the help and in
// the manual page.

#include "cli/CommandLine.h"
#include "varnel/common/Utf8.h"
#include "varnel/languages/ECMAScriptLanguage.h"
#include "varnel/languages/JavaScriptLanguage.h"
#include "varnel/languages/PcreLanguage.h"
#include "varnel/languages/PosixEreLanguage.h"
#include "varnel/languages/PythonLanguage.h"
#include "varnel/languages/VisualStudioLanguage.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

#include <boost/algorithm/string/replace.hpp>
#include <gtest/gtest.h>

using namespace varnel;

namespace {

std::string read_source(const std::string& path) {
    std::ifstream file(std::string(VARNEL_SOURCE_DIR) + "/" + path);
    EXPECT_TRUE(file) << path;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The text as the pages write it.
std::string html(const std::wstring& text) {
    std::string escaped;
    for (const char c : utf16_to_utf8(text)) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::set<std::string> cli_options() {
    static const std::regex option("--[a-z][a-z-]*");
    const std::string usage = usage_text;
    std::set<std::string> options;
    for (auto match = std::sregex_iterator(usage.begin(), usage.end(), option);
         match != std::sregex_iterator(); ++match) {
        options.insert(match->str());
    }
    return options;
}

// The lines that head the manual page's tagged paragraphs, where options are described.
std::vector<std::string> manual_paragraph_tags(const std::string& manual) {
    std::vector<std::string> tags;
    std::istringstream lines(manual);
    bool tag_follows = false;
    for (std::string line; std::getline(lines, line);) {
        if (tag_follows) {
            tags.push_back(line);
        }
        tag_follows = line == ".TP" || line == ".TQ";
    }
    return tags;
}

} // namespace

TEST(DocumentsInSyncTest, every_named_pattern_and_menu_entry_is_in_the_syntax_page) {
    const struct {
        std::shared_ptr<IRegexLanguage> language;
        std::string page;
    } cases[] = {
        {std::make_shared<VisualStudioLanguage>(), "help/pages/visual-studio.html"},
        {std::make_shared<ECMAScriptLanguage>(), "help/pages/ecmascript.html"},
        {std::make_shared<JavaScriptLanguage>(), "help/pages/javascript.html"},
        {std::make_shared<PcreLanguage>(), "help/pages/pcre.html"},
        {std::make_shared<PythonLanguage>(), "help/pages/python.html"},
        {std::make_shared<PosixEreLanguage>(), "help/pages/posix-ere.html"},
    };
    for (const auto& [language, page_path] : cases) {
        const std::string page = read_source(page_path);
        for (const RegexDescription& pattern : language->regex_descriptions()) {
            EXPECT_NE(page.find("<td>" + html(pattern.name) + "</td><td><code>" +
                                html(pattern.regex) + "</code></td><td>" +
                                html(pattern.description) + "</td>"),
                      std::string::npos)
                << page_path << ": " << html(pattern.name);
        }
        for (const auto& menu : {language->special_elements(), language->character_elements(),
                                 language->string_elements()}) {
            for (const LanguageElementDescription& element : menu) {
                if (element.is_separator()) {
                    continue;
                }
                EXPECT_NE(page.find("<td><code>" + html(element.text) + "</code></td><td>" +
                                    html(element.description) + "</td>"),
                          std::string::npos)
                    << page_path << ": " << html(element.text);
            }
        }
    }
}

TEST(DocumentsInSyncTest, every_option_of_varnel_cli_is_in_the_help_and_the_manual_page) {
    const std::set<std::string> options = cli_options();
    ASSERT_TRUE(options.count("--help") == 1);
    const std::string help = read_source("help/pages/command-line.html");
    const std::vector<std::string> described =
        manual_paragraph_tags(read_source("desktop/man/varnel-cli.1.in"));
    for (const std::string& option : options) {
        EXPECT_NE(help.find("<code>" + option), std::string::npos) << option;
        const std::string manual_option = boost::replace_all_copy(option, "-", "\\-");
        EXPECT_TRUE(std::any_of(described.begin(), described.end(), [&](const std::string& tag) {
            return tag.find(manual_option) != std::string::npos;
        })) << option;
    }
}
