#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadHelps.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadTypeFiles.h"

#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

const QString Data = QStringLiteral(VELLICOR_SOURCE_DIR "/data/");
// The SyntaxName values of the shipped languages.
const QSet<QString> Languages = {"HTML", "CSS", "JavaScript", "XML", "PHP", "Perl", "Text"};

bool Exists(const QString &path)
{
    return QFileInfo(path).isFile();
}

TEST(ShippedLists, CodePagesShareEveryRowAndNoPageRepeatsAByte)
{
    LoadCodes(Data + "setting/code.ini");
    ASSERT_EQ(Codes.count(), 5);
    const QStringList titles = {"WIN", "KOI", "DOS", "ISO", "MAC"};
    const int rows = Codes[1].Items.count();
    EXPECT_GE(rows, 128) << "every non-ASCII character of the five pages";
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(Codes[k].Title, titles[k - 1]);
        EXPECT_FALSE(Codes[k].Name.isEmpty());
        EXPECT_EQ(Codes[k].Items.count(), rows) << k;
        QSet<qint32> bytes;
        for (const qint32 b : Codes[k].Items) {
            if (b == 0)
                continue;
            EXPECT_FALSE(bytes.contains(b)) << "page " << k << " byte " << b;
            bytes.insert(b);
        }
    }
    LoadCodes(QString());
}

TEST(ShippedLists, FileTypesNameShippedLanguagesAndEndWithTheFallback)
{
    LoadTypeFiles(Data + "setting/typefile.ini");
    ASSERT_EQ(TypeFiles.count(), 8);
    for (const TypeFile &type : TypeFiles) {
        EXPECT_TRUE(Languages.contains(type.Language)) << qPrintable(type.Language);
        EXPECT_FALSE(type.DefaultExt.isEmpty());
        EXPECT_FALSE(type.Extensions.isEmpty());
    }
    EXPECT_EQ(TypeFiles[1].Language, "HTML");
    EXPECT_EQ(TypeFiles[8].Name, "Все файлы");
    ASSERT_EQ(TypeFiles[8].Extensions.count(), 1);
    EXPECT_EQ(TypeFiles[8].Extensions[1], "*");
}

TEST(ShippedLists, NewFileKindsAndTemplatesHaveTheirFiles)
{
    LoadNewFiles(Data + "setting/newfile.ini");
    LoadPatterns(Data + "setting/pattern.ini");
    ASSERT_EQ(NewFiles.count(), 7);
    ASSERT_EQ(Patterns.count(), 7);
    EXPECT_EQ(NewFiles[1].Type, "HTML") << "the kind a new start creates";
    for (const NewFileType &kind : NewFiles) {
        EXPECT_TRUE(Languages.contains(kind.Type)) << qPrintable(kind.Type);
        EXPECT_TRUE(Exists(Data + "icons/" + kind.Icon)) << qPrintable(kind.Icon);
        EXPECT_FALSE(kind.BaseName.isEmpty());
        EXPECT_FALSE(kind.Ext.isEmpty());
        EXPECT_FALSE(kind.Caption.isEmpty());
    }
    for (const NewFilePattern &pattern : Patterns) {
        EXPECT_TRUE(Languages.contains(pattern.Type)) << qPrintable(pattern.Type);
        EXPECT_TRUE(Exists(Data + "icons/" + pattern.Icon)) << qPrintable(pattern.Icon);
        EXPECT_TRUE(Exists(Data + "pattern/" + pattern.TemplateFile)) << qPrintable(pattern.TemplateFile);
        EXPECT_FALSE(pattern.Caption.isEmpty());
    }
}

TEST(ShippedLists, HelpEntriesFollowTheBuiltInOnes)
{
    LoadHelps(Data + "setting/help.ini");
    ASSERT_EQ(Helps.count(), 10);
    EXPECT_EQ(Helps[6].First, "-");
    EXPECT_TRUE(Exists(Data + "help/" + Helps[7].Second)) << qPrintable(Helps[7].Second);
    EXPECT_EQ(Helps[8].First, "-");
    EXPECT_TRUE(Helps[9].Second.startsWith("http:"));
    EXPECT_TRUE(Helps[10].Second.startsWith("http:"));
}

} // namespace
