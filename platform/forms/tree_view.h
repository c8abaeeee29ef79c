#pragma once
// A tree of nodes, each with a unique key and a text, clicked by the teacher.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

struct TreeNode {
    std::string key;
    std::string text;
    std::string parent;  // the parent's key; empty for a top-level node
};

class TreeView : public Control {
public:
    TreeView(Form& f, std::string name) : Control(f, std::move(name), Kind::Tree) {}

    void clear();
    // std::invalid_argument for a key already in the tree or a parent that is not.
    void addNode(const std::string& parent, const std::string& key, const std::string& text);
    // Every node, each parent followed by its children, in the order they were added.
    std::vector<const TreeNode*> treeOrder() const;
    const TreeNode* node(const std::string& key) const;
    const std::string& selectedKey() const { return selected_; }

    // The teacher clicks the node: it becomes the selected node and NodeClick fires.
    // std::invalid_argument when the tree has no such key.
    void clickNode(const std::string& key);
    std::function<void(const TreeNode&)> NodeClick;

    std::string valueText() const override { return selected_; }

private:
    void appendBelow(const std::string& parent, std::vector<const TreeNode*>& out) const;
    std::vector<TreeNode> nodes_;
    std::string selected_;
};

}  // namespace forms
