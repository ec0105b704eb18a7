#pragma once

#include "controls/MwLibFSO.h"

#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// Filling the folder tree and the drive and folder-chain combo: their drive items, the folders of a tree
// node, the chain of the combo's current folder.
namespace MwFSO {

// The key of a tree node or combo item: the path it stands for (empty for the computer).
inline constexpr int ItemKeyRole = 0x0100; // Qt::UserRole
// The indentation level of a combo item.
inline constexpr int ItemLevelRole = 0x0101;

inline const QString ComputerCaption = QStringLiteral("Мой компьютер");

// The order in which the controls list names: letter case ignored, then exact.
bool NameLess(const QString &a, const QString &b);

// Where the controls read the drives from: the helper's `GetDrives` unless a test has mounted drives of
// its own. An empty source restores the helper.
using DriveListSource = std::function<QStringList()>;
void SetDriveListSource(DriveListSource source);

// The drive roots in the order the source lists them, each ending with "/".
QStringList DriveKeys(MwLibFSO &fso);
// The text of a drive item: "label (root)" for a hard, network or CD drive with a label, else the root.
QString DriveCaption(MwLibFSO &fso, const QString &drive);
// The longest of `drives` that `path` lies on; empty when none.
QString KnownDriveOf(const QStringList &drives, const QString &path);
// Whether the drives that a control shows (`shown`) hold the drive of `path` as the drives are now; a
// drive mounted after the control read its drives is not known.
bool KnowsDriveOf(MwLibFSO &fso, const QStringList &shown, const QString &path);
// Whether `path` lies on the same of the `shown` drives as the control's `current` path and that drive is
// now gone or not ready, so that the control goes back to the computer.
bool CurrentDriveLost(MwLibFSO &fso, const QStringList &shown, const QString &current, const QString &path);

// ---- Folder tree --------------------------------------------------------------------------------------

QString NodeKey(const QTreeWidgetItem *node);
// The empty child that stands in for children not read yet, so that the node shows it can expand.
bool IsUnreadMark(const QTreeWidgetItem *node);
// The node's children are not read yet: its only child is an unread mark.
bool IsUnread(const QTreeWidgetItem *node);
void AddUnreadMark(QTreeWidgetItem *node);
// The drive node a path lies on, or null.
QTreeWidgetItem *DriveNodeOf(QTreeWidget &tree, const QString &path);
QStringList TreeDrives(QTreeWidget &tree);

// Clears the tree and adds the computer with one unread node per drive.
void FillTreeRoot(QTreeWidget &tree, MwLibFSO &fso);
// Adds the subfolders of `node`, sorted by name, each unread when it has subfolders of its own.
void FillTreeChildren(QTreeWidget &tree, QTreeWidgetItem *node, MwLibFSO &fso);
// Makes the drive node of `path` unread again, unless `keepIfUnread` and it is; true when it reset one.
bool ResetTreeDriveNode(const QString &path, QTreeWidget &tree, bool keepIfUnread);

// ---- Folder-chain combo -------------------------------------------------------------------------------

// Clears the combo and adds the computer and one item per drive; selects the computer.
void FillComboRoot(QComboBox &combo, MwLibFSO &fso);
// Inserts the chain of folder `path` after its drive item and selects its last level (the computer for
// the empty path); false when the combo shows no drive of the path.
bool FillComboPath(const QString &path, QComboBox &combo, MwLibFSO &fso);
// Removes the folder chain, keeping the computer and the drives.
void ClearComboPath(QComboBox &combo);
QStringList ComboDrives(const QComboBox &combo);

} // namespace MwFSO
