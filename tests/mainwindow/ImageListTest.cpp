#include "app/core/mdlLoadButtons.h"
#include "app/mainwindow/ImageList.h"

#include "tests/LoadedProgram.h"
#include "tests/TempFolder.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// The tag bar's own pictures, which stand before those of button.ini.
constexpr int OwnPictures = 4;

// Pictures of one colour each, so that every place in the list tells which file went there.
constexpr std::pair<const char *, Qt::GlobalColor> Pictures[] = {
    {"red.png", Qt::red}, {"blue.png", Qt::blue}, {"green.png", Qt::green}, {"yellow.png", Qt::yellow},
    {"cyan.png", Qt::cyan}};

class PictureList : public testing::Test {
protected:
    void SetUp() override
    {
        for (const auto &[name, colour] : Pictures) {
            QImage picture(16, 16, QImage::Format_RGB32);
            picture.fill(colour);
            picture.save(folder.path(name));
        }
        folder.write("broken.png", "no picture");
    }

    QRgb ColourOf(int index) const { return list.Icon(index).pixmap(16, 16).toImage().pixel(8, 8); }
    // The file whose picture stands at each place from 1 to Count(); "?" for a picture of none of them.
    QStringList Places() const
    {
        QStringList places;
        for (int k = 1; k <= list.Count(); ++k) {
            QString place = QStringLiteral("?");
            for (const auto &[name, colour] : Pictures)
                if (ColourOf(k) == QColor(colour).rgb())
                    place = QString::fromLatin1(name);
            places.append(place);
        }
        return places;
    }

    TempFolder folder;
    ImageList list;
};

TEST_F(PictureList, InsertsAtAnIndexUnderAKeyOfItsOwn)
{
    list.Add(1, folder.path("red.png"), "r");
    list.Add(1, folder.path("blue.png"), "b");
    list.Add(3, folder.path("green.png"), QString());
    list.Add(4, folder.path("yellow.png"), QString());
    ASSERT_EQ(list.Count(), 4) << "pictures without a key never clash";
    EXPECT_EQ(ColourOf(1), QColor(Qt::blue).rgb());
    EXPECT_EQ(ColourOf(2), QColor(Qt::red).rgb());
    EXPECT_EQ(Places(), QStringList({"blue.png", "red.png", "green.png", "yellow.png"})) << "each appended at the end";
    EXPECT_TRUE(list.Icon(0).isNull());
    EXPECT_TRUE(list.Icon(5).isNull());

    list.Add(3, folder.path("cyan.png"), QString());
    EXPECT_EQ(Places(), QStringList({"blue.png", "red.png", "cyan.png", "green.png", "yellow.png"}))
        << "inserted before the picture that stood at its place";
}

TEST_F(PictureList, RefusesATakenKeyABrokenFileAndAnIndexOutside)
{
    list.Add(1, folder.path("red.png"), "r");
    list.Add(2, folder.path("blue.png"), "r");
    list.Add(2, folder.path("broken.png"), "x");
    list.Add(2, folder.path("missing.png"), "y");
    list.Add(0, folder.path("blue.png"), "z");
    list.Add(3, folder.path("blue.png"), "z");
    EXPECT_EQ(list.Count(), 1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    list.Add(1, folder.path("blue.png"), "r");
    EXPECT_EQ(list.Count(), 1) << "a cleared list holds no keys";
}

TEST_F(PictureList, AnOwnPictureThatDoesNotLoadKeepsItsPlaceBlank)
{
    list.AddOwn(folder.path("red.png"));
    list.AddOwn(folder.path("missing.png"));
    list.AddOwn(folder.path("broken.png"));
    list.AddOwn(folder.path("blue.png"));
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(ColourOf(1), QColor(Qt::red).rgb());
    EXPECT_TRUE(list.Icon(2).isNull());
    EXPECT_TRUE(list.Icon(3).isNull());
    EXPECT_EQ(ColourOf(4), QColor(Qt::blue).rgb());
    list.Add(5, folder.path("red.png"), "r");
    EXPECT_EQ(list.Count(), 5) << "own pictures take no key";
}

using TagPictures = LoadedProgram;

// The start puts the tag bar's own four pictures first, the built-in button's leading, and each button
// of button.ini at its own number after them.
TEST_F(TagPictures, EveryTagButtonHasItsPictureAfterTheStart)
{
    const ImageList &pictures = main()->imgPanel;
    ASSERT_GT(mdlLoad::Buttons.count(), OwnPictures);
    EXPECT_EQ(pictures.Count(), mdlLoad::Buttons.count());
    for (int k = 1; k <= OwnPictures; ++k)
        EXPECT_FALSE(pictures.Icon(k).isNull()) << k;
    for (int k = 2; k <= OwnPictures; ++k)
        EXPECT_EQ(mdlLoad::Buttons[k].Id, 0) << "a blank entry stands at each own picture but the first";
    for (int k = OwnPictures + 1; k <= mdlLoad::Buttons.count(); ++k) {
        EXPECT_EQ(mdlLoad::Buttons[k].ImageIndex, k);
        EXPECT_FALSE(pictures.Icon(k).isNull()) << k;
    }
}

// Without its own picture files the bar numbers its buttons as before: the first of button.ini never
// takes the built-in button's picture number.
TEST_F(TagPictures, MissingOwnPicturesKeepTheButtonsNumbers)
{
    for (const char *name : {"panel1.gif", "panel3.gif"})
        ASSERT_TRUE(QFile::remove(mdlLoad::SettingFolder + QLatin1String(name)));
    mdlLoad::InitPathsAndLoad();

    const ImageList &pictures = main()->imgPanel;
    EXPECT_EQ(pictures.Count(), mdlLoad::Buttons.count());
    EXPECT_TRUE(pictures.Icon(1).isNull());
    EXPECT_TRUE(pictures.Icon(3).isNull());
    EXPECT_FALSE(pictures.Icon(2).isNull());
    QString toolTip;
    EXPECT_EQ(mdlLoad::FindButton(13, toolTip), 1);
    const int first = mdlLoad::FindTegIndex(101);
    EXPECT_EQ(first, OwnPictures + 1);
    EXPECT_EQ(mdlLoad::FindButton(101, toolTip), OwnPictures + 1);
    EXPECT_FALSE(pictures.Icon(first).isNull());
}

} // namespace
