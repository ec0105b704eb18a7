#include "app/core/mdlLoadHelps.h"
#include "app/core/mdlLoadNewFiles.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

const StringPair Separator{"-", ""};

class HelpList : public testing::Test {
protected:
    void Load(const QByteArray &text) { LoadHelps(folder.write("help.ini", text)); }
    TempFolder folder;
};

TEST_F(HelpList, WithoutHelpIniOnlyTheBuiltInEntries)
{
    LoadHelps(folder.path("help.ini"));
    ASSERT_EQ(Helps.count(), 5);
    EXPECT_EQ(Helps[1], (StringPair{"Справка по программе", "index.html"}));
    EXPECT_EQ(Helps[2], Separator);
    EXPECT_EQ(Helps[3].First, "Написать письмо автору");
    EXPECT_TRUE(Helps[3].Second.startsWith("mailto:"));
    EXPECT_TRUE(Helps[3].Second.endsWith(QString("?subject='Marrowin Vellicor %1.%2'")
                                              .arg(VELLICOR_VERSION_MAJOR)
                                              .arg(VELLICOR_VERSION_MINOR)));
    EXPECT_EQ(Helps[4].First, "Сайт программы");
    EXPECT_TRUE(Helps[4].Second.startsWith("http:"));
    EXPECT_EQ(Helps[5].First, "Гостевая книга программы");
    EXPECT_TRUE(Helps[5].Second.startsWith("http:"));
}

TEST_F(HelpList, LinesFollowASeparatorAfterTheBuiltInEntries)
{
    Load("a|b\r\n\r\nno bar\r\n  guide.html | \xD1\xEF\xF0\xE0\xE2\xEA\xE0|%v \r\n");
    ASSERT_EQ(Helps.count(), 10);
    EXPECT_EQ(Helps[6], Separator);
    EXPECT_EQ(Helps[7], (StringPair{"b", "a"}));
    EXPECT_EQ(Helps[8], Separator) << "an empty line";
    EXPECT_EQ(Helps[9], Separator) << "a line without a bar";
    EXPECT_EQ(Helps[10], (StringPair{"Справка|%v", "guide.html"})) << "no escapes";
}

TEST_F(HelpList, EmptyHelpIniStillAddsTheSeparator)
{
    Load("");
    ASSERT_EQ(Helps.count(), 6);
    EXPECT_EQ(Helps[6], Separator);
}

// The Help menu takes the file's first lines, separators included, and leaves out the rest.
TEST_F(HelpList, AHugeHelpIniIsCutAtTheLimit)
{
    QByteArray lines;
    for (int i = 1; i <= 100000; ++i)
        lines += i % 10 == 0 ? QByteArray("\r\n") : "page" + QByteArray::number(i) + ".html|Page " + QByteArray::number(i) + "\r\n";
    Load(lines);
    ASSERT_EQ(Helps.count(), 6 + MaxHelpLines);
    EXPECT_EQ(Helps[7], (StringPair{"Page 1", "page1.html"}));
    EXPECT_EQ(Helps[16], Separator);
    EXPECT_EQ(Helps[6 + MaxHelpLines - 1], (StringPair{"Page 999", "page999.html"}));
    EXPECT_EQ(Helps[6 + MaxHelpLines], Separator) << "line 1000, an empty one, is the last read";
}

class NewFileLists : public testing::Test {
protected:
    TempFolder folder;
};

TEST_F(NewFileLists, KindsNeedIconLanguageAndFileName)
{
    LoadNewFiles(folder.write("newfile.ini", "|HTML|a.html|x\r\n"
                                             "i||a.html|x\r\n"
                                             "i|HTML||x\r\n"
                                             "i|HTML|a.html\r\n"
                                             " html.png | HTML | page.html | Page | with bar \r\n"
                                             "t.png|Text|readme|\r\n"
                                             "t.png|Text|my.page.txt|%v\r\n"));
    ASSERT_EQ(NewFiles.count(), 3);
    const NewFileType &html = NewFiles[1];
    EXPECT_EQ(html.Icon, "html.png");
    EXPECT_EQ(html.Type, "HTML");
    EXPECT_EQ(html.BaseName, "page");
    EXPECT_EQ(html.Ext, "html");
    EXPECT_EQ(html.Caption, "Page | with bar") << "the caption keeps its bars";
    EXPECT_EQ(html.ImageIndex, 0);
    EXPECT_EQ(NewFiles[2].BaseName, "readme");
    EXPECT_EQ(NewFiles[2].Ext, "");
    EXPECT_EQ(NewFiles[2].Caption, "");
    EXPECT_EQ(NewFiles[3].BaseName, "my.page");
    EXPECT_EQ(NewFiles[3].Ext, "txt");
    EXPECT_EQ(NewFiles[3].Caption, "%v") << "no escapes";
}

TEST_F(NewFileLists, TemplatesHaveAFifthFieldAndEscapedCaptions)
{
    LoadPatterns(folder.write("pattern.ini", "i|HTML|a.html|caption\r\n"        // four fields only
                                             "i|HTML|a.html||page.html\r\n"     // empty caption
                                             "p.png|HTML|index.html| A%vB%p |  page.html | x \r\n"
                                             "c.png|CSS|style.css|Styles|\r\n"));
    ASSERT_EQ(Patterns.count(), 2);
    const NewFilePattern &page = Patterns[1];
    EXPECT_EQ(page.Icon, "p.png");
    EXPECT_EQ(page.Type, "HTML");
    EXPECT_EQ(page.BaseName, "index");
    EXPECT_EQ(page.Ext, "html");
    EXPECT_EQ(page.Caption, "A|B%");
    EXPECT_EQ(page.TemplateFile, "page.html | x");
    EXPECT_EQ(Patterns[2].TemplateFile, "");
}

TEST_F(NewFileLists, ReloadDropsStoredIconIndicesAndMissingFileEmpties)
{
    const QString newfile = folder.write("newfile.ini", "i|HTML|a.html|x\r\n");
    const QString pattern = folder.write("pattern.ini", "i|HTML|a.html|x|t.html\r\n");
    LoadNewFiles(newfile);
    LoadPatterns(pattern);
    NewFiles[1].ImageIndex = 3;
    Patterns[1].ImageIndex = 4;
    LoadNewFiles(newfile);
    LoadPatterns(pattern);
    EXPECT_EQ(NewFiles[1].ImageIndex, 0);
    EXPECT_EQ(Patterns[1].ImageIndex, 0);
    LoadNewFiles(folder.path("none.ini"));
    LoadPatterns(folder.path("none.ini"));
    EXPECT_TRUE(NewFiles.isEmpty());
    EXPECT_TRUE(Patterns.isEmpty());
}

} // namespace
