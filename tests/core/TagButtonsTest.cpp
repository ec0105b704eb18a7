#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadButtons.h"
#include "app/mainwindow/ImageList.h"

#include "tests/CaseNames.h"
#include "tests/TempFolder.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

QList<qint32> ItemsOf(const NamedList &group)
{
    return QList<qint32>(group.Items.begin(), group.Items.end());
}

class TagGroups : public testing::Test {
protected:
    void TearDown() override { Panels.clear(); }
    void Load(const QByteArray &text) { LoadPanels(folder.write("panel.ini", text)); }
    TempFolder folder;
};

TEST_F(TagGroups, CaptionLosesTheCharacterBeforeTheBar)
{
    Load("x|101\r\n"           // one character: the caption is empty
         "|101\r\n"
         "   x|101\r\n"        // blanks and the dropped character
         "no bar\r\n"
         "\r\n"
         " Text :|101 102\r\n"
         "A%vB%p!|\r\n"
         "\xD2\xE5\xEA\xF1\xF2:|  103  \r\n");
    ASSERT_EQ(Panels.count(), 3);
    EXPECT_EQ(Panels[1].Name, "p1");
    EXPECT_EQ(Panels[1].Title, "Text");
    EXPECT_EQ(ItemsOf(Panels[1]), QList<qint32>({101, 102}));
    EXPECT_EQ(Panels[2].Name, "p2") << "skipped lines take no number";
    EXPECT_EQ(Panels[2].Title, "A|B%");
    EXPECT_TRUE(Panels[2].Items.isEmpty());
    EXPECT_EQ(Panels[3].Title, "Текст");
    EXPECT_EQ(ItemsOf(Panels[3]), QList<qint32>({103}));
}

TEST_F(TagGroups, IdsAreReadByTheNumberRule)
{
    Load("Ids:|101 word 0  101.5\t 102.5 &H65 -1 7x\r\n");
    ASSERT_EQ(Panels.count(), 1);
    EXPECT_EQ(ItemsOf(Panels[1]), QList<qint32>({101, 0, 0, 102, 102, 101, -1, 7}))
        << "a word that is no number is a separator; a tab joins its neighbours";
}

TEST_F(TagGroups, AFileWithoutGroupsGivesTheStandardGroupAMissingFileNone)
{
    for (const QByteArray &text : {QByteArray(), QByteArray("x|101\r\nnothing\r\n")}) {
        Load(text);
        ASSERT_EQ(Panels.count(), 1) << text.constData();
        EXPECT_EQ(Panels[1].Name, "p1");
        EXPECT_EQ(Panels[1].Title, "Стандартная");
        EXPECT_TRUE(Panels[1].Items.isEmpty());
    }
    LoadPanels(folder.path("missing.ini"));
    EXPECT_TRUE(Panels.isEmpty());
}

// A group keeps its first places in their order, and the file its first groups, however long the line
// or the file; a skipped line does not count.
TEST_F(TagGroups, AHugeGroupOrAHugeFileIsCutAtTheLimits)
{
    QByteArray ids;
    for (int i = 0; i < 250000; ++i)
        ids += QByteArray::number(101 + i % 7) + (i % 5 == 4 ? " 0 " : " ");
    Load("Huge:|" + ids + "\r\nNext:|105\r\n");
    ASSERT_EQ(Panels.count(), 2);
    ASSERT_EQ(Panels[1].Items.count(), MaxGroupButtons);
    QList<qint32> first;
    for (int i = 0; first.size() < MaxGroupButtons; ++i) {
        first << 101 + i % 7;
        if (i % 5 == 4 && first.size() < MaxGroupButtons)
            first << 0;
    }
    EXPECT_EQ(ItemsOf(Panels[1]), first);
    EXPECT_EQ(ItemsOf(Panels[2]), QList<qint32>({105})) << "the next line is read as ever";

    QByteArray lines = "x|101\r\n";
    for (int i = 1; i <= 100000; ++i)
        lines += "Group " + QByteArray::number(i) + ":|101\r\n";
    Load(lines);
    ASSERT_EQ(Panels.count(), MaxTegGroups);
    EXPECT_EQ(Panels[1].Title, "Group 1");
    EXPECT_EQ(Panels[MaxTegGroups].Title, "Group " + QString::number(MaxTegGroups));
    EXPECT_EQ(Panels[MaxTegGroups].Name, "p" + QString::number(MaxTegGroups));
}

// The buttons folder holds a.png to e.png and a file that is no picture; the picture list starts with
// four pictures of its own, as the main window's does.
class TagButtons : public testing::Test {
protected:
    void SetUp() override
    {
        savedFolder = ButtonsFolder;
        ButtonsFolder = folder.path("buttons") + u'/';
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::darkBlue);
        folder.write("buttons/.keep", {});
        for (const char *name : {"a.png", "b.png", "c.png", "d.png", "e.png", "own.png"})
            picture.save(ButtonsFolder + QLatin1String(name));
        folder.write("buttons/broken.png", "no picture");
        for (int n = 1; n <= Designed; ++n)
            pictures.Add(n, ButtonsFolder + "own.png", QString());
    }
    void TearDown() override
    {
        ButtonsFolder = savedFolder;
        SetButtonDefault();
    }

    void Load(const QByteArray &text) { LoadButtons(folder.write("button.ini", text), pictures); }

    // The buttons of button.ini, in table order.
    static QList<TegButton> Loaded()
    {
        QList<TegButton> buttons;
        for (int k = Designed + 1; k <= Buttons.count(); ++k)
            buttons.append(Buttons[k]);
        return buttons;
    }

    static constexpr int Designed = 4;
    TempFolder folder;
    ImageList pictures;
    QString savedFolder;
};

TEST_F(TagButtons, WithoutButtonIniOnlyTheBuiltInButton)
{
    LoadButtons(folder.path("missing.ini"), pictures);
    ASSERT_EQ(Buttons.count(), 1);
    const TegButton &master = Buttons[1];
    EXPECT_EQ(master.Id, 13);
    EXPECT_TRUE(master.Flag);
    EXPECT_EQ(master.ImageIndex, 1);
    EXPECT_EQ(master.Text1, "master13");
    EXPECT_TRUE(master.Picture.isEmpty() && master.ToolTip.isEmpty() && master.Text2.isEmpty()
                && master.Text3.isEmpty());
    EXPECT_EQ(pictures.Count(), Designed);
}

TEST_F(TagButtons, EachButtonStandsAtItsPicturesNumber)
{
    Load(" 101 | a.png | Bold | <b> | | </b> \r\n"
         "102|b.png|Line|<br>| |\r\n");
    ASSERT_EQ(Buttons.count(), Designed + 2);
    for (int k = 2; k <= Designed; ++k) {
        EXPECT_EQ(Buttons[k].Id, 0) << k;
        EXPECT_EQ(Buttons[k].ImageIndex, 0) << k;
    }
    const TegButton &bold = Buttons[Designed + 1];
    EXPECT_EQ(bold.Id, 101);
    EXPECT_FALSE(bold.Flag);
    EXPECT_EQ(bold.ImageIndex, Designed + 1);
    EXPECT_EQ(bold.Picture, "a.png");
    EXPECT_EQ(bold.ToolTip, "Bold");
    EXPECT_EQ(bold.Text2, "<b>");
    EXPECT_EQ(bold.Text1, "");
    EXPECT_EQ(bold.Text3, "</b>");
    EXPECT_EQ(Buttons[Designed + 2].ImageIndex, Designed + 2);
    EXPECT_EQ(Buttons[Designed + 2].Text3, "") << "the after field may be empty";
    EXPECT_EQ(pictures.Count(), Designed + 2);
    EXPECT_FALSE(pictures.Icon(Designed + 2).isNull());
}

struct FieldCase {
    const char *name;
    const char *line;
    const char *before;
    const char *centre;
    const char *after;
    const char *toolTip;
};

void PrintTo(const FieldCase &c, std::ostream *out)
{
    casenames::Print(out, c.line);
}

class ButtonFields : public TagButtons, public testing::WithParamInterface<FieldCase> {};

TEST_P(ButtonFields, MarkersThenEscapes)
{
    Load(GetParam().line);
    ASSERT_EQ(Buttons.count(), Designed + 1) << GetParam().line;
    const TegButton &button = Buttons[Designed + 1];
    EXPECT_EQ(button.Text2, QString::fromUtf8(GetParam().before));
    EXPECT_EQ(button.Text1, QString::fromUtf8(GetParam().centre));
    EXPECT_EQ(button.Text3, QString::fromUtf8(GetParam().after));
    EXPECT_EQ(button.ToolTip, QString::fromUtf8(GetParam().toolTip));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ButtonFields,
    testing::Values(FieldCase{"LineBreaksAndGuardedBlanks", "101|a.png|t|<ul>%l<li>|%s  x  %f|</ul>", "<ul>\r\n<li>",
                              "  x  ", "</ul>", "t"},
                    FieldCase{"CapitalMarkersAreText", "101|a.png|t|%L|%S|%F", "%L", "%S", "%F", "t"},
                    FieldCase{"GuardsOnlyAtTheEdges", "101|a.png|t|x%s|%fx|%l", "x%s", "%fx", "\r\n", "t"},
                    FieldCase{"EscapesAfterTheMarkersAndTheRestWhole", "101|a.png|a%vb%p|%pl|%v|c|d|e", "%l", "|",
                              "c|d|e", "a|b%"},
                    FieldCase{"OneGuardEachAndNoMarkersInTheTip", "101|a.png|%l|%s%s|x|%f%f", "%s", "x", "%f", "%l"},
                    FieldCase{"UnguardedBlanksTrimmed", "101|a.png|t|%e| notepad |1", "%e", "notepad", "1", "t"}),
    casenames::Named(&FieldCase::name));

TEST_F(TagButtons, LinesNeedFiveFieldsBeforeTheAfterText)
{
    Load("|a.png|t|b|c|d\r\n"
         "101||t|b|c|d\r\n"
         "101|a.png||b|c|d\r\n"
         "101|a.png|t||c|d\r\n"
         "101|a.png|t|b||d\r\n"
         "101|a.png|t|b|c\r\n"
         "\r\n"
         "102|b.png| | | |\r\n");
    ASSERT_EQ(Buttons.count(), Designed + 1);
    EXPECT_EQ(Buttons[Designed + 1].Id, 102);
    EXPECT_EQ(Buttons[Designed + 1].ToolTip, "") << "fields of blanks pass and are empty";
}

TEST_F(TagButtons, LinesRepeatingTheIdContinueTheTexts)
{
    Load("110|a.png|Table|<table>|x|</table>\r\n"
         "110|e.png|ignored|%s<tr>| |%l\r\n" // markers stay; picture and tool tip are ignored
         "junk\r\n"                          // a skipped line keeps the previous id
         "110| | |b2|c2|a2\r\n"
         "111|b.png|Next| |  |\r\n"
         "111| | |b| |\r\n");
    const QList<TegButton> buttons = Loaded();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0].Text2, "<table>\r\n%s<tr>\r\nb2");
    EXPECT_EQ(buttons[0].Text1, "x\r\nc2");
    EXPECT_EQ(buttons[0].Text3, "</table>\r\n%l\r\na2");
    EXPECT_EQ(buttons[0].Picture, "a.png");
    EXPECT_EQ(buttons[0].ToolTip, "Table");
    EXPECT_EQ(buttons[1].Text2, "\r\nb") << "a continued text gets its line break even when it was empty";
    EXPECT_EQ(pictures.Count(), Designed + 2) << "continuation lines add no picture";
}

TEST_F(TagButtons, ButtonsWithoutAPictureAreLeftOut)
{
    Load("101|missing.png|t|b|c|d\r\n"
         "101|a.png|t|b|continues nothing|d\r\n"
         "102|broken.png|t|b|c|d\r\n"
         "103|../buttons/a.png|t|b|c|d\r\n"
         "104|A.PNG|t|b|c|d\r\n"
         "105|c.png|t|b|made|d\r\n");
    const QList<TegButton> buttons = Loaded();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0].Id, 105);
    EXPECT_EQ(buttons[0].ImageIndex, Designed + 1);
    EXPECT_EQ(pictures.Count(), Designed + 1);
}

TEST_F(TagButtons, AnIdRepeatedLaterGetsNoSecondButton)
{
    Load("101|a.png|first|b|c|d\r\n"
         "102|b.png|t|b|c|d\r\n"
         "101|c.png|second|b|c|d\r\n"
         "101|d.png|continues nothing|b|x|d\r\n");
    const QList<TegButton> buttons = Loaded();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0].ToolTip, "first");
    EXPECT_EQ(buttons[0].Text1, "c");
    EXPECT_EQ(buttons[1].Id, 102);
    EXPECT_EQ(pictures.Count(), Designed + 2) << "the picture key b101 is taken";
}

TEST_F(TagButtons, ReloadStartsAgainFromTheBuiltInButton)
{
    Load("101|a.png|t|b|c|d\r\n");
    ASSERT_EQ(Buttons.count(), Designed + 1);
    LoadButtons(folder.path("missing.ini"), pictures);
    EXPECT_EQ(Buttons.count(), 1);
    EXPECT_EQ(Buttons[1].Id, 13);
}

} // namespace
