#include "varnel/core/GSTMake.h"

#include "varnel/common/DBC.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace varnel {

namespace GST {

namespace {

// Whether character i of a equals character j of b; both positions lie within the lengths.
bool same_character(const String& a, std::size_t i, const String& b, std::size_t j) {
    const bool a_at_end = i >= a.text.size();
    const bool b_at_end = j >= b.text.size();
    if (!a_at_end && !b_at_end) {
        return a.text[i] == b.text[j];
    }
    return a_at_end && b_at_end && a.terminator == b.terminator;
}

// The common prefix length of a and b.substr(offset), without copying b.
std::size_t common_prefix_length_at(const String& a, const String& b, std::size_t offset) {
    const std::size_t limit = std::min(a.length(), b.length() - offset);
    std::size_t i = 0;
    while (i < limit && same_character(a, i, b, offset + i)) {
        ++i;
    }
    return i;
}

// A node on the walk's stack, with what is known so far of the subtree below it.
struct Frame {
    explicit Frame(const Tree* node) : node(node) {}

    const Tree* node;
    std::size_t next_edge = 0;
    std::set<unsigned> string_ids;
    bool has_labels = false;
};

} // namespace

Edge::Edge(String label, Tree subtree) : label(std::move(label)), subtree(std::move(subtree)) {}

Edge::~Edge() {
    std::vector<std::shared_ptr<Edge>> pending = std::move(subtree.edges);
    while (!pending.empty()) {
        std::shared_ptr<Edge> edge = std::move(pending.back());
        pending.pop_back();
        // An edge still held elsewhere (by a copy of the tree) is left whole to its other owner.
        if (edge.use_count() == 1) {
            std::move(edge->subtree.edges.begin(), edge->subtree.edges.end(),
                      std::back_inserter(pending));
            edge->subtree.edges.clear();
        }
    }
}

Tree make(const std::vector<std::wstring>& strings) {
    DBC_PRECONDITION(!strings.empty());
    DBC_PRECONDITION(!strings.front().empty());
    Tree root;
    for (unsigned i = 0; i < strings.size(); ++i) {
        const String s(strings[i], i);
        for (std::size_t j = 0; j < s.length(); ++j) {
            for (std::size_t k = 0; k <= j; ++k) {
                insert(root, s.substr(k, j - k + 1));
            }
        }
    }
    return root;
}

void insert(Tree& tree, const String& s) {
    DBC_PRECONDITION(s.length() > 0);
    Tree* node = &tree;
    std::size_t walked = 0;
    for (;;) {
        std::shared_ptr<Edge> edge;
        std::size_t common = 0;
        for (const auto& candidate : node->edges) {
            common = common_prefix_length_at(candidate->label, s, walked);
            if (common > 0) {
                edge = candidate;
                break;
            }
        }
        if (!edge) {
            node->edges.push_back(std::make_shared<Edge>(s.substr(walked), Tree{}));
            return;
        }
        if (common == s.length() - walked) {
            return; // the path exists already
        }
        if (common < edge->label.length()) {
            Tree below = std::move(edge->subtree);
            String label_rest = edge->label.substr(common);
            edge->label = edge->label.substr(0, common);
            edge->subtree.edges = {std::make_shared<Edge>(std::move(label_rest), std::move(below)),
                                   std::make_shared<Edge>(s.substr(walked + common), Tree{})};
            return;
        }
        if (edge->subtree.edges.empty()) {
            edge->label = s.substr(walked); // a leaf edge grows to the whole new path
            return;
        }
        node = &edge->subtree;
        walked += common;
    }
}

unsigned common_prefix_length(const String& a, const String& b) {
    return static_cast<unsigned>(common_prefix_length_at(a, b, 0));
}

// A post-order walk with an explicit stack. The path from tree to the current node is kept in
// one string, so every label is copied out once, whatever its depth.
CommonLabels deepest_common_labels(const Tree& tree, unsigned count) {
    CommonLabels result;
    std::wstring path;
    std::vector<Frame> stack{Frame(&tree)};
    for (;;) {
        Frame& frame = stack.back();
        if (frame.next_edge < frame.node->edges.size()) {
            const Edge& edge = *frame.node->edges[frame.next_edge];
            path += edge.label.text;
            stack.emplace_back(&edge.subtree);
            continue;
        }
        if (stack.size() == 1) {
            break;
        }
        const Frame child = std::move(stack.back());
        stack.pop_back();
        Frame& parent = stack.back();
        const Edge& edge = *parent.node->edges[parent.next_edge++];
        parent.string_ids.insert(child.string_ids.begin(), child.string_ids.end());
        if (edge.label.terminator) {
            parent.string_ids.insert(*edge.label.terminator);
        } else if (child.string_ids.size() == count && !child.has_labels) {
            result.labels.insert(path);
            parent.has_labels = true;
        }
        parent.has_labels = parent.has_labels || child.has_labels;
        path.resize(path.size() - edge.label.text.size());
    }
    result.string_ids = std::move(stack.back().string_ids);
    return result;
}

std::set<std::wstring> common_substrings(const Tree& tree) {
    std::set<std::wstring> result;
    for (const std::wstring& label : deepest_common_labels(tree, 2).labels) {
        for (std::size_t size = 1; size <= label.size(); ++size) {
            result.insert(label.substr(0, size));
        }
    }
    return result;
}

} // namespace GST

} // namespace varnel
