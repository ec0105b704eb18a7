#include "app/core/mdlLoadCodes.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

class CodeTable : public testing::Test {
protected:
    void TearDown() override { LoadCodes(folder.path("none.ini")); }

    void Load(const QByteArray &text) { LoadCodes(folder.write("code.ini", text)); }

    // A code page's column from row 1 on.
    static QList<qint32> Column(int page)
    {
        return QList<qint32>(Codes[page].Items.begin(), Codes[page].Items.end());
    }

    TempFolder folder;
};

TEST_F(CodeTable, MissingFileOrNoCodePageLinesGiveNoCodePage)
{
    Load("[codes]\r\nA|a\r\n");
    LoadCodes(folder.path("missing.ini"));
    EXPECT_EQ(Codes.count(), 0);
    EXPECT_TRUE(Codes[0].Name.isEmpty());

    Load("[symbols]\r\n0410\r\n[codes]\r\n\r\nno bar here\r\n");
    EXPECT_EQ(Codes.count(), 0);
}

TEST_F(CodeTable, CodePageLinesGiveShortAndDisplayNamesWithEscapes)
{
    Load("WIN|before any section\r\n[Codes]\r\nX|capital section\r\n[codes]\r\n a%vb |\tc%Pd \r\n|no short name\r\n"
         "[]\r\nK|still codes\r\n[other]\r\nZ|other section\r\n");
    ASSERT_EQ(Codes.count(), 3);
    EXPECT_EQ(Codes[1].Title, "a|b");
    EXPECT_EQ(Codes[1].Name, "\tc%d") << "tabs are kept by the trimming";
    EXPECT_EQ(Codes[2].Title, "");
    EXPECT_EQ(Codes[2].Name, "no short name");
    EXPECT_EQ(Codes[3].Title, "K");
    EXPECT_TRUE(Codes[3].Items.isEmpty());
}

// Code-page lines past the limit are left out, and rows need a field for each page read.
TEST_F(CodeTable, AHugeCodePageListIsCutAtTheLimit)
{
    QByteArray text = "[codes]\r\n";
    for (int i = 1; i <= 100000; ++i)
        text += "K" + QByteArray::number(i) + "|Page " + QByteArray::number(i) + "\r\n";
    text += "[symbols]\r\n0410" + QByteArray("|C0").repeated(MaxCodePages) + "\r\n0411" +
            QByteArray("|C1").repeated(MaxCodePages + 1) + "\r\n";
    Load(text);
    ASSERT_EQ(Codes.count(), MaxCodePages);
    EXPECT_EQ(Codes[MaxCodePages].Title, "K" + QString::number(MaxCodePages));
    EXPECT_EQ(Column(MaxCodePages), QList<qint32>({0xC0})) << "a row of one field per page read";
}

TEST_F(CodeTable, RowsNeedOneFieldPerCodePageAndAFourCharacterFirstField)
{
    Load("[codes]\r\nA|a\r\nB|b\r\n[symbols]\r\n"
         "0410|C0|E1\r\n"
         "0411|C1\r\n"            // a field too few
         "0412|C2|E2|F2\r\n"      // a field too many
         "041|C3|E3\r\n"          // three characters
         "04140|C4|E4\r\n"        // five characters
         " 0415 |E0|e0\r\n"       // trimmed to four; both letter cases read the same
         "zzzz| G1 |1\r\n"        // the first field's value is not used; no hex digit counts as 0
         "[Symbols]\r\n0416|C6|E6\r\n");
    ASSERT_EQ(Codes.count(), 2);
    EXPECT_EQ(Column(1), QList<qint32>({0xC0, 0xE0, 1}));
    EXPECT_EQ(Column(2), QList<qint32>({0xE1, 0xE0, 0x10}));
}

TEST_F(CodeTable, CodePageAddedAfterRowsReadsZeroForThem)
{
    Load("[codes]\r\nA|a\r\n[symbols]\r\n0410|C0\r\n0411|C1\r\n"
         "[codes]\r\nB|b\r\n[symbols]\r\n0412|C2\r\n0413|C3|E3\r\n");
    ASSERT_EQ(Codes.count(), 2);
    EXPECT_EQ(Column(1), QList<qint32>({0xC0, 0xC1, 0xC3}));
    EXPECT_EQ(Column(2), QList<qint32>({0, 0, 0xE3}));
}

TEST_F(CodeTable, SecondLoadReplacesTheTable)
{
    Load("[codes]\r\nA|a\r\nB|b\r\n[symbols]\r\n0410|C0|E1\r\n");
    const int revision = CodesRevision();
    Load("[codes]\r\nC|c\r\n[symbols]\r\n0410|F0\r\n");
    EXPECT_NE(CodesRevision(), revision);
    ASSERT_EQ(Codes.count(), 1);
    EXPECT_EQ(Codes[1].Title, "C");
    EXPECT_EQ(Column(1), QList<qint32>({0xF0}));
}

} // namespace
