#include "controls/MwFSOFolders.h"

#include "controls/MwFSOControlClasses.h"
#include "controls/MwFSOPaths.h"

#include <QComboBox>
#include <QTreeWidget>

#include <algorithm>

namespace MwFSO {

namespace {

constexpr int UnreadMarkRole = ItemKeyRole + 2;

// The icon of an item with its open picture as the selected state, so that a view shows the open
// picture on the selected item. A failed question gives the generic icon of the item's kind.
QPixmap SmallPicture(MwLibFSO &fso, const QString &path, ElementTypePlusIcons state)
{
    return Ask<Picture>([&] { return fso.GetElementIcon(path, ElementTypeIconSmall, state); }).pixmap(16, 16);
}

QIcon StateIcon(MwLibFSO &fso, const QString &path, ElementTypePlusIcons selected)
{
    QIcon icon;
    icon.addPixmap(SmallPicture(fso, path, ElementTypeIconStandart), QIcon::Normal);
    icon.addPixmap(SmallPicture(fso, path, selected), QIcon::Selected);
    return icon;
}

// A tree node whose icon is read when the view first shows it: a level of thousands of folders is added
// without asking for thousands of icons.
class FolderNode : public QTreeWidgetItem {
public:
    FolderNode(MwLibFSO &fso, const QString &key, const QString &text) : fso_(&fso)
    {
        setData(0, ItemKeyRole, key);
        setText(0, text);
    }

    QVariant data(int column, int role) const override
    {
        if (column == 0 && role == Qt::DecorationRole) {
            if (icon_.isNull())
                icon_ = StateIcon(*fso_, NodeKey(this), ElementTypeIconOpen);
            return icon_;
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    MwLibFSO *fso_;
    mutable QIcon icon_;
};

} // namespace

bool NameLess(const QString &a, const QString &b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

DriveListSource &DriveSource()
{
    static DriveListSource source;
    return source;
}

void SetDriveListSource(DriveListSource source)
{
    DriveSource() = std::move(source);
}

QStringList DriveKeys(MwLibFSO &fso)
{
    QStringList drives;
    Ask<bool>([&] {
        if (DriveSource())
            drives = QStringList{QString()} + DriveSource()();
        else
            fso.GetDrives(drives);
        return true;
    });
    QStringList keys;
    for (qsizetype i = 1; i < drives.size(); ++i) {
        if (!drives[i].isEmpty())
            keys.append(WithSeparator(drives[i]));
    }
    return keys;
}

QString DriveCaption(MwLibFSO &fso, const QString &drive)
{
    const DriveInfoType type = Ask<DriveInfoType>([&] { return fso.GetDriveInfoType(drive); }, DriveTypeUnknown);
    if (type != DriveTypeHard && type != DriveTypeNetwork && type != DriveTypeCdRom)
        return drive;
    const QString label = Ask<QString>([&] { return fso.GetDriveInfoStr(drive, DriveInfoVolumeName); });
    return label.isEmpty() ? drive : label + QStringLiteral(" (") + drive + QLatin1Char(')');
}

QString KnownDriveOf(const QStringList &drives, const QString &path)
{
    const QString folder = WithSeparator(path);
    QString drive;
    for (const QString &root : drives) {
        if (folder.startsWith(root) && root.size() > drive.size())
            drive = root;
    }
    return drive;
}

bool KnowsDriveOf(MwLibFSO &fso, const QStringList &shown, const QString &path)
{
    const QString drive = KnownDriveOf(DriveKeys(fso), path);
    return drive.isEmpty() || shown.contains(drive);
}

bool CurrentDriveLost(MwLibFSO &fso, const QStringList &shown, const QString &current, const QString &path)
{
    return !current.isEmpty() && KnownDriveOf(shown, path) == KnownDriveOf(shown, current)
           && (!Ask<bool>([&] { return fso.DriveExists(path); }) || !Ask<bool>([&] { return fso.DriveIsReady(path); }));
}

// ---- Folder tree --------------------------------------------------------------------------------------

QString NodeKey(const QTreeWidgetItem *node)
{
    return node ? node->data(0, ItemKeyRole).toString() : QString();
}

bool IsUnreadMark(const QTreeWidgetItem *node)
{
    return node && node->data(0, UnreadMarkRole).toBool();
}

bool IsUnread(const QTreeWidgetItem *node)
{
    return node && node->childCount() == 1 && IsUnreadMark(node->child(0));
}

void AddUnreadMark(QTreeWidgetItem *node)
{
    auto *unreadMark = new QTreeWidgetItem;
    unreadMark->setData(0, UnreadMarkRole, true);
    node->addChild(unreadMark);
}

QTreeWidgetItem *DriveNodeOf(QTreeWidget &tree, const QString &path)
{
    QTreeWidgetItem *root = tree.topLevelItem(0);
    if (!root || path.isEmpty())
        return nullptr;
    const QString drive = KnownDriveOf(TreeDrives(tree), path);
    for (int i = 0; i < root->childCount(); ++i) {
        if (!drive.isEmpty() && NodeKey(root->child(i)) == drive)
            return root->child(i);
    }
    return nullptr;
}

QStringList TreeDrives(QTreeWidget &tree)
{
    QStringList drives;
    if (QTreeWidgetItem *root = tree.topLevelItem(0)) {
        for (int i = 0; i < root->childCount(); ++i)
            drives.append(NodeKey(root->child(i)));
    }
    return drives;
}

void FillTreeRoot(QTreeWidget &tree, MwLibFSO &fso)
{
    const QSignalBlocker quiet(tree);
    tree.clear();
    const QStringList drives = DriveKeys(fso);
    const QString computer = Ask<QString>([&] { return fso.ElementVirtualPath(ElementVirtualComputer); });
    auto *root = new QTreeWidgetItem;
    root->setText(0, ComputerCaption);
    root->setData(0, ItemKeyRole, QString());
    root->setIcon(0, StateIcon(fso, computer, ElementTypeIconOpen));
    tree.addTopLevelItem(root);
    for (const QString &drive : drives) {
        auto *node = new FolderNode(fso, drive, DriveCaption(fso, drive));
        root->addChild(node);
        AddUnreadMark(node);
    }
    tree.setCurrentItem(root);
    root->setExpanded(true);
}

void FillTreeChildren(QTreeWidget &tree, QTreeWidgetItem *node, MwLibFSO &fso)
{
    const QString key = NodeKey(node);
    QStringList entries;
    Ask<bool>([&] {
        fso.GetFolders(key, entries);
        return true;
    });
    struct Entry {
        QString name;
        bool hasSubfolders;
    };
    QList<Entry> folders;
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (entries[i].size() > 1)
            folders.append({entries[i].mid(1), entries[i].at(0) == QLatin1Char('1')});
    }
    std::sort(folders.begin(), folders.end(), [](const Entry &a, const Entry &b) { return NameLess(a.name, b.name); });
    QList<QTreeWidgetItem *> children;
    children.reserve(folders.size());
    for (const Entry &folder : folders) {
        auto *child = new FolderNode(fso, key + folder.name + QLatin1Char('/'), folder.name);
        if (folder.hasSubfolders)
            AddUnreadMark(child);
        children.append(child);
    }
    const RedrawFreeze frozen(&tree);
    node->addChildren(children);
}

bool ResetTreeDriveNode(const QString &path, QTreeWidget &tree, bool keepIfUnread)
{
    QTreeWidgetItem *drive = DriveNodeOf(tree, path);
    if (!drive || (keepIfUnread && IsUnread(drive)))
        return false;
    const QSignalBlocker quiet(tree);
    qDeleteAll(drive->takeChildren());
    drive->setExpanded(false);
    AddUnreadMark(drive);
    return true;
}

// ---- Folder-chain combo -------------------------------------------------------------------------------

void FillComboRoot(QComboBox &combo, MwLibFSO &fso)
{
    const QSignalBlocker quiet(combo);
    combo.clear();
    const QStringList drives = DriveKeys(fso);
    const QString computer = Ask<QString>([&] { return fso.ElementVirtualPath(ElementVirtualComputer); });
    combo.addItem(StateIcon(fso, computer, ElementTypeIconOpen), ComputerCaption, QString());
    combo.setItemData(0, 0, ItemLevelRole);
    for (const QString &drive : drives) {
        combo.addItem(QIcon(SmallPicture(fso, drive, ElementTypeIconStandart)), DriveCaption(fso, drive), drive);
        combo.setItemData(combo.count() - 1, 1, ItemLevelRole);
    }
    combo.setCurrentIndex(0);
}

bool FillComboPath(const QString &path, QComboBox &combo, MwLibFSO &fso)
{
    const QSignalBlocker quiet(combo);
    if (path.isEmpty()) {
        combo.setCurrentIndex(0);
        return true;
    }
    const QString drive = KnownDriveOf(ComboDrives(combo), path);
    int at = drive.isEmpty() ? -1 : combo.findData(drive, ItemKeyRole, Qt::MatchExactly);
    if (at < 0)
        return false;
    QString accumulated = drive;
    int level = 1;
    for (const QString &name : path.mid(drive.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        accumulated += name + QLatin1Char('/');
        ++level;
        combo.insertItem(++at, QIcon(SmallPicture(fso, accumulated, ElementTypeIconOpen)), name, accumulated);
        combo.setItemData(at, level, ItemLevelRole);
    }
    combo.setCurrentIndex(at);
    return true;
}

void ClearComboPath(QComboBox &combo)
{
    const QSignalBlocker quiet(combo);
    for (int i = combo.count() - 1; i >= 0; --i) {
        if (combo.itemData(i, ItemLevelRole).toInt() > 1)
            combo.removeItem(i);
    }
}

QStringList ComboDrives(const QComboBox &combo)
{
    QStringList drives;
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemData(i, ItemLevelRole).toInt() == 1)
            drives.append(combo.itemData(i, ItemKeyRole).toString());
    }
    return drives;
}

} // namespace MwFSO
