#include "tests/controls/MwFSOControlFixture.h"
#include "tests/Unprivileged.h"

#include "controls/MwFSOFiles.h"
#include "controls/MwFSOFolders.h"
#include "controls/MwLibFSOIcons.h"

#include <QPixmap>
#include <QTreeWidget>

#include <stdexcept>

using namespace mwfso_test;

namespace {

// Counts the icon questions per path; the path `failing` makes the desktop fail.
class IconSource {
public:
    explicit IconSource(QString failing = QString()) : failing_(std::move(failing))
    {
        MwFSO::SetShellIconSource([this](const QString &path) {
            ++asked[path];
            if (!failing_.isEmpty() && path.endsWith(failing_))
                throw std::runtime_error("no icon");
            QPixmap picture(32, 32);
            picture.fill(Qt::blue);
            return QIcon(picture);
        });
    }
    ~IconSource() { MwFSO::SetShellIconSource({}); }

    QHash<QString, int> asked;

private:
    QString failing_;
};

TEST(MwFSOPatternFiles, AdmitsTheMasksAndLeavesHiddenFilesOut)
{
    Folders folders;
    for (const char *name : {"b.htm", "a.HTML", "c.txt", "noext", ".hidden.htm", "d.tar.gz", "e.htmx"})
        folders.file(QString::fromLatin1(name));
    folders.dir(QStringLiteral("sub.htm"));
    struct Case {
        const char *pattern;
        QStringList names;
    };
    const Case cases[] = {
        {"*.*", {"a.HTML", "b.htm", "c.txt", "d.tar.gz", "e.htmx", "noext"}},
        {"*", {"a.HTML", "b.htm", "c.txt", "d.tar.gz", "e.htmx", "noext"}},
        {"", {"a.HTML", "b.htm", "c.txt", "d.tar.gz", "e.htmx", "noext"}},
        {"*.htm", {"b.htm"}},
        {"*.htm;*.html", {"a.HTML", "b.htm"}},
        {"*.HTM;*.htm;*.htm", {"b.htm"}},
        {" *.txt ; noext", {"c.txt", "noext"}},
        {"*.gz;*.tar.gz", {"d.tar.gz"}},
        {"*.tar", {}},
        {"*.htm?;?.txt", {"a.HTML", "c.txt", "e.htmx"}},
        {"*.[hc]*", {"a.HTML", "b.htm", "e.htmx"}},
        {"n*;*.none", {"noext"}},
        {"*.none", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MwFSO::PatternFiles(folders.root(), QString::fromLatin1(c.pattern)), c.names) << c.pattern;
}

TEST(MwFSOFillFileList, FoldersSortedByNameComeBeforeTheFiles)
{
    Folders folders;
    for (const char *name : {"zeta", "Beta", "alpha", ".dot"})
        folders.dir(QString::fromLatin1(name));
    for (const char *name : {"b", "A"})
        folders.file(QString::fromLatin1(name));
    MwFSO::MwLibFSO fso;
    MwFSO::FileListModel model(fso);
    ASSERT_TRUE(MwFSO::FillFileList(folders.root(), QStringLiteral("*.*"), model, fso));
    QStringList keys;
    for (int row = 0; row < model.Count(); ++row)
        keys.append(model.Item(row).Key);
    EXPECT_EQ(keys, QStringList({"alpha/", "Beta/", "zeta/", "A", "b"}));
    EXPECT_EQ(model.FullPath(0), folders.root() + QStringLiteral("alpha/"));
    EXPECT_EQ(model.data(model.index(0, MwFSO::ColumnName), Qt::DisplayRole).toString(), QStringLiteral("alpha"));
}

TEST(MwFSOFillFileList, OneFolderThatCannotBeReadDoesNotShortenTheListing)
{
    Folders folders;
    for (const char *name : {"a", "locked/inner", "z"})
        folders.dir(QString::fromLatin1(name));
    unprivileged::OpenToEveryone(folders.root());
    QFile::setPermissions(folders.root() + QStringLiteral("locked"), QFileDevice::Permissions());
    const QString listed = unprivileged::RunUnprivileged([&] {
        MwFSO::MwLibFSO fso;
        MwFSO::FileListModel model(fso);
        const bool filled = MwFSO::FillFileList(folders.root(), QStringLiteral("*.*"), model, fso);
        QStringList keys{filled ? QStringLiteral("filled") : QStringLiteral("failed")};
        for (int row = 0; row < model.Count(); ++row)
            keys.append(model.Item(row).Key);
        return keys.join(QLatin1Char(' '));
    });
    QFile::setPermissions(folders.root() + QStringLiteral("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(listed, QStringLiteral("filled a/ locked/ z/"));
}

TEST(MwFSOFileListModel, IconsAreAskedOncePerItemAndSizeAndAFailureGetsTheGenericOne)
{
    Folders folders;
    for (const char *name : {"good.txt", "bad.txt", "other.txt"})
        folders.file(QString::fromLatin1(name));
    IconSource icons(QStringLiteral("bad.txt"));
    MwFSO::MwLibFSO fso;
    MwFSO::FileListModel model(fso);
    ASSERT_TRUE(MwFSO::FillFileList(folders.root(), QStringLiteral("*.*"), model, fso));
    EXPECT_TRUE(icons.asked.isEmpty());
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < model.Count(); ++row)
            EXPECT_FALSE(model.data(model.index(row, 0), Qt::DecorationRole).value<QIcon>().isNull()) << row;
    }
    EXPECT_EQ(icons.asked.value(folders.root() + QStringLiteral("good.txt")), 1);
    EXPECT_EQ(icons.asked.value(folders.root() + QStringLiteral("bad.txt")), 1);
    model.SetLargeIcons(false);
    model.data(model.index(0, 0), Qt::DecorationRole);
    EXPECT_EQ(icons.asked.value(folders.root() + QStringLiteral("bad.txt")), 2);
}

TEST(MwFSOFileListModel, AnItemThatVanishedKeepsItsRowWithEmptyDetails)
{
    Folders folders;
    const QString gone = folders.file(QStringLiteral("gone.txt"), "12345");
    folders.file(QStringLiteral("kept.txt"), "123");
    MwFSO::MwLibFSO fso;
    MwFSO::FileListModel model(fso);
    ASSERT_TRUE(MwFSO::FillFileList(folders.root(), QStringLiteral("*.*"), model, fso));
    QFile::remove(gone);
    EXPECT_EQ(model.data(model.index(0, MwFSO::ColumnModified), Qt::DisplayRole).toString(), QString());
    EXPECT_EQ(model.data(model.index(1, MwFSO::ColumnSize), Qt::DisplayRole).toString(), QStringLiteral("3"));
    EXPECT_FALSE(model.data(model.index(1, MwFSO::ColumnModified), Qt::DisplayRole).toString().isEmpty());
}

TEST(MwFSOFillTreeChildren, AddsSortedFoldersUnreadWhenTheyHaveSubfolders)
{
    Folders folders;
    for (const char *name : {"b", "A/deeper", "c/.only", ".dot"})
        folders.dir(QString::fromLatin1(name));
    IconSource icons;
    MwFSO::MwLibFSO fso;
    QTreeWidget tree;
    auto *node = new QTreeWidgetItem;
    node->setData(0, MwFSO::ItemKeyRole, folders.root());
    tree.addTopLevelItem(node);
    MwFSO::FillTreeChildren(tree, node, fso);
    ASSERT_EQ(node->childCount(), 3);
    QStringList keys;
    for (int i = 0; i < node->childCount(); ++i)
        keys.append(MwFSO::NodeKey(node->child(i)));
    EXPECT_EQ(keys, QStringList({folders.root() + "A/", folders.root() + "b/", folders.root() + "c/"}));
    EXPECT_TRUE(MwFSO::IsUnread(node->child(0)));
    EXPECT_EQ(node->child(1)->childCount(), 0);
    // A folder whose only subfolder is hidden still has one, so it can be opened and shows nothing.
    EXPECT_TRUE(MwFSO::IsUnread(node->child(2)));
    // Icons are asked for when a node is shown, not when it is added.
    EXPECT_TRUE(icons.asked.isEmpty());
    EXPECT_FALSE(node->child(0)->icon(0).isNull());
    EXPECT_EQ(icons.asked.value(folders.root() + "A/"), 2);
}

TEST(MwFSOResetTreeDriveNode, MakesTheDriveUnreadUnlessItIsAndThatIsWanted)
{
    MwFSO::MwLibFSO fso;
    QTreeWidget tree;
    MwFSO::FillTreeRoot(tree, fso);
    QTreeWidgetItem *drive = tree.topLevelItem(0)->child(0);
    EXPECT_FALSE(MwFSO::ResetTreeDriveNode(QStringLiteral("/"), tree, true));
    drive->takeChildren();
    drive->addChild(new QTreeWidgetItem);
    EXPECT_TRUE(MwFSO::ResetTreeDriveNode(QStringLiteral("/tmp/"), tree, false));
    EXPECT_TRUE(MwFSO::IsUnread(drive));
    EXPECT_FALSE(MwFSO::ResetTreeDriveNode(QString(), tree, false));
}

} // namespace
