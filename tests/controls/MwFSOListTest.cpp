#include "tests/controls/MwFSOControlFixture.h"

#include "controls/MwFSOFiles.h"
#include "controls/MwFSOList.h"
#include "controls/MwFSOTree.h"

#include "platform/components/PropertyBag.h"
#include "platform/forms/Twips.h"

#include <QListView>
#include <QTest>
#include <QTreeView>

using namespace mwfso_test;
using MwFSO::MwFSOList;

namespace {

class MwFSOListControl : public testing::Test {
protected:
    MwFSOListControl() : list(MwFSO::CreateListObject(), QStringLiteral("__MwFSOList"))
    {
        for (const char *name : {"beta", "Alpha", "gamma.htm", ".hid"})
            folders.dir(QString::fromLatin1(name));
        for (const char *name : {"b.txt", "A.htm", ".secret"})
            folders.file(QString::fromLatin1(name));
        root = folders.root();
    }

    QStringList Keys() const
    {
        QStringList keys;
        for (int row = 0; row < list.widget->Model()->Count(); ++row)
            keys.append(list.widget->Model()->Item(row).Key);
        return keys;
    }

    int Row(const QString &key) const { return static_cast<int>(Keys().indexOf(key)); }
    QAbstractItemView *View() const { return static_cast<QAbstractItemView *>(list.widget->CurrentView()); }
    QPoint Place(const QString &key) const
    {
        return View()->visualRect(list.widget->Model()->index(Row(key), 0)).center();
    }

    Folders folders;
    QString root;
    Hosted<MwFSOList> list;
};

TEST_F(MwFSOListControl, ListsFoldersByNameThenTheFilesAndReportsTheFirstItem)
{
    list.Put(QStringLiteral("Path"), root.chopped(1));
    EXPECT_EQ(list.Path(), root);
    EXPECT_EQ(Keys(), QStringList({"Alpha/", "beta/", "gamma.htm/", "A.htm", "b.txt"}));
    EXPECT_EQ(list.log.lines,
              QStringList({QStringLiteral("ItemGoto %1 3").arg(root), QStringLiteral("ItemClick %1Alpha/ 3").arg(root)}));
}

TEST_F(MwFSOListControl, EmptyPathShowsTheDrives)
{
    list.Put(QStringLiteral("Path"), root);
    list.log.lines.clear();
    list.Put(QStringLiteral("Path"), QString());
    ASSERT_FALSE(Keys().isEmpty());
    EXPECT_EQ(Keys().first(), QStringLiteral("/"));
    for (const QString &key : Keys())
        EXPECT_TRUE(key.endsWith(u'/'));
    EXPECT_EQ(list.log.lines.first(), QStringLiteral("ItemGoto  1"));
    EXPECT_EQ(list.log.lines.value(1), QStringLiteral("ItemClick / 2"));
}

TEST_F(MwFSOListControl, ClicksReportAnItemOnceAndDoubleClicksAndEnterEveryTime)
{
    list.Put(QStringLiteral("Path"), root);
    list.log.lines.clear();
    QWidget *area = View()->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, Place(QStringLiteral("b.txt")));
    QTest::mouseClick(area, Qt::LeftButton, {}, Place(QStringLiteral("b.txt")));
    EXPECT_EQ(list.log.lines, QStringList({QStringLiteral("ItemClick %1b.txt 4").arg(root)}));

    list.log.lines.clear();
    QTest::mouseDClick(area, Qt::LeftButton, {}, Place(QStringLiteral("b.txt")));
    View()->setFocus();
    QTest::keyClick(View(), Qt::Key_Return);
    QTest::keyClick(View(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(list.log.Only(QStringLiteral("ItemDblClick")),
              QStringList(2, QStringLiteral("ItemDblClick %1b.txt 4").arg(root)));
}

TEST_F(MwFSOListControl, RightPressIsReportedAfterTheClick)
{
    list.Put(QStringLiteral("Path"), root);
    list.log.lines.clear();
    const QPoint at = Place(QStringLiteral("beta/"));
    QTest::mouseClick(View()->viewport(), Qt::RightButton, {}, at);
    EXPECT_EQ(list.log.lines, QStringList({QStringLiteral("ItemClick %1beta/ 3").arg(root),
                                           QStringLiteral("ItemRightClick %1beta/ 3 %2 %3")
                                               .arg(root)
                                               .arg(at.x() * platform::forms::TwipsPerPixel)
                                               .arg(at.y() * platform::forms::TwipsPerPixel)}));
}

TEST_F(MwFSOListControl, PatternReadsTheFolderAgain)
{
    list.Put(QStringLiteral("Path"), root);
    list.Put(QStringLiteral("Pattern"), QStringLiteral("*.htm"));
    EXPECT_EQ(list.Get(QStringLiteral("Pattern")).ToString(), QStringLiteral("*.htm"));
    EXPECT_EQ(Keys(), QStringList({"Alpha/", "beta/", "gamma.htm/", "A.htm"}));
    list.Put(QStringLiteral("Pattern"), QStringLiteral("*.txt;*.htm"));
    EXPECT_EQ(Keys(), QStringList({"Alpha/", "beta/", "gamma.htm/", "A.htm", "b.txt"}));
}

TEST_F(MwFSOListControl, GotoUpClimbsToTheDrivesAndStopsThere)
{
    list.Put(QStringLiteral("Path"), root + QStringLiteral("beta"));
    EXPECT_TRUE(list.Call(QStringLiteral("GotoUp")).ToBool());
    EXPECT_EQ(list.Path(), root);
    list.Put(QStringLiteral("Path"), QStringLiteral("/"));
    EXPECT_TRUE(list.Call(QStringLiteral("GotoUp")).ToBool());
    EXPECT_EQ(list.Path(), QString());
    EXPECT_FALSE(list.Call(QStringLiteral("GotoUp")).ToBool());
}

TEST_F(MwFSOListControl, SelectedAndSelectingSpeakOfTheSelectedItem)
{
    Variant type(std::int32_t(-1));
    const auto selected = [&] {
        return list.Call(QStringLiteral("Selected"), {Variant::Ref(type)}).ToString();
    };
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(type.ToInt32(), 0);

    list.Put(QStringLiteral("Path"), root);
    list.Put(QStringLiteral("Path"), QString());
    EXPECT_EQ(selected(), QStringLiteral("/"));
    EXPECT_EQ(type.ToInt32(), 2);

    list.Put(QStringLiteral("Path"), root);
    EXPECT_EQ(selected(), QStringLiteral("Alpha"));
    EXPECT_EQ(type.ToInt32(), 3);

    list.log.lines.clear();
    EXPECT_TRUE(list.Call(QStringLiteral("Selecting"), {Variant(root + QStringLiteral("b.txt"))}).ToBool());
    EXPECT_EQ(selected(), QStringLiteral("b.txt"));
    EXPECT_EQ(type.ToInt32(), 4);
    EXPECT_EQ(list.log.lines, QStringList({QStringLiteral("ItemClick %1b.txt 4").arg(root)}));
    EXPECT_TRUE(list.Call(QStringLiteral("Selecting"), {Variant("gamma.htm"), Variant(false)}).ToBool());
    EXPECT_EQ(type.ToInt32(), 4);
    selected();
    EXPECT_EQ(type.ToInt32(), 3);
    EXPECT_FALSE(list.Call(QStringLiteral("Selecting"), {Variant("B.TXT"), Variant(false)}).ToBool());
    EXPECT_FALSE(list.Call(QStringLiteral("Selecting"), {Variant(QString())}).ToBool());
}

TEST_F(MwFSOListControl, TypeViewSwitchesTheViewAndDetailsFillTheColumns)
{
    list.Put(QStringLiteral("Path"), root);
    struct Case {
        int view;
        QListView::ViewMode mode;
        QListView::Flow flow;
    };
    for (const Case &c : {Case{1, QListView::IconMode, QListView::LeftToRight},
                          Case{2, QListView::ListMode, QListView::LeftToRight},
                          Case{3, QListView::ListMode, QListView::TopToBottom},
                          Case{1, QListView::IconMode, QListView::LeftToRight}}) {
        list.Put(QStringLiteral("TypeView"), std::int32_t(c.view));
        EXPECT_EQ(list.Get(QStringLiteral("TypeView")).ToInt32(), c.view);
        EXPECT_EQ(list.widget->CurrentView(), list.widget->ListView());
        EXPECT_EQ(list.widget->ListView()->viewMode(), c.mode) << c.view;
        EXPECT_EQ(list.widget->ListView()->flow(), c.flow) << c.view;
    }
    list.Put(QStringLiteral("TypeView"), std::int32_t(4));
    EXPECT_EQ(list.widget->CurrentView(), list.widget->ReportView());
    const MwFSO::FileListModel *model = list.widget->Model();
    const int file = Row(QStringLiteral("b.txt"));
    EXPECT_EQ(model->data(model->index(file, MwFSO::ColumnExt), Qt::DisplayRole).toString(), QStringLiteral("txt"));
    EXPECT_EQ(model->data(model->index(file, MwFSO::ColumnSize), Qt::DisplayRole).toString(), QStringLiteral("1"));
    EXPECT_FALSE(model->data(model->index(file, MwFSO::ColumnModified), Qt::DisplayRole).toString().isEmpty());
    const int folder = Row(QStringLiteral("beta/"));
    EXPECT_EQ(model->data(model->index(folder, MwFSO::ColumnSize), Qt::DisplayRole).toString(), QString());
    EXPECT_EQ(model->headerData(MwFSO::ColumnModified, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Изменен"));

    list.Put(QStringLiteral("TypeView"), std::int32_t(7));
    EXPECT_EQ(list.Get(QStringLiteral("TypeView")).ToInt32(), 7);
    EXPECT_EQ(list.widget->CurrentView(), list.widget->ReportView());
}

TEST_F(MwFSOListControl, MissingFolderKeepsTheListUnlessTheShownOneWentToo)
{
    const QString beta = root + QStringLiteral("beta/");
    list.Put(QStringLiteral("Path"), beta);
    list.log.lines.clear();
    list.Put(QStringLiteral("Path"), root + QStringLiteral("missing"));
    EXPECT_EQ(list.Path(), beta);
    EXPECT_EQ(list.log.lines, QStringList());
    QDir(beta).removeRecursively();
    list.Put(QStringLiteral("Path"), root + QStringLiteral("missing"));
    EXPECT_EQ(list.Path(), QString());
    EXPECT_EQ(list.log.lines.first(), QStringLiteral("ItemGoto  1"));
}

TEST_F(MwFSOListControl, KeyAsciiChangedByTheHandlerSearchesForTheOtherLetter)
{
    list.Put(QStringLiteral("Path"), root);
    list.log.handlers[QStringLiteral("KeyPress")] = [](Arguments &args) {
        if (args[0].ToInt16() == 'b')
            args[0].Assign(Variant(std::int16_t('g')));
    };
    View()->setFocus();
    list.log.lines.clear();
    QTest::keyClick(View(), Qt::Key_B);
    EXPECT_EQ(list.log.lines, QStringList({QStringLiteral("KeyDown 66 0"), QStringLiteral("KeyPress 98"),
                                           QStringLiteral("ItemClick %1gamma.htm/ 3").arg(root),
                                           QStringLiteral("KeyUp 66 0")}));
}

// Keys are reported by their place on a US keyboard and characters by their byte in the code page, as
// under a Russian layout: Ф lies on the A key, "." on the "/" key.
TEST_F(MwFSOListControl, PunctuationAndCyrillicKeysAreReportedByTheirPlaceAndTheirByte)
{
    list.Put(QStringLiteral("Path"), root);
    View()->setFocus();
    struct Case {
        const char *what;
        int key;
        quint32 place; // X11 key code; 0: the platform did not tell
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {"Ф", 0x0424, 38, QStringLiteral("ф"), {"KeyDown 65 0", "KeyPress 244", "KeyUp 65 0"}},
        {";", Qt::Key_Semicolon, 0, QStringLiteral(";"), {"KeyDown 186 0", "KeyPress 59", "KeyUp 186 0"}},
        {"Russian .", Qt::Key_Period, 61, QStringLiteral("."), {"KeyDown 191 0", "KeyPress 46", "KeyUp 191 0"}},
        {"[", Qt::Key_BracketLeft, 0, QStringLiteral("["), {"KeyDown 219 0", "KeyPress 91", "KeyUp 219 0"}},
    };
    for (const Case &c : cases) {
        list.log.lines.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, c.place, 0, 0, c.text);
        QKeyEvent release(QEvent::KeyRelease, c.key, Qt::NoModifier, c.place, 0, 0, c.text);
        QCoreApplication::sendEvent(View(), &press);
        QCoreApplication::sendEvent(View(), &release);
        EXPECT_EQ(list.log.Only(QStringLiteral("Key")), c.lines) << c.what;
    }
}

TEST_F(MwFSOListControl, ACyrillicByteFromTheKeyPressHandlerTypesItsLetter)
{
    folders.dir(QStringLiteral("жук"));
    list.Put(QStringLiteral("Path"), root);
    list.log.handlers[QStringLiteral("KeyPress")] = [](Arguments &args) {
        if (args[0].ToInt16() == 'b')
            args[0].Assign(Variant(std::int16_t(0xE6))); // "ж"
    };
    View()->setFocus();
    list.log.lines.clear();
    QTest::keyClick(View(), Qt::Key_B);
    EXPECT_EQ(list.log.Only(QStringLiteral("Item")), QStringList({QStringLiteral("ItemClick %1жук/ 3").arg(root)}));
}

TEST_F(MwFSOListControl, PutFromInsideItemGotoWinsOverTheFirstListing)
{
    const QString beta = root + QStringLiteral("beta/");
    bool once = false;
    list.log.handlers[QStringLiteral("ItemGoto")] = [&](Arguments &) {
        if (!std::exchange(once, true))
            list.Put(QStringLiteral("Path"), beta);
    };
    list.Put(QStringLiteral("Path"), root);
    EXPECT_EQ(list.Path(), beta);
    EXPECT_EQ(list.log.lines, QStringList({QStringLiteral("ItemGoto %1 3").arg(root), QStringLiteral("ItemGoto %1 3").arg(beta)}));
    EXPECT_EQ(Keys(), QStringList());
}

TEST(MwFSOListSavedProperties, LoadShowsTheFirstDriveThenAppliesPatternPathAndView)
{
    Folders folders;
    folders.file(QStringLiteral("a.htm"));
    folders.file(QStringLiteral("b.txt"));
    Hosted<MwFSOList> list(MwFSO::CreateListObject(), QStringLiteral("__MwFSOList"));
    PropertyBag bag;
    bag.Write(QStringLiteral("Enabled"), Variant(false));
    bag.Write(QStringLiteral("Pattern"), Variant("*.htm"));
    bag.Write(QStringLiteral("Path"), Variant(folders.root()));
    bag.Write(QStringLiteral("TypeView"), Variant(std::int16_t(4)));
    const ComPtr<IControl> control = Query<IControl>(list.object.Get());
    ASSERT_EQ(control->Load(bag), S_OK);
    EXPECT_FALSE(list.Get(QStringLiteral("Enabled")).ToBool());
    EXPECT_EQ(list.Path(), folders.root());
    EXPECT_EQ(list.Get(QStringLiteral("TypeView")).ToInt32(), 4);
    ASSERT_EQ(list.widget->Model()->Count(), 1);
    EXPECT_EQ(list.widget->Model()->Item(0).Key, QStringLiteral("a.htm"));
    EXPECT_EQ(list.log.Only(QStringLiteral("ItemGoto")),
              QStringList({QStringLiteral("ItemGoto / 2"), QStringLiteral("ItemGoto %1 3").arg(folders.root())}));

    PropertyBag saved;
    ASSERT_EQ(control->Save(saved), S_OK);
    EXPECT_EQ(saved.Read(QStringLiteral("Enabled")), Variant(false));
    EXPECT_EQ(saved.Read(QStringLiteral("Pattern")), Variant("*.htm"));
    EXPECT_EQ(saved.Read(QStringLiteral("Path")), Variant(folders.root()));
    EXPECT_EQ(saved.Read(QStringLiteral("TypeView")), Variant(std::int16_t(4)));
}

TEST(MwFSOListIdentity, MembersAnswerAtTheirFixedDispatchIdentifiers)
{
    Folders folders;
    Hosted<MwFSOList> list(MwFSO::CreateListObject(), QStringLiteral("__MwFSOList"));
    Arguments path{Variant(folders.root())};
    ASSERT_EQ(list.object->Invoke(0x68030002, InvokeKind::PropertyPut, path, nullptr, nullptr), S_OK);
    EXPECT_EQ(list.Path(), folders.root());
    Arguments view{Variant(std::int32_t(3))};
    ASSERT_EQ(list.object->Invoke(0x68030000, InvokeKind::PropertyPut, view, nullptr, nullptr), S_OK);
    EXPECT_EQ(list.Get(QStringLiteral("TypeView")).ToInt32(), 3);

    Hosted<MwFSO::MwFSOTree> tree(MwFSO::CreateTreeObject(), QStringLiteral("__MwFSOTree"));
    Arguments treePath{Variant(folders.root())};
    ASSERT_EQ(tree.object->Invoke(0x68030000, InvokeKind::PropertyPut, treePath, nullptr, nullptr), S_OK);
    EXPECT_EQ(tree.Path(), folders.root());
}

} // namespace
