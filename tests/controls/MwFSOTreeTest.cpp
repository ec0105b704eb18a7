#include "tests/controls/MwFSOControlFixture.h"

#include "controls/MwFSOCombo.h"
#include "controls/MwFSOFolders.h"
#include "controls/MwFSOList.h"
#include "controls/MwFSOTree.h"

#include "platform/components/PropertyBag.h"
#include "platform/forms/Twips.h"

#include <QComboBox>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace mwfso_test;
using MwFSO::MwFSOTree;

namespace {

const QString Navigation = QStringLiteral("Item(Goto|Click)");

class MwFSOTreeControl : public testing::Test {
protected:
    MwFSOTreeControl() : tree(MwFSO::CreateTreeObject(), QStringLiteral("__MwFSOTree"))
    {
        folders.dir(QStringLiteral("a/b"));
        folders.dir(QStringLiteral("a/.hidden/inner"));
        folders.dir(QStringLiteral("c/.only"));
    }

    QTreeWidgetItem *Node(const QString &key) const
    {
        for (QTreeWidgetItemIterator it(tree.widget->Tree()); *it; ++it) {
            if (MwFSO::NodeKey(*it) == key && !MwFSO::IsUnreadMark(*it))
                return *it;
        }
        return nullptr;
    }

    QString Line(const char *event, const QString &path, int type) const
    {
        return QStringLiteral("%1 %2 %3").arg(QLatin1String(event), path).arg(type);
    }

    Folders folders;
    Hosted<MwFSOTree> tree;
};

TEST_F(MwFSOTreeControl, StartsAtTheComputerWithOneUnreadNodePerDrive)
{
    QTreeWidgetItem *root = tree.widget->Tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), QStringLiteral("Мой компьютер"));
    EXPECT_TRUE(root->isExpanded());
    ASSERT_GE(root->childCount(), 1);
    EXPECT_EQ(MwFSO::NodeKey(root->child(0)), QStringLiteral("/"));
    EXPECT_TRUE(MwFSO::IsUnread(root->child(0)));
    EXPECT_EQ(tree.Path(), QString());
}

TEST_F(MwFSOTreeControl, PathPutReachesTheFolderAndReportsGotoThenClick)
{
    const QString b = folders.root() + QStringLiteral("a/b");
    tree.Put(QStringLiteral("Path"), b);
    EXPECT_EQ(tree.Path(), b + u'/');
    EXPECT_EQ(tree.log.Only(Navigation), QStringList({Line("ItemGoto", b + u'/', 3), Line("ItemClick", b + u'/', 3)}));
    EXPECT_TRUE(tree.log.lines.contains(Line("ItemExpand", folders.root() + QStringLiteral("a/"), 3)));
    EXPECT_EQ(MwFSO::NodeKey(tree.widget->Tree()->currentItem()), b + u'/');
}

TEST_F(MwFSOTreeControl, PutThatLeavesThePathAsItIsRaisesNothing)
{
    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a);
    for (const QString &same : {a, a.chopped(1), a + QStringLiteral(".hidden"), a + QStringLiteral(".hidden/inner/")}) {
        tree.log.lines.clear();
        tree.Put(QStringLiteral("Path"), same);
        EXPECT_EQ(tree.log.lines, QStringList()) << same.toStdString();
        EXPECT_EQ(tree.Path(), a);
    }
}

TEST_F(MwFSOTreeControl, HiddenFolderSelectsItsNearestShownAncestor)
{
    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a + QStringLiteral(".hidden/inner"));
    EXPECT_EQ(tree.Path(), a);
    EXPECT_EQ(tree.log.Only(Navigation), QStringList({Line("ItemGoto", a, 3), Line("ItemClick", a, 3)}));
}

TEST_F(MwFSOTreeControl, MissingFolderChangesNothing)
{
    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a);
    tree.log.lines.clear();
    tree.Put(QStringLiteral("Path"), folders.root() + QStringLiteral("missing"));
    EXPECT_EQ(tree.Path(), a);
    EXPECT_EQ(tree.log.lines, QStringList());
}

TEST_F(MwFSOTreeControl, ExpandingAFolderWithOnlyHiddenSubfoldersShowsNoChildren)
{
    const QString c = folders.root() + QStringLiteral("c/");
    tree.Put(QStringLiteral("Path"), c);
    QTreeWidgetItem *node = Node(c);
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(MwFSO::IsUnread(node));
    tree.log.lines.clear();
    tree.widget->Tree()->expandItem(node);
    EXPECT_EQ(node->childCount(), 0);
    EXPECT_EQ(tree.log.lines, QStringList({Line("ItemExpand", c, 3)}));
}

TEST_F(MwFSOTreeControl, CollapseMovesTheCurrentPathUpButNeverClosesTheComputer)
{
    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a + QStringLiteral("b"));
    tree.log.lines.clear();
    tree.widget->Tree()->collapseItem(tree.widget->Tree()->topLevelItem(0));
    EXPECT_TRUE(tree.widget->Tree()->topLevelItem(0)->isExpanded());
    EXPECT_EQ(tree.log.lines, QStringList());

    tree.widget->Tree()->collapseItem(Node(a));
    EXPECT_EQ(tree.log.lines, QStringList({Line("ItemClick", a, 3), Line("ItemCollapse", a, 3)}));
    EXPECT_EQ(tree.Path(), a);
}

TEST_F(MwFSOTreeControl, RightPressReportsTheClickThenTheRightClickAtItsPlace)
{
    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a + QStringLiteral("b"));
    tree.log.lines.clear();
    QTreeWidget *view = tree.widget->Tree();
    const QPoint at = view->visualItemRect(Node(a)).center();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
    const int x = at.x() * platform::forms::TwipsPerPixel;
    const int y = at.y() * platform::forms::TwipsPerPixel;
    EXPECT_EQ(tree.log.Only(QStringLiteral("Item")),
              QStringList({Line("ItemClick", a, 3), QStringLiteral("ItemRightClick %1 3 %2 %3").arg(a).arg(x).arg(y)}));
}

TEST_F(MwFSOTreeControl, RefreshReturnsToTheNearestFolderThatStillExists)
{
    tree.Call(QStringLiteral("Refresh"));
    EXPECT_EQ(tree.log.lines, QStringList());

    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a + QStringLiteral("b"));
    QDir(a + QStringLiteral("b")).removeRecursively();
    tree.log.lines.clear();
    tree.Call(QStringLiteral("Refresh"));
    EXPECT_EQ(tree.Path(), a);
    EXPECT_EQ(tree.log.Only(Navigation).mid(tree.log.Only(Navigation).size() - 2),
              QStringList({Line("ItemGoto", a, 3), Line("ItemClick", a, 3)}));
    EXPECT_EQ(Node(a + QStringLiteral("b/")), nullptr);
}

TEST_F(MwFSOTreeControl, KeysRefreshAndTheHandlersCodesAreWhatTheTreeReceives)
{
    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a + QStringLiteral("b"));
    QTreeWidget *view = tree.widget->Tree();
    view->setFocus();

    tree.log.lines.clear();
    QTest::keyClick(view, Qt::Key_F5);
    EXPECT_TRUE(tree.log.lines.contains(QStringLiteral("KeyDown 116 0")));
    EXPECT_TRUE(tree.log.lines.contains(Line("ItemGoto", a + QStringLiteral("b/"), 3)));

    // A handler that clears the code swallows the key; one that changes it sends the other key.
    tree.log.handlers[QStringLiteral("KeyDown")] = [](Arguments &args) { args[0].Assign(Variant(std::int16_t(0))); };
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(tree.Path(), a + QStringLiteral("b/"));
    tree.log.handlers[QStringLiteral("KeyDown")] = [](Arguments &args) { args[0].Assign(Variant(std::int16_t(38))); };
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(tree.Path(), a);

    tree.log.handlers.clear();
    tree.log.lines.clear();
    QTest::keyClick(view, Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(tree.log.lines.contains(QStringLiteral("KeyDown 82 2")));
    EXPECT_TRUE(tree.log.lines.contains(Line("ItemGoto", a, 3)));
    EXPECT_TRUE(tree.log.lines.contains(QStringLiteral("KeyUp 82 2")));
}

TEST_F(MwFSOTreeControl, PutFromInsideAnEventHandlerWins)
{
    const QString a = folders.root() + QStringLiteral("a/");
    const QString c = folders.root() + QStringLiteral("c/");
    bool once = false;
    tree.log.handlers[QStringLiteral("ItemGoto")] = [&](Arguments &) {
        if (!std::exchange(once, true))
            tree.Put(QStringLiteral("Path"), c);
    };
    tree.Put(QStringLiteral("Path"), a);
    EXPECT_EQ(tree.Path(), c);
    EXPECT_EQ(tree.log.Only(Navigation),
              QStringList({Line("ItemGoto", a, 3), Line("ItemGoto", c, 3), Line("ItemClick", c, 3)}));
    EXPECT_EQ(MwFSO::NodeKey(tree.widget->Tree()->currentItem()), c);
}

TEST_F(MwFSOTreeControl, AMissingFolderOnADriveMountedSinceChangesNothing)
{
    const QString a = folders.root() + QStringLiteral("a/");
    tree.Put(QStringLiteral("Path"), a);
    const QStringList shown = MwFSO::TreeDrives(*tree.widget->Tree());
    const Drives drives(shown + QStringList{folders.dir(QStringLiteral("mnt"))});
    tree.log.lines.clear();
    tree.Put(QStringLiteral("Path"), folders.root() + QStringLiteral("mnt/missing"));
    EXPECT_EQ(tree.log.lines, QStringList());
    EXPECT_EQ(tree.Path(), a);
    EXPECT_EQ(MwFSO::TreeDrives(*tree.widget->Tree()), shown);
    EXPECT_EQ(MwFSO::NodeKey(tree.widget->Tree()->currentItem()), a);
}

class SiteLog final : public IControlSite {
public:
    void OnPropertyChanged(DispId id, const QString &name) override
    {
        changes.append(QStringLiteral("%1 %2").arg(name).arg(id, 0, 16));
    }
    QStringList changes;
};

TEST_F(MwFSOTreeControl, SavedPathIsTakenWithoutNavigatingAndChangesReachTheSite)
{
    const ComPtr<IControl> control = Query<IControl>(tree.object.Get());
    SiteLog site;
    control->SetSite(&site);
    const QString a = folders.root() + QStringLiteral("a/");
    PropertyBag bag;
    bag.Write(QStringLiteral("Path"), Variant(a));
    ASSERT_EQ(control->Load(bag), S_OK);
    EXPECT_EQ(tree.Path(), a);
    EXPECT_EQ(MwFSO::NodeKey(tree.widget->Tree()->currentItem()), QString());
    EXPECT_EQ(tree.log.lines, QStringList());
    EXPECT_TRUE(tree.Get(QStringLiteral("Enabled")).ToBool());

    site.changes.clear();
    tree.Put(QStringLiteral("Path"), folders.root() + QStringLiteral("c"));
    tree.Put(QStringLiteral("Enabled"), Variant(false));
    EXPECT_FALSE(tree.widget->Tree()->isEnabled());
    EXPECT_EQ(site.changes, QStringList({QStringLiteral("Path 68030000"), QStringLiteral("Enabled 68030001")}));
    PropertyBag saved;
    ASSERT_EQ(control->Save(saved), S_OK);
    EXPECT_EQ(saved.Read(QStringLiteral("Path")), Variant(folders.root() + QStringLiteral("c/")));
    EXPECT_EQ(saved.Read(QStringLiteral("Enabled")), Variant(false));
    control->SetSite(nullptr);
}

// The main window's file panel keeps its three controls in step by setting each one's path from the
// others' events; a folder that one control cannot show must not set them chasing each other.
class FilePanel {
public:
    FilePanel()
    {
        trv.log.handlers[QStringLiteral("ItemClick")] = Follow({&trv}, {&cmb}, {&lst}, true);
        trv.log.handlers[QStringLiteral("ItemGoto")] = Follow({&trv}, {&cmb}, {&lst}, true);
        cmb.log.handlers[QStringLiteral("ItemGoto")] = Follow({&trv}, {}, {&lst}, true);
        lst.log.handlers[QStringLiteral("ItemGoto")] = Follow({&trv}, {&cmb}, {&lst}, false);
    }

    // The panel's own synchronisation: the combo, the tree, then the list.
    void Sync(const QString &path)
    {
        cmb.Put(QStringLiteral("Path"), path);
        trv.Put(QStringLiteral("Path"), path);
        lst.Put(QStringLiteral("Path"), path);
    }

    Hosted<MwFSO::MwFSOTree> trv{MwFSO::CreateTreeObject(), QStringLiteral("__MwFSOTree")};
    Hosted<MwFSO::MwFSOCombo> cmb{MwFSO::CreateComboObject(), QStringLiteral("__MwFSOCombo")};
    Hosted<MwFSO::MwFSOList> lst{MwFSO::CreateListObject(), QStringLiteral("__MwFSOList")};
    int depth = 0;
    int calls = 0;

private:
    std::function<void(Arguments &)> Follow(QList<Hosted<MwFSO::MwFSOTree> *> trees,
                                            QList<Hosted<MwFSO::MwFSOCombo> *> combos,
                                            QList<Hosted<MwFSO::MwFSOList> *> lists, bool treeFirst)
    {
        return [=, this](Arguments &args) {
            const QString path = args[0].ToString();
            if (++calls > 200 || depth > 20)
                return;
            ++depth;
            if (treeFirst) {
                for (auto *t : trees)
                    t->Put(QStringLiteral("Path"), path);
            }
            for (auto *l : lists)
                l->Put(QStringLiteral("Path"), path);
            if (!treeFirst) {
                for (auto *t : trees)
                    t->Put(QStringLiteral("Path"), path);
            }
            for (auto *c : combos)
                c->Put(QStringLiteral("Path"), path);
            --depth;
        };
    }
};

TEST(MwFSOFilePanelCascade, ComesToRestOnAHiddenFolder)
{
    Folders folders;
    const QString hidden = folders.dir(QStringLiteral("a/.hidden"));
    FilePanel panel;
    panel.Sync(hidden);
    EXPECT_LT(panel.calls, 50);
    EXPECT_EQ(panel.depth, 0);
    EXPECT_EQ(panel.trv.Path(), folders.root() + QStringLiteral("a/"));
    EXPECT_EQ(panel.lst.Path(), hidden);
    EXPECT_EQ(panel.cmb.Path(), hidden);
}

TEST(MwFSOFilePanelCascade, ComesToRestOnADriveMountedAfterTheControlsStarted)
{
    Folders folders;
    const QString drive = folders.dir(QStringLiteral("mnt"));
    const QString docs = folders.dir(QStringLiteral("mnt/docs"));
    Drives drives({QStringLiteral("/")});
    FilePanel panel;
    drives.Set({QStringLiteral("/"), drive});
    panel.Sync(docs);
    EXPECT_LT(panel.calls, 50);
    for (const QString &path : {panel.trv.Path(), panel.cmb.Path(), panel.lst.Path()})
        EXPECT_EQ(path, docs);
    // Both controls read the drives again and show the folder on the new drive.
    QTreeWidget *tree = panel.trv.widget->Tree();
    EXPECT_TRUE(MwFSO::TreeDrives(*tree).contains(drive));
    EXPECT_EQ(MwFSO::NodeKey(tree->currentItem()->parent()), drive);
    QComboBox *combo = panel.cmb.widget->Combo();
    EXPECT_TRUE(MwFSO::ComboDrives(*combo).contains(drive));
    EXPECT_EQ(combo->itemData(combo->currentIndex() - 1, MwFSO::ItemKeyRole).toString(), drive);
    EXPECT_EQ(combo->itemData(combo->currentIndex(), MwFSO::ItemLevelRole).toInt(), 2);
}

} // namespace
