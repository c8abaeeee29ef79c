#include "platform/forms/tree_view.h"

#include <stdexcept>

namespace forms {

void TreeView::clear() {
    nodes_.clear();
    selected_.clear();
    changed();
}

void TreeView::addNode(const std::string& parent, const std::string& key, const std::string& text) {
    if (key.empty()) throw std::invalid_argument("a tree node needs a key");
    if (node(key)) throw std::invalid_argument("the tree already has a node \"" + key + "\"");
    if (!parent.empty() && !node(parent))
        throw std::invalid_argument("the tree has no node \"" + parent + "\"");
    nodes_.push_back({key, text, parent});
    changed();
}

const TreeNode* TreeView::node(const std::string& key) const {
    for (const auto& n : nodes_)
        if (n.key == key) return &n;
    return nullptr;
}

void TreeView::appendBelow(const std::string& parent, std::vector<const TreeNode*>& out) const {
    for (const auto& n : nodes_) {
        if (n.parent != parent) continue;
        out.push_back(&n);
        appendBelow(n.key, out);
    }
}

std::vector<const TreeNode*> TreeView::treeOrder() const {
    std::vector<const TreeNode*> out;
    appendBelow("", out);
    return out;
}

void TreeView::clickNode(const std::string& key) {
    const TreeNode* clicked = node(key);
    if (!clicked) throw std::invalid_argument("the tree has no node \"" + key + "\"");
    selected_ = key;
    changed();
    TreeNode copy = *clicked;
    fire([this, copy] {
        if (NodeClick) NodeClick(copy);
    });
}

}  // namespace forms
