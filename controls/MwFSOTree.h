#pragma once

#include "controls/MwFSOControlClasses.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace MwFSO {

// The folder tree: the computer, its drives and, read on first expansion, their folders. The host sets
// and reads the current folder through `Path` and hears of the user's choices through the events
// ItemClick, ItemGoto, ItemExpand, ItemCollapse, ItemRightClick, KeyDown, KeyPress and KeyUp.
class MwFSOTree : public FileSystemControl {
    Q_OBJECT

public:
    explicit MwFSOTree(QWidget *parent = nullptr);

    QString Path() const { return current_; }
    // Selects the folder, or its nearest ancestor that the tree shows, and reports it with ItemGoto and
    // ItemClick when that changes the current path; a folder that does not exist changes nothing.
    void SetPath(const QString &path);
    // Reads the current path's drive again and returns to the nearest folder that still exists.
    void Refresh() override;
    // The saved path of a host's design: becomes the current path without navigating.
    void LoadPath(const QString &path) { current_ = path; }

    QTreeWidget *Tree() const { return tree_; }

protected:
    bool HasSelectedItem() const override;

private:
    void ReadDrives();
    bool OnTheWay(const QTreeWidgetItem *node, const QString &path) const;
    // Selects the deepest node on the way to `path`; gives the keys of the nodes it expanded.
    QStringList SelectTreePath(const QString &path);
    // Reads an unread node's folders; false (and the drive collapsed to unread) when its drive is not ready.
    bool ReadChildren(QTreeWidgetItem *node);
    void SelectQuietly(QTreeWidgetItem *node);
    void NodeClick(QTreeWidgetItem *node);
    void NodeExpanded(QTreeWidgetItem *node);
    void NodeCollapsed(QTreeWidgetItem *node);

    QTreeWidget *tree_;
    QString current_;
    bool eventsOn_ = true;
};

} // namespace MwFSO
