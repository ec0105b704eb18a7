#include "controls/MwFSOTree.h"

#include "controls/MwFSOFolders.h"
#include "controls/MwFSOPaths.h"

#include <QLayout>
#include <QHeaderView>
#include <QTreeWidget>

namespace MwFSO {

MwFSOTree::MwFSOTree(QWidget *parent) : FileSystemControl(parent), tree_(new QTreeWidget(this))
{
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setIconSize(QSize(16, 16));
    layout()->addWidget(tree_);
    WatchView(tree_, tree_->viewport());
    FillTreeRoot(*tree_, Fso());
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *node) {
        if (node)
            NodeClick(node);
    });
    // A click on the node that is already current still delivers a pending right press.
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *node) {
        if (node == tree_->currentItem())
            NodeClick(node);
    });
    connect(tree_, &QTreeWidget::itemExpanded, this, &MwFSOTree::NodeExpanded);
    connect(tree_, &QTreeWidget::itemCollapsed, this, &MwFSOTree::NodeCollapsed);
}

bool MwFSOTree::HasSelectedItem() const
{
    return tree_->topLevelItemCount() > 0 && tree_->currentItem();
}

void MwFSOTree::ReadDrives()
{
    FillTreeRoot(*tree_, Fso());
}

void MwFSOTree::SelectQuietly(QTreeWidgetItem *node)
{
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(node);
}

void MwFSOTree::SetPath(const QString &value)
{
    const Hourglass wait(this, tree_);
    QString path = value;
    if (path == current_)
        return;
    NormalizePath(path);
    if (path == current_)
        return;
    if (!path.isEmpty()) {
        if (CurrentDriveLost(Fso(), TreeDrives(*tree_), current_, path)) {
            SetPath(QString());
            return;
        }
        if (!Ask<bool>([&] { return Fso().FolderExists(path); }))
            return;
        // A drive mounted since the drives were read: read them again, or the path could never be shown.
        if (!KnowsDriveOf(Fso(), TreeDrives(*tree_), path))
            ReadDrives();
    }
    QStringList expanded;
    if (path.isEmpty())
        SelectQuietly(tree_->topLevelItem(0));
    else
        expanded = SelectTreePath(path);
    // A path whose nearest shown folder is the current one (a hidden folder below it) changes nothing
    // and raises nothing, so that hosts keeping several controls in step come to rest.
    const QString reached = NodeKey(tree_->currentItem());
    if (reached == current_) {
        NodeClick(tree_->currentItem());
        return;
    }
    const quint64 generation = Generation();
    for (const QString &key : expanded) {
        RaiseItem(QStringLiteral("ItemExpand"), key);
        if (Generation() != generation)
            return;
    }
    current_ = reached;
    NextGeneration();
    const quint64 navigation = Generation();
    Changed(QStringLiteral("Path"));
    if (eventsOn_) {
        RaiseItem(QStringLiteral("ItemGoto"), current_);
        if (Generation() != navigation)
            return;
        RaiseItem(QStringLiteral("ItemClick"), current_);
        if (Generation() != navigation)
            return;
    }
    NodeClick(tree_->currentItem());
}

bool MwFSOTree::OnTheWay(const QTreeWidgetItem *node, const QString &path) const
{
    const QString key = NodeKey(node);
    if (key.isEmpty())
        return true;
    const QTreeWidgetItem *drive = node;
    while (drive->parent() && drive->parent()->parent())
        drive = drive->parent();
    return path.startsWith(key) && NodeKey(drive) == KnownDriveOf(TreeDrives(*tree_), path);
}

QStringList MwFSOTree::SelectTreePath(const QString &path)
{
    QStringList expanded;
    QTreeWidgetItem *node = tree_->currentItem() ? tree_->currentItem() : tree_->topLevelItem(0);
    while (node && node->parent() && !OnTheWay(node, path))
        node = node->parent();
    while (node && NodeKey(node) != path) {
        if (!node->isExpanded()) {
            if (!ReadChildren(node)) {
                // The drive went away: its node is all that is left of the way.
                node = DriveNodeOf(*tree_, path);
                break;
            }
            const QSignalBlocker quiet(tree_);
            node->setExpanded(true);
            if (!NodeKey(node).isEmpty())
                expanded.append(NodeKey(node));
        }
        // The child on the way: the longest key that the path begins with (a drive mounted inside another
        // drive is that drive's own node, not a folder of the outer one).
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < node->childCount(); ++i) {
            QTreeWidgetItem *child = node->child(i);
            const QString key = NodeKey(child);
            if (!IsUnreadMark(child) && !key.isEmpty() && path.startsWith(key)
                && (!next || key.size() > NodeKey(next).size()))
                next = child;
        }
        if (!next)
            break;
        node = next;
    }
    SelectQuietly(node ? node : tree_->topLevelItem(0));
    return expanded;
}

bool MwFSOTree::ReadChildren(QTreeWidgetItem *node)
{
    if (!IsUnread(node))
        return true;
    const QString key = NodeKey(node);
    delete node->takeChild(0);
    if (!Ask<bool>([&] { return Fso().DriveIsReady(key); })) {
        ResetTreeDriveNode(key, *tree_, false);
        return false;
    }
    FillTreeChildren(*tree_, node, Fso());
    return true;
}

void MwFSOTree::NodeClick(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const QString key = NodeKey(node);
    if (key == current_) {
        DeliverRightClick(current_);
        return;
    }
    if (!key.isEmpty() && !Ask<bool>([&] { return Fso().DriveIsReady(key); })) {
        ResetTreeDriveNode(key, *tree_, false);
        SelectQuietly(tree_->topLevelItem(0));
        current_.clear();
    } else {
        if (!key.isEmpty() && node->childCount() == 0
            && Ask<qint64>([&] { return Fso().GetFolderInfoLng(key, FolderInfoCountSubFolders); }) > 0)
            AddUnreadMark(node);
        current_ = key;
    }
    NextGeneration();
    const quint64 generation = Generation();
    RaiseItem(QStringLiteral("ItemClick"), current_);
    if (Generation() == generation)
        DeliverRightClick(current_);
}

void MwFSOTree::NodeExpanded(QTreeWidgetItem *node)
{
    const Hourglass wait(this, tree_);
    const QString key = NodeKey(node);
    if (key.isEmpty())
        return;
    if (!ReadChildren(node))
        return;
    RaiseItem(QStringLiteral("ItemExpand"), key);
}

void MwFSOTree::NodeCollapsed(QTreeWidgetItem *node)
{
    const QString key = NodeKey(node);
    if (key.isEmpty()) {
        // The computer stays open.
        const QSignalBlocker quiet(tree_);
        node->setExpanded(true);
        return;
    }
    if (current_.startsWith(key)) {
        SelectQuietly(node);
        current_ = key;
        NextGeneration();
        const quint64 generation = Generation();
        RaiseItem(QStringLiteral("ItemClick"), key);
        if (Generation() != generation)
            return;
    }
    RaiseItem(QStringLiteral("ItemCollapse"), key);
}

void MwFSOTree::Refresh()
{
    if (current_.isEmpty())
        return;
    QString path = current_;
    NormalizePath(path);
    const QString existing = GetExistingFolder(Fso(), path);
    const bool wasOn = std::exchange(eventsOn_, false);
    SetPath(QString());
    ResetTreeDriveNode(existing, *tree_, true);
    SetPath(existing);
    eventsOn_ = wasOn;
    NextGeneration();
    const quint64 generation = Generation();
    RaiseItem(QStringLiteral("ItemGoto"), current_);
    if (Generation() == generation)
        RaiseItem(QStringLiteral("ItemClick"), current_);
}

} // namespace MwFSO
