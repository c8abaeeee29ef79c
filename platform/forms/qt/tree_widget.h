#pragma once
// The tree view's widget: the nodes with their children, all expanded.
#include <QTreeWidget>

#include "platform/forms/tree_view.h"

namespace forms::qt {

QWidget* makeTreeView(TreeView& tree, QWidget* parent);

}  // namespace forms::qt
