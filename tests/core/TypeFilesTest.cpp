#include "app/core/mdlLoadTypeFiles.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

QStringList ExtensionsOf(const TypeFile &type)
{
    return QStringList(type.Extensions.begin(), type.Extensions.end());
}

class TypeFileList : public testing::Test {
protected:
    void Load(const QByteArray &text) { LoadTypeFiles(folder.write("typefile.ini", text)); }
    TempFolder folder;
};

TEST_F(TypeFileList, LinesNeedNameDefaultExtensionAndLanguage)
{
    Load("a|b|c\r\n"           // only two bars
         "|htm|HTML|htm\r\n"   // empty name
         "x||HTML|htm\r\n"     // empty default extension
         "x|htm||htm\r\n"      // empty language
         "\r\n"
         "Pages|htm|HTML|\r\n" // no extensions
         " |  | |x\r\n");      // fields of blanks pass the length test
    ASSERT_EQ(TypeFiles.count(), 2);
    EXPECT_EQ(TypeFiles[1].Name, "Pages");
    EXPECT_TRUE(TypeFiles[1].Extensions.isEmpty());
    EXPECT_EQ(TypeFiles[2].Name, "");
    EXPECT_EQ(TypeFiles[2].DefaultExt, "");
    EXPECT_EQ(TypeFiles[2].Language, "");
    EXPECT_EQ(ExtensionsOf(TypeFiles[2]), QStringList({"x"}));
}

TEST_F(TypeFileList, FieldsAreTrimmedAndOnlyTheNameGetsEscapes)
{
    Load("  HTML%v\xF1\xF2\xF0\xE0\xED\xE8\xF6\xFB  |  %vhtm | HT%pML |  htm   HTML \tx  a|b  \r\n"
         "\tTabbed|txt|Text|*\r\n");
    ASSERT_EQ(TypeFiles.count(), 2);
    EXPECT_EQ(TypeFiles[1].Name, "HTML|страницы");
    EXPECT_EQ(TypeFiles[1].DefaultExt, "%vhtm");
    EXPECT_EQ(TypeFiles[1].Language, "HT%pML");
    EXPECT_EQ(ExtensionsOf(TypeFiles[1]), QStringList({"htm", "HTML", "\tx", "a|b"}));
    EXPECT_EQ(TypeFiles[2].Name, "\tTabbed");
    EXPECT_EQ(ExtensionsOf(TypeFiles[2]), QStringList({"*"}));
}

TEST_F(TypeFileList, MissingFileEmptiesTheList)
{
    Load("Pages|htm|HTML|htm\r\n");
    ASSERT_EQ(TypeFiles.count(), 1);
    LoadTypeFiles(folder.path("missing.ini"));
    EXPECT_TRUE(TypeFiles.isEmpty());
}

} // namespace
