#pragma once
// A generalized suffix tree of a few strings, built online position by position with a walk from
// the root for every extension, and the one query the inference asks of it: the substrings that
// two strings share. Samples come from users and can be long, and a tree is as deep as its longest
// repeat, so nothing here recurses once per tree level.

#include "varnel/core/GSTString.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace varnel {

namespace GST {

struct Edge;

// A node; the root is the whole tree. A node without edges is a leaf. The labels of one node's
// edges begin with different characters. Copies share the edges below.
struct Tree {
    std::vector<std::shared_ptr<Edge>> edges;
};

struct Edge {
    Edge(String label, Tree subtree);
    // Takes the subtree apart level by level instead of by nested destructor calls.
    ~Edge();
    Edge(const Edge&) = delete;
    Edge& operator=(const Edge&) = delete;

    String label;
    Tree subtree;
};

struct CommonLabels {
    // The input strings that have a suffix ending below the node.
    std::set<unsigned> string_ids;
    // Path labels from the node to the deepest nodes below it whose subtrees hold suffixes of
    // exactly count different strings.
    std::set<std::wstring> labels;
};

// Preconditions: strings is not empty, its first string is not empty.
Tree make(const std::vector<std::wstring>& strings);
// Makes sure the path s exists below tree, splitting or growing one edge if needed.
// Precondition: s is not empty.
void insert(Tree& tree, const String& s);
// How many leading characters, terminators included, a and b agree in.
unsigned common_prefix_length(const String& a, const String& b);
CommonLabels deepest_common_labels(const Tree& tree, unsigned count);
// Every non-empty substring of both strings of a tree made from two strings.
std::set<std::wstring> common_substrings(const Tree& tree);

} // namespace GST

} // namespace varnel
