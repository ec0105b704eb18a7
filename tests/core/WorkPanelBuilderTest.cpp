#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadTrees.h"
#include "app/core/mdlLoadWorkPanel.h"
#include "app/dialogs/MwFSOHost.h"
#include "app/dialogs/TwipLayout.h"
#include "platform/widgets/MultiRowTabStrip.h"
#include "tests/CaseNames.h"
#include "tests/LoadedProgram.h"

#include <QComboBox>
#include <QPixmap>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace {

using mdlLoad::TreeItem;

// The tree as "key<parent key" per node, top to bottom; a top-level node has no parent key.
QStringList Shape(const QTreeWidget &tree)
{
    QStringList nodes;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it)
        nodes << mdlLoad::TreeNodeKey(*it) + u'<' + mdlLoad::TreeNodeKey((*it)->parent());
    return nodes;
}

Table<TreeItem> Entries(const QList<int> &levels)
{
    Table<TreeItem> items;
    for (const int level : levels)
        items.append({QStringLiteral("value"), QStringLiteral("caption %1").arg(items.count() + 1), level, false});
    return items;
}

struct TreeCase {
    const char *what;
    QList<int> levels;
    QStringList shape;
};

void PrintTo(const TreeCase &c, std::ostream *out)
{
    casenames::Print(out, c.what);
}

class TreeBuilding : public testing::TestWithParam<TreeCase> {};

TEST_P(TreeBuilding, NodesHangUnderTheLatestNodeOneLevelUpAndKeepTheirEntrysNumber)
{
    QTreeWidget tree;
    new QTreeWidgetItem(&tree, {QStringLiteral("left from before")});
    mdlLoad::FillTree(&tree, Entries(GetParam().levels), u'k', QIcon(), QIcon());
    EXPECT_EQ(Shape(tree), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(
    WorkPanel, TreeBuilding,
    testing::Values(
        TreeCase{"a child of the latest level-2 node, not of the later top node",
                 {1, 2, 2, 3, 1, 3},
                 {"k1<", "k2<k1", "k3<k1", "k4<k3", "k6<k3", "k5<"}},
        TreeCase{"a first entry below the top level has no parent", {2, 1, 2}, {"k2<", "k3<k2"}},
        TreeCase{"a level jump has no parent", {1, 3, 2}, {"k1<", "k3<k1"}},
        TreeCase{"levels outside 1 to 5 get no node, level 5 is never a parent",
                 {0, 1, 6, 2, 3, 4, 5, 5},
                 {"k2<", "k4<k2", "k5<k4", "k6<k5", "k7<k6", "k8<k6"}},
        TreeCase{"an empty table leaves an empty tree", {}, {}}),
    casenames::Named(&TreeCase::what));

TEST(TreePictures, GroupsTakeTheGroupPictureAndItemsTheTreesOwn)
{
    QPixmap group(16, 16), item(16, 16);
    group.fill(Qt::yellow);
    item.fill(Qt::blue);
    Table<TreeItem> items = Entries({1, 2});
    items[1].IsGroup = true;
    QTreeWidget tree;
    mdlLoad::FillTree(&tree, items, u'c', QIcon(group), QIcon(item));
    ASSERT_EQ(Shape(tree), QStringList({"c1<", "c2<c1"}));
    const auto colour = [](const QTreeWidgetItem *node) {
        return node->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8);
    };
    EXPECT_EQ(colour(tree.topLevelItem(0)), QColor(Qt::yellow));
    EXPECT_EQ(colour(tree.topLevelItem(0)->child(0)), QColor(Qt::blue));
    EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(0), "caption 2");
}

// The builder at start, on the shipped lists.
class WorkPanelBuilder : public LoadedProgram {};

TEST_F(WorkPanelBuilder, TheListsHaveTheirHeadingFirstAndSelectAStoredChoiceThatTheyHold)
{
    const int codes = mdlLoad::Codes.count();
    ASSERT_GE(codes, 2);
    mdlLoad::Code1Main = QString::number(codes - 1);
    mdlLoad::Code2Main = QString::number(codes);
    mdlLoad::FillMainPanels();

    QComboBox *code = main()->cmbCode;
    ASSERT_EQ(code->count(), codes + 1);
    EXPECT_EQ(code->itemText(0), "КОДИРОВКА ФАЙЛА:");
    EXPECT_EQ(code->itemText(1), "- " + mdlLoad::Codes[1].Name);
    EXPECT_EQ(main()->cmbCode2->itemText(0), "ОТКРЫТЬ В КОДИРОВКЕ:");
    EXPECT_EQ(main()->cmbFilter->itemText(0), "ТИП ФАЙЛОВ:");
    EXPECT_EQ(code->currentIndex(), codes) << "the last code page";
    EXPECT_EQ(mdlLoad::Code1Main, QString::number(codes - 1));
    EXPECT_EQ(main()->cmbCode2->currentIndex(), -1) << "a choice past the list selects nothing";
    EXPECT_EQ(mdlLoad::Code2Main, "0");
}

TEST_F(WorkPanelBuilder, TheFolderTreeFirstTakesAThirdOfThePanelUnderTheDriveCombo)
{
    using TwipLayout::Rect;
    const QRect drive = Rect(main()->cmbDrive->place);
    const QRect tree = Rect(main()->trvDir->place);
    EXPECT_EQ(Rect(main()->tlbPathUp).left(), 0);
    EXPECT_EQ(drive.left(), Rect(main()->tlbPathUp).width());
    EXPECT_EQ(tree.left(), 0);
    EXPECT_NEAR(tree.top(), drive.top() + drive.height() + 30, 15);
    EXPECT_NEAR(tree.height(), Rect(main()->picServise).height() / 3, 15);
    EXPECT_EQ(Rect(main()->lstDirFiles->place).left(), 0);
}

TEST_F(WorkPanelBuilder, TheAutotextTreeLeavesOutTheTextBeforeTheFirstNode)
{
    ASSERT_GT(main()->trvPhrase->topLevelItemCount(), 0);
    EXPECT_EQ(mdlLoad::TreeNodeKey(main()->trvPhrase->topLevelItem(0)), "k2");
    EXPECT_EQ(mdlLoad::TreeNodeKey(main()->trvColor->topLevelItem(0)), "c1");
    EXPECT_EQ(mdlLoad::TreeNodeKey(main()->trvSymbol->topLevelItem(0)), "s1");
}

TEST_F(WorkPanelBuilder, TheStoredPageIsShownAndOneThatTheStripLacksChangesNothing)
{
    mdlLoad::PanelServis = 3;
    mdlLoad::FillMainPanels();
    EXPECT_EQ(main()->sstServise->SelectedPosition(), 3);
    EXPECT_TRUE(main()->picServiseColor->isVisible());
    for (QWidget *page : {main()->picServiseFile, main()->picServisePhrase, main()->picServiseSymbol})
        EXPECT_FALSE(page->isVisible());

    mdlLoad::PanelServis = 5;
    mdlLoad::FillMainPanels();
    EXPECT_EQ(main()->sstServise->SelectedPosition(), 3);
    EXPECT_TRUE(main()->picServiseFile->isVisible()) << "the file page, as the builder leaves it";
    EXPECT_EQ(mdlLoad::PanelServis, 5);
}

} // namespace
