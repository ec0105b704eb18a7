#include "app/core/mdlLibrary.h"

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
    *os << '"' << c.value << "\" " << c.from << "->" << c.to;
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
    ColorCase{"8421504", 1, 3, "128128128"}));

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

} // namespace
