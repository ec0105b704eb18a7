#include "platform/widgets/PictureBox.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A picture box takes colour numbers, red in the lowest byte, shows them as those colours and reads the
// same numbers back; taking a number for a QRgb would swap red and blue.
TEST(PictureBoxColours, AreShownAndReadAsColourNumbers)
{
    PictureBox box(nullptr);
    box.resize(60, 40);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const struct {
        int number;
        QColor shown;
    } cases[] = {
        {255, QColor(255, 0, 0)},
        {65280, QColor(0, 255, 0)},
        {16711680, QColor(0, 0, 255)},
        {0x123456, QColor(0x56, 0x34, 0x12)},
    };
    for (const auto &c : cases) {
        box.SetBackColor(c.number);
        EXPECT_EQ(box.Inside()->grab().toImage().pixelColor(5, 5), c.shown) << c.number;
        EXPECT_EQ(box.Point(75, 75), c.number);
        box.FillBox(0, 0, 150, 150, 0x654321);
        EXPECT_EQ(box.Inside()->grab().toImage().pixelColor(5, 5), QColor(0x21, 0x43, 0x65)) << c.number;
        EXPECT_EQ(box.Point(75, 75), 0x654321);
    }
}

} // namespace
