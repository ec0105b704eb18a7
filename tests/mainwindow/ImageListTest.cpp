#include "app/core/mdlLoadButtons.h"
#include "app/mainwindow/ImageList.h"

#include "tests/LoadedProgram.h"
#include "tests/TempFolder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

class PictureList : public testing::Test {
protected:
    void SetUp() override
    {
        for (const auto &[name, colour] : {std::pair{"red.png", Qt::red}, std::pair{"blue.png", Qt::blue}}) {
            QImage picture(16, 16, QImage::Format_RGB32);
            picture.fill(colour);
            picture.save(folder.path(name));
        }
        folder.write("broken.png", "no picture");
    }

    QRgb ColourOf(int index) const { return list.Icon(index).pixmap(16, 16).toImage().pixel(8, 8); }

    TempFolder folder;
    ImageList list;
};

TEST_F(PictureList, InsertsAtAnIndexUnderAKeyOfItsOwn)
{
    list.Add(1, folder.path("red.png"), "r");
    list.Add(1, folder.path("blue.png"), "b");
    list.Add(3, folder.path("red.png"), QString());
    list.Add(4, folder.path("red.png"), QString());
    ASSERT_EQ(list.Count(), 4) << "pictures without a key never clash";
    EXPECT_EQ(ColourOf(1), QColor(Qt::blue).rgb());
    EXPECT_EQ(ColourOf(2), QColor(Qt::red).rgb());
    EXPECT_TRUE(list.Icon(0).isNull());
    EXPECT_TRUE(list.Icon(5).isNull());
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

using TagPictures = LoadedProgram;

// The start puts the built-in button's picture first and each button of button.ini at its own number.
TEST_F(TagPictures, EveryTagButtonHasItsPictureAfterTheStart)
{
    const ImageList &pictures = main()->imgPanel;
    ASSERT_GT(mdlLoad::Buttons.count(), 1);
    EXPECT_EQ(pictures.Count(), mdlLoad::Buttons.count());
    EXPECT_FALSE(pictures.Icon(1).isNull());
    for (int k = 2; k <= mdlLoad::Buttons.count(); ++k) {
        EXPECT_EQ(mdlLoad::Buttons[k].ImageIndex, k);
        EXPECT_FALSE(pictures.Icon(k).isNull()) << k;
    }
}

} // namespace
