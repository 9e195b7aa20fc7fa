#include "tests/support/ThrowingAssertHandler.h"
#include "varnel/core/GSTMake.h"

#include <functional>
#include <pthread.h>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

using GST::String;

std::wstring text_of(const String& s) {
    std::wostringstream out;
    out << s;
    return out.str();
}

// Each edge as its label, followed by its subtree in braces when it has one.
std::wstring dump(const GST::Tree& tree) {
    std::wstring result;
    for (const auto& edge : tree.edges) {
        result += (result.empty() ? L"" : L" ") + text_of(edge->label);
        if (!edge->subtree.edges.empty()) {
            result += L"{" + dump(edge->subtree) + L"}";
        }
    }
    return result;
}

std::set<std::wstring> brute_force_common_substrings(const std::wstring& a, const std::wstring& b) {
    std::set<std::wstring> result;
    for (std::size_t begin = 0; begin < a.size(); ++begin) {
        for (std::size_t size = 1; begin + size <= a.size(); ++size) {
            if (b.find(a.substr(begin, size)) != std::wstring::npos) {
                result.insert(a.substr(begin, size));
            }
        }
    }
    return result;
}

// The tree of one letter repeated depth times: a chain depth levels deep.
GST::Tree chain(std::size_t depth) {
    GST::Tree tree;
    GST::Tree* node = &tree;
    for (std::size_t level = 1; level <= depth; ++level) {
        node->edges.push_back(std::make_shared<GST::Edge>(
            level < depth ? String(L"a") : String(L"a", 0), GST::Tree{}));
        node->edges.push_back(std::make_shared<GST::Edge>(String(L"", 0), GST::Tree{}));
        node = &node->edges.front()->subtree;
    }
    return tree;
}

// Runs work on a thread with a 256 KiB stack and waits for it.
void run_on_small_stack(const std::function<void()>& work) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 256 * 1024);
    pthread_t thread;
    const auto start = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    ASSERT_EQ(
        pthread_create(&thread, &attributes, start, const_cast<std::function<void()>*>(&work)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

} // namespace

TEST(GSTStringTest, substr_carries_the_terminator_only_when_the_range_reaches_it) {
    const String ab(L"ab", 0);
    const String plain(L"ab");
    const struct {
        String actual;
        std::wstring expected;
    } cases[] = {
        {ab.substr(1, 1), L"b"},       {ab.substr(1, 2), L"b$0"},  {ab.substr(2, 1), L"$0"},
        {ab.substr(0, 9), L"ab$0"},    {ab.substr(0, 0), L""},     {ab.substr(1), L"b$0"},
        {ab.substr(2), L"$0"},         {plain.substr(1, 9), L"b"}, {plain.substr(2), L""},
        {String(L"xy", 12), L"xy$12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text_of(c.actual), c.expected);
    }
    EXPECT_EQ(ab.length(), 3u);
    EXPECT_EQ(plain.length(), 2u);
    EXPECT_NE(ab, plain);
    EXPECT_NE(ab, String(L"ab", 1));
    // Terminators agree only when they end the same input string.
    EXPECT_EQ(GST::common_prefix_length(ab, String(L"ab", 0)), 3u);
    EXPECT_EQ(GST::common_prefix_length(ab, String(L"ab", 1)), 2u);
    EXPECT_EQ(GST::common_prefix_length(ab, String(L"abc")), 2u);
}

TEST(GSTStringTest, prepend_keeps_the_terminator) {
    String s(L"b", 1);
    s.prepend(String(L"a"));
    EXPECT_EQ(s, String(L"ab", 1));
    EXPECT_CONTRACT_VIOLATION(s.prepend(String(L"x", 0)), DBC::IAssertHandler::precondition);
}

TEST(GSTTest, tree_shapes) {
    const struct {
        std::vector<std::wstring> strings;
        std::wstring expected;
    } cases[] = {
        {{L"a"}, L"a$0 $0"},
        {{L"aa"}, L"a{a$0 $0} $0"},
        {{L"ab", L"ab"}, L"ab{$0 $1} b{$0 $1} $0 $1"},
        {{L"ab", L""}, L"ab$0 b$0 $0 $1"},
        {{L"aba"}, L"a{ba$0 $0} ba$0 $0"},
        {{L"aaa"}, L"a{a{a$0 $0} $0} $0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dump(GST::make(c.strings)), c.expected) << c.strings.front();
    }
}

TEST(GSTTest, deepest_common_labels_of_three_strings) {
    const GST::Tree tree = GST::make({L"xab", L"ab", L"b"});
    const GST::CommonLabels two = GST::deepest_common_labels(tree, 2);
    EXPECT_EQ(two.string_ids, (std::set<unsigned>{0, 1, 2}));
    EXPECT_EQ(two.labels, std::set<std::wstring>{L"ab"});
    EXPECT_EQ(GST::deepest_common_labels(tree, 3).labels, std::set<std::wstring>{L"b"});
}

TEST(GSTTest, common_substrings) {
    const struct {
        std::wstring a, b;
        std::set<std::wstring> expected;
    } cases[] = {
        {L"ab", L"ab", {L"a", L"ab", L"b"}},
        {L"abc", L"xyz", {}},
        {L"ab", L"", {}},
        {L"aXaXa", L"Xa", {L"X", L"Xa", L"a"}},
        {L"aaaa", L"aaa", {L"a", L"aa", L"aaa"}},
        {L"caf\u00e9", L"\u00e9t\u00e9", {L"\u00e9"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GST::common_substrings(GST::make({c.a, c.b})), c.expected) << c.a;
    }
}

TEST(GSTTest, common_substrings_agree_with_brute_force_on_random_pairs) {
    std::mt19937 random(11);
    const auto random_text = [&](std::size_t max_size) {
        std::wstring text(random() % (max_size + 1), L'a');
        for (auto& c : text) {
            c = L"aab$"[random() % 4];
        }
        return text;
    };
    for (int round = 0; round < 400; ++round) {
        const std::wstring a = L"b" + random_text(9);
        const std::wstring b = random_text(10);
        EXPECT_EQ(GST::common_substrings(GST::make({a, b})), brute_force_common_substrings(a, b))
            << a << L" / " << b;
    }
}

TEST(GSTTest, trees_as_deep_as_long_samples_are_walked_on_a_small_stack) {
    EXPECT_EQ(dump(chain(3)), dump(GST::make({L"aaa"})));
    // A walk that recursed once per level would need megabytes of stack here.
    run_on_small_stack([] {
        const std::size_t depth = 20000;
        GST::Tree tree = chain(depth);
        GST::insert(tree, String(std::wstring(depth, L'a'), 1));
        const GST::CommonLabels common = GST::deepest_common_labels(tree, 2);
        EXPECT_EQ(common.string_ids, (std::set<unsigned>{0, 1}));
        EXPECT_EQ(common.labels, std::set<std::wstring>{std::wstring(depth, L'a')});
    });
}

TEST(GSTTest, contracts) {
    using DBC::IAssertHandler;
    EXPECT_CONTRACT_VIOLATION(GST::make({}), IAssertHandler::precondition);
    EXPECT_CONTRACT_VIOLATION(GST::make({L"", L"a"}), IAssertHandler::precondition);
    GST::Tree tree;
    EXPECT_CONTRACT_VIOLATION(GST::insert(tree, String()), IAssertHandler::precondition);
}
