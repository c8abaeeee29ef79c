#include "platform/forms/qt/tree_widget.h"

#include <map>

#include "platform/forms/qt/binding.h"
#include "platform/forms/qt/convert.h"

namespace forms::qt {

namespace {

void showTree(const TreeView& tree, QTreeWidget& widget) {
    widget.clear();
    std::map<std::string, QTreeWidgetItem*> items;
    for (const TreeNode* node : tree.treeOrder()) {
        auto parent = items.find(node->parent);
        auto* item =
            parent == items.end() ? new QTreeWidgetItem(&widget) : new QTreeWidgetItem(parent->second);
        item->setText(0, toQString(node->text));
        item->setData(0, Qt::UserRole, toQString(node->key));
        items[node->key] = item;
        if (node->key == tree.selectedKey()) widget.setCurrentItem(item);
    }
    widget.expandAll();
}

}  // namespace

QWidget* makeTreeView(TreeView& tree, QWidget* parent) {
    auto* widget = new QTreeWidget(parent);
    widget->setHeaderHidden(true);
    widget->setColumnCount(1);
    const Show show = follow(tree, widget, [widget, &tree] { showTree(tree, *widget); });
    QObject::connect(widget, &QTreeWidget::itemClicked, widget, [&tree, show](QTreeWidgetItem* item, int) {
        std::string key = item->data(0, Qt::UserRole).toString().toStdString();
        act(tree, show, [&tree, key] { tree.clickNode(key); });
    });
    return widget;
}

}  // namespace forms::qt
