#include "platform/forms/Twips.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::forms;

struct PixelCase {
    int twips;
    int nearest;
    int towardZero;
};

// The two conversions part where a remainder of half a pixel or more is left: a layout distance goes to the
// nearest pixel, a stored length loses the remainder, as setting.ini's pixels are written.
TEST(Twips, PixelsRoundToTheNearestOrDropTheRemainder)
{
    for (const PixelCase c : {PixelCase{0, 0, 0}, PixelCase{7, 0, 0}, PixelCase{8, 1, 0}, PixelCase{15, 1, 1},
                              PixelCase{22, 1, 1}, PixelCase{23, 2, 1}, PixelCase{100, 7, 6}, PixelCase{160, 11, 10},
                              PixelCase{-8, -1, 0}, PixelCase{-23, -2, -1}}) {
        EXPECT_EQ(Pixels(c.twips), c.nearest) << c.twips;
        EXPECT_EQ(PixelsTowardZero(c.twips), c.towardZero) << c.twips;
    }
    EXPECT_EQ(Twips(4), 60);
    EXPECT_EQ(Twips(-2), -30);
}

} // namespace
