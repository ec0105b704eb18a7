#include "tests/CaseNames.h"
#include "tests/controls/MwFSOControlFixture.h"

#include "controls/MwFSOCombo.h"
#include "controls/MwFSOFolders.h"

#include <QComboBox>
#include <QTest>

#include <optional>

using namespace mwfso_test;
using MwFSO::MwFSOCombo;

namespace {

class MwFSOComboControl : public testing::Test {
protected:
    MwFSOComboControl() : combo(MwFSO::CreateComboObject(), QStringLiteral("__MwFSOCombo")) {}

    QComboBox *Box() const { return combo.widget->Combo(); }
    QString KeyAt(int i) const { return Box()->itemData(i, MwFSO::ItemKeyRole).toString(); }
    int LevelAt(int i) const { return Box()->itemData(i, MwFSO::ItemLevelRole).toInt(); }
    QStringList FolderKeys() const
    {
        QStringList keys;
        for (int i = 0; i < Box()->count(); ++i) {
            if (LevelAt(i) > 1)
                keys.append(KeyAt(i));
        }
        return keys;
    }

    Folders folders;
    Hosted<MwFSOCombo> combo;
};

TEST_F(MwFSOComboControl, StartsWithTheComputerAndTheDrives)
{
    EXPECT_EQ(Box()->itemText(0), QStringLiteral("Мой компьютер"));
    EXPECT_EQ(KeyAt(0), QString());
    EXPECT_EQ(LevelAt(0), 0);
    ASSERT_GE(Box()->count(), 2);
    EXPECT_EQ(KeyAt(1), QStringLiteral("/"));
    EXPECT_EQ(LevelAt(1), 1);
    EXPECT_EQ(Box()->currentIndex(), 0);
}

TEST_F(MwFSOComboControl, PathPutShowsTheChainIndentedAfterItsDriveAndRaisesGotoOnly)
{
    const QString deep = folders.dir(QStringLiteral("one/two/three"));
    combo.Put(QStringLiteral("Path"), deep.chopped(1));
    EXPECT_EQ(combo.Path(), deep);
    EXPECT_EQ(combo.log.lines, QStringList({QStringLiteral("ItemGoto %1 3").arg(deep)}));
    const QStringList chain = FolderKeys();
    ASSERT_GE(chain.size(), 3);
    EXPECT_EQ(chain.last(), deep);
    const int last = Box()->currentIndex();
    EXPECT_EQ(KeyAt(last), deep);
    EXPECT_EQ(Box()->itemText(last), QStringLiteral("three"));
    EXPECT_EQ(LevelAt(last), LevelAt(last - 1) + 1);
    EXPECT_EQ(LevelAt(last - 1), LevelAt(last - 2) + 1);
    // The chain stands right after the drive "/", one level for each folder below the drive's root.
    EXPECT_EQ(KeyAt(2), chain.first());
    EXPECT_EQ(LevelAt(last), deep.count(u'/'));

    combo.log.lines.clear();
    combo.Put(QStringLiteral("Path"), deep);
    combo.Put(QStringLiteral("Path"), folders.root() + QStringLiteral("missing"));
    EXPECT_EQ(combo.log.lines, QStringList());
    EXPECT_EQ(combo.Path(), deep);
}

TEST_F(MwFSOComboControl, AMissingFolderOnADriveMountedSinceChangesNothing)
{
    const QString x = folders.dir(QStringLiteral("x"));
    combo.Put(QStringLiteral("Path"), x);
    const QStringList shown = MwFSO::ComboDrives(*Box());
    const Drives drives(shown + QStringList{folders.dir(QStringLiteral("mnt"))});
    combo.log.lines.clear();
    combo.Put(QStringLiteral("Path"), folders.root() + QStringLiteral("mnt/missing"));
    EXPECT_EQ(combo.log.lines, QStringList());
    EXPECT_EQ(combo.Path(), x);
    EXPECT_EQ(MwFSO::ComboDrives(*Box()), shown);
    EXPECT_EQ(KeyAt(Box()->currentIndex()), x);
}

TEST_F(MwFSOComboControl, DriveRootLeavesNoFolderItemsAndSelectsTheDrive)
{
    combo.Put(QStringLiteral("Path"), folders.dir(QStringLiteral("x")));
    combo.Put(QStringLiteral("Path"), QStringLiteral("/"));
    EXPECT_EQ(FolderKeys(), QStringList());
    EXPECT_EQ(KeyAt(Box()->currentIndex()), QStringLiteral("/"));
    EXPECT_EQ(combo.log.lines.last(), QStringLiteral("ItemGoto / 2"));
    combo.Put(QStringLiteral("Path"), QString());
    EXPECT_EQ(Box()->currentIndex(), 0);
    EXPECT_EQ(combo.log.lines.last(), QStringLiteral("ItemGoto  1"));
}

TEST_F(MwFSOComboControl, APickIsReportedButTheHostDecidesThePath)
{
    const QString x = folders.dir(QStringLiteral("x"));
    combo.Put(QStringLiteral("Path"), x);
    combo.log.lines.clear();
    Box()->setFocus();
    QTest::keyClick(Box(), Qt::Key_Home);
    EXPECT_EQ(combo.log.Only(QStringLiteral("Item")), QStringList({QStringLiteral("ItemClick  1")}));
    EXPECT_EQ(combo.Path(), x);
    EXPECT_TRUE(combo.log.lines.contains(QStringLiteral("KeyDown 36 0")));
}

TEST_F(MwFSOComboControl, RefreshMovesToTheNearestExistingParent)
{
    const QString parent = folders.dir(QStringLiteral("p"));
    const QString child = folders.dir(QStringLiteral("p/q"));
    combo.Put(QStringLiteral("Path"), child);
    QDir(child).removeRecursively();
    combo.log.lines.clear();
    combo.Call(QStringLiteral("Refresh"));
    EXPECT_EQ(combo.Path(), parent);
    EXPECT_EQ(combo.log.lines, QStringList({QStringLiteral("ItemGoto %1 3").arg(parent)}));
    EXPECT_FALSE(FolderKeys().contains(child));

    combo.Put(QStringLiteral("Path"), QString());
    combo.log.lines.clear();
    combo.Call(QStringLiteral("Refresh"));
    EXPECT_EQ(combo.log.lines, QStringList({QStringLiteral("ItemGoto  1")}));
}

// The drop-down searches its items by the typed character. The KeyPress handler sees the character
// first: what it leaves is what the search gets, a 0 types nothing.
struct KeyPressCase {
    const char *name;
    char typed;
    std::optional<std::int16_t> answer; // what the handler leaves in KeyAscii; nothing: no change
    const char *selected;               // the folder of the item selected afterwards, below the root
};

void PrintTo(const KeyPressCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class MwFSOComboKeyPress : public MwFSOComboControl, public testing::WithParamInterface<KeyPressCase> {};

TEST_P(MwFSOComboKeyPress, TheCharacterTheHandlerLeavesIsTheOneTheComboSearchesFor)
{
    const KeyPressCase &c = GetParam();
    folders.dir(QStringLiteral("1st"));
    const QString deep = folders.dir(QStringLiteral("1st/2nd"));
    combo.Put(QStringLiteral("Path"), deep);
    ASSERT_EQ(KeyAt(Box()->currentIndex()), deep);
    QStringList seen;
    combo.log.handlers[QStringLiteral("KeyPress")] = [&](Arguments &args) {
        seen.append(QString::number(args[0].ToInt16()));
        if (c.answer)
            args[0].Assign(Variant(*c.answer));
    };
    combo.log.lines.clear();
    Box()->setFocus();
    QTest::keyClick(Box(), c.typed);

    EXPECT_EQ(seen, QStringList({QString::number(c.typed)}));
    const QString selected = folders.root() + QString::fromLatin1(c.selected);
    EXPECT_EQ(KeyAt(Box()->currentIndex()), selected);
    EXPECT_EQ(combo.log.Only(QStringLiteral("Item")),
              selected == deep ? QStringList() : QStringList({QStringLiteral("ItemClick %1 3").arg(selected)}))
        << "a pick by the key is reported";
    EXPECT_EQ(combo.Path(), deep) << "the host decides the path";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MwFSOComboKeyPress,
    testing::Values(KeyPressCase{"LeftAloneSelectsTheItemItBegins", '1', std::nullopt, "1st/"},
                    KeyPressCase{"SwallowedSelectsNothing", '1', std::int16_t(0), "1st/2nd/"},
                    KeyPressCase{"ASlashSwallowedSelectsNothing", '/', std::int16_t(0), "1st/2nd/"},
                    KeyPressCase{"ReplacedSelectsTheItemTheOtherCharacterBegins", '9', std::int16_t('1'), "1st/"},
                    KeyPressCase{"LeftAloneThatBeginsNoItemSelectsNothing", '9', std::nullopt, "1st/2nd/"}),
    casenames::Named(&KeyPressCase::name));

} // namespace
