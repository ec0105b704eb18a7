#pragma once

#include "app/core/Table.h"

#include <QChar>
#include <QIcon>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The work panel of the main window, filled once at start from the settings and the lists: the file
// panel's folder and lists, its first placement, the autotext, colour and symbol trees and the page
// shown.
namespace mdlLoad {

struct TreeItem;

// A tree node's key: the tree's letter ("k" autotext, "c" colours, "s" symbols) and the number of its
// entry in the tree's table.
QString TreeNodeKey(const QTreeWidgetItem *node);

// Builds `tree` from `items`: one node per entry of level 1 to 5, under the latest node one level up
// (an entry without one gets no node), keyed `letter` and the entry's number, with the group picture
// or the item picture.
void FillTree(QTreeWidget *tree, const Table<TreeItem> &items, QChar letter, const QIcon &groupPicture,
              const QIcon &itemPicture);

void FillMainPanels();

} // namespace mdlLoad
