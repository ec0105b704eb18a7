#include "app/core/mdlLibrary.h"

#include "tests/CaseNames.h"

#include <gtest/gtest.h>

using namespace mdlLibrary;

namespace {

struct ColorCase {
    const char *value;
    int from, to;
    const char *expected;
};

void PrintTo(const ColorCase &c, std::ostream *os)
{
    casenames::Print(os, c.value);
    *os << ' ' << c.from << "->" << c.to;
}

class ConvertColorTest : public testing::TestWithParam<ColorCase> {};

TEST_P(ConvertColorTest, Converts)
{
    const ColorCase &c = GetParam();
    EXPECT_EQ(ConvertColor(QString::fromUtf8(c.value), c.from, c.to), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvertColorTest, testing::Values(
    ColorCase{"255", 1, 2, "#ff0000"},
    ColorCase{"#0000FF", 2, 1, "16711680"},
    ColorCase{"ff8000", 2, 3, "255128000"},
    ColorCase{"000128255", 3, 2, "#0080ff"},
    ColorCase{"-1", 1, 2, ""},
    ColorCase{"abc", 1, 3, ""},
    ColorCase{"#zz", 2, 2, "#zz"},
    ColorCase{"12", 0, 2, ""},
    ColorCase{"12", 1, 4, ""},
    ColorCase{"", 2, 1, "0"},
    ColorCase{"#12", 2, 3, "018000000"},
    ColorCase{"16777216", 1, 2, "#0000160"}, // blue 256: its high part is written as the number 16
    ColorCase{"8421504", 1, 3, "128128128"}),
    casenames::Named(casenames::Spell(&ColorCase::value), &ColorCase::from, &ColorCase::to));

TEST(IsColorString, AcceptsOnlySixHexDigits)
{
    for (const char *good : {"#a0b1c2", "A0B1C2", " #A0B1C2 "})
        EXPECT_TRUE(IsColorString(good)) << good;
    // Only blanks are trimmed: a colour text with a tab or a line end around it is no colour text.
    for (const char *bad : {"#a0b1c", "#a0b1cg", "", "#a0b1c2d", "\t#a0b1c2", "#a0b1c2\r\n"})
        EXPECT_FALSE(IsColorString(bad)) << bad;
}

TEST(HexPairs, ReadAndWrite)
{
    EXPECT_EQ(HexPairValue("E0"), 224);
    EXPECT_EQ(HexPairValue("e0"), 224);
    EXPECT_EQ(HexPairValue("G1"), 1);
    EXPECT_EQ(HexPairValue("F"), 240);
    EXPECT_EQ(HexDigit(10), "0a");
    EXPECT_EQ(HexDigit(255), "ff");
}

// Red sits in the lowest byte; a swap of red and blue, or a masked blue, shows here.
TEST(ColorNumbers, SplitIntoChannelsAndBack)
{
    const struct {
        qint64 number;
        ColorChannels channels;
    } cases[] = {
        {0, {0, 0, 0}},
        {255, {255, 0, 0}},
        {65280, {0, 255, 0}},
        {16711680, {0, 0, 255}},
        {0x123456, {0x56, 0x34, 0x12}},
        {16777215, {255, 255, 255}},
        {16777216, {0, 0, 256}}, // past 24 bits, as ConvertColor writes it
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ColorChannelsOf(c.number), c.channels) << c.number;
        EXPECT_EQ(ColorNumber(c.channels), c.number) << c.number;
    }
    EXPECT_EQ(ColorChannelsOf(-1), ColorChannels{}) << "a point outside a picture reads as black";
}

TEST(ColorNumbers, TheInverseTakesEveryChannelFrom255)
{
    const struct {
        const char *colour;
        const char *inverse;
    } cases[] = {
        {"#ff8000", "#007fff"},
        {"#000000", "#ffffff"},
        {"#ffffff", "#000000"},
        {"#123456", "#edcba9"},
    };
    for (const auto &c : cases) {
        const int colour = ConvertColor(c.colour, 2, 1).toInt();
        EXPECT_EQ(ConvertColor(QString::number(InverseColor(colour)), 1, 2), c.inverse) << c.colour;
    }
}

// The strip runs from white through the channel itself at the middle band to black; integer division
// drops the fraction, so the light side never quite reaches the channel before the middle.
TEST(ShadeStrip, BandsOfOneChannel)
{
    const struct {
        int channel;
        int band;
        int value;
    } cases[] = {
        {200, 1, 255}, {200, 2, 252}, {200, 15, 207}, {200, 16, 200}, {200, 17, 175}, {200, 30, 12}, {200, 31, 0},
        {0, 1, 255},   {0, 15, 32},   {0, 16, 0},     {255, 1, 255},  {255, 16, 255}, {255, 17, 223}, {255, 31, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetShadeComponent(c.channel, c.band), c.value) << c.channel << " on band " << c.band;
}

TEST(ShadeStrip, EachChannelOfAColourIsShadedByItself)
{
    const qint64 colour = ColorNumber({200, 100, 0});
    EXPECT_EQ(ShadeColor(int(colour), 1), 16777215);
    EXPECT_EQ(ShadeColor(int(colour), 2), ColorNumber({252, 246, 240}));
    EXPECT_EQ(ShadeColor(int(colour), ShadeMid), colour);
    EXPECT_EQ(ShadeColor(int(colour), 17), ColorNumber({175, 87, 0}));
    EXPECT_EQ(ShadeColor(int(colour), ShadeCount), 0);
}

} // namespace
