#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadAdvices.h"
#include "app/core/mdlLoadButtons.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadHelps.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadServer.h"
#include "app/core/mdlLoadTesters.h"
#include "app/core/mdlLoadTrees.h"
#include "app/core/mdlLoadTypeFiles.h"
#include "app/mainwindow/ImageList.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
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
    ASSERT_EQ(Helps.count(), 13);
    EXPECT_TRUE(Exists(Data + "help/" + Helps[1].Second)) << "the program's help is a shipped page";
    EXPECT_EQ(Helps[6].First, "-");
    for (int i = 7; i <= 10; ++i)
        EXPECT_TRUE(Exists(Data + "help/" + Helps[i].Second)) << qPrintable(Helps[i].Second);
    EXPECT_EQ(Helps[11].First, "-");
    EXPECT_TRUE(Helps[12].Second.startsWith("http:"));
    EXPECT_TRUE(Helps[13].Second.startsWith("http:"));
}

// The help pages are reached from the guide that help.ini names, and every link between them leads to a
// page that is there; each page says its code page, so a browser shows its Russian text.
TEST(ShippedLists, HelpPagesLinkOnlyToPagesThatExist)
{
    const QDir help(Data + "help");
    const QStringList pages = help.entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains("index.html"));
    const QString guide = mdlLibrary::FileReadText(help.filePath("index.html"));
    const QRegularExpression link(R"(href="([^":#]+)(#[^"]*)?")");
    for (const QString &page : pages) {
        const QString text = mdlLibrary::FileReadText(help.filePath(page));
        EXPECT_TRUE(text.contains("charset=windows-1251")) << qPrintable(page);
        if (page != "index.html") {
            EXPECT_TRUE(guide.contains("href=\"" + page + '"')) << qPrintable(page) << " is not in the guide";
        }
        for (const QRegularExpressionMatch &match : link.globalMatch(text))
            EXPECT_TRUE(Exists(help.filePath(match.captured(1)))) << qPrintable(page + ": " + match.captured(1));
    }
}

// Every node hangs below the entry before it or higher up, and every entry that gets children is a group.
void ExpectWellFormedTree(const Table<TreeItem> &tree, int first, const char *file)
{
    for (int i = first; i <= tree.count(); ++i) {
        const TreeItem &item = tree[i];
        EXPECT_TRUE(item.Level >= 1 && item.Level <= 5) << file << " " << i;
        EXPECT_FALSE(item.Caption.isEmpty()) << file << " " << i;
        EXPECT_EQ(item.Value.isEmpty(), item.IsGroup) << file << " " << qPrintable(item.Caption);
        if (i > first) {
            EXPECT_LE(item.Level, tree[i - 1].Level + 1) << file << " " << qPrintable(item.Caption);
        }
        if (i < tree.count() && tree[i + 1].Level > item.Level) {
            EXPECT_TRUE(item.IsGroup) << file << " " << qPrintable(item.Caption);
        }
    }
}

TEST(ShippedLists, TagGroupsNameButtonsThatHaveTheirOwnPictures)
{
    const QString savedFolder = ButtonsFolder;
    ButtonsFolder = Data + "buttons/";
    // The tag bar's own four pictures come first, as at the start.
    constexpr int Own = 4;
    ImageList pictures;
    for (int n = 1; n <= Own; ++n) {
        const QString own = Data + QStringLiteral("setting/panel%1.gif").arg(n);
        EXPECT_EQ(QImage(own).size(), QSize(16, 16)) << qPrintable(own);
        pictures.AddOwn(own);
    }
    LoadPanels(Data + "setting/panel.ini");
    LoadButtons(Data + "setting/button.ini", pictures);
    ButtonsFolder = savedFolder;

    ASSERT_EQ(Panels.count(), 8);
    ASSERT_GT(Buttons.count(), 60);
    EXPECT_EQ(pictures.Count(), Buttons.count());
    QSet<qint32> grouped;
    for (const NamedList &group : Panels) {
        EXPECT_FALSE(group.Title.isEmpty());
        EXPECT_FALSE(group.Items.isEmpty()) << qPrintable(group.Title);
        for (const qint32 id : group.Items) {
            EXPECT_GT(id, 100) << qPrintable(group.Title);
            EXPECT_FALSE(grouped.contains(id)) << id;
            grouped.insert(id);
        }
    }
    QSet<QString> files;
    for (int k = Own + 1; k <= Buttons.count(); ++k) {
        const TegButton &button = Buttons[k];
        EXPECT_EQ(button.ImageIndex, k);
        EXPECT_TRUE(grouped.remove(button.Id)) << "every button stands on a tab once: " << button.Id;
        EXPECT_FALSE(button.ToolTip.isEmpty()) << button.Id;
        EXPECT_FALSE(button.Text2.isEmpty() && button.Text3.isEmpty()) << button.Id;
        EXPECT_FALSE(files.contains(button.Picture)) << qPrintable(button.Picture);
        files.insert(button.Picture);
        EXPECT_EQ(QImage(Data + "buttons/" + button.Picture).size(), QSize(16, 16)) << qPrintable(button.Picture);
    }
    EXPECT_TRUE(grouped.isEmpty()) << "every id on a tab names a button";
    EXPECT_EQ(Buttons[Own + 1].Text2, "<b>");
    EXPECT_EQ(Buttons[Own + 1].Text3, "</b>");
    SetButtonDefault();
}

TEST(ShippedLists, TreesOfPhrasesColoursAndSymbols)
{
    LoadPhrases(Data + "setting/phrase.ini");
    LoadColors(Data + "setting/color.ini");
    LoadSymbols(Data + "setting/symbol.ini");
    ASSERT_GT(Phrases.count(), 30);
    EXPECT_EQ(Phrases[1].Level, 0);
    EXPECT_TRUE(Phrases[1].Value.isEmpty());
    ExpectWellFormedTree(Phrases, 2, "phrase.ini");
    ExpectWellFormedTree(Colors, 1, "color.ini");
    ExpectWellFormedTree(Symbols, 1, "symbol.ini");
    int colours = 0;
    for (const TreeItem &item : Colors)
        colours += item.IsGroup ? 0 : 1;
    EXPECT_GT(colours, 16 + 140 + 216) << "basic, named and web-safe colours";
    EXPECT_GT(Symbols.count(), 60);
    bool bar = false;
    for (const TreeItem &item : Symbols)
        bar = bar || item.Value == "|";
    EXPECT_TRUE(bar) << "the escaped bar";
    Phrases.clear();
    Colors.clear();
    Symbols.clear();
}

TEST(ShippedLists, ServerMappingsAreOnlyCommentedExamples)
{
    LoadServerIni(Data + "setting/server.ini");
    EXPECT_TRUE(Server.PathToUrl.isEmpty());
    EXPECT_TRUE(Server.InPath.isEmpty());
    EXPECT_TRUE(Server.InUrl.isEmpty());
}

TEST(ShippedLists, TestersAndTipsFillTheirPageTemplates)
{
    LoadTesterIni(Data + "setting/tester.ini");
    ASSERT_GE(TesterGroups.count(), 1);
    for (const TesterGroup &group : TesterGroups) {
        EXPECT_FALSE(group.Title.isEmpty());
        EXPECT_FALSE(group.Men.isEmpty()) << qPrintable(group.Title);
        for (const TesterMan &man : group.Men) {
            EXPECT_FALSE(man.Name.isEmpty());
            EXPECT_TRUE(man.Email.contains(u'@') && !man.Email.contains(u':')) << qPrintable(man.Email);
            EXPECT_FALSE(man.Url.isEmpty() || man.Url.contains(u':')) << qPrintable(man.Url);
        }
    }
    TesterGroups.clear();

    LoadAdviceIni(Data + "setting/advice.ini");
    ASSERT_GE(Advices.count(), 10);
    for (const StringPair &tip : Advices) {
        EXPECT_EQ(tip.First, mdlLibrary::TrimSpaces(tip.First));
        EXPECT_FALSE(tip.First.isEmpty());
        EXPECT_FALSE(tip.Second.isEmpty()) << qPrintable(tip.First);
    }
    Advices.clear();

    const QList<std::pair<const char *, QStringList>> templates = {
        {"advice.htm", {"[advice_title]", "[advice_text]"}},
        {"tester_full.htm", {"[info]"}},
        {"tester_group.htm", {"[group]", "[man]"}},
        {"tester_man.htm", {"[name]", "[email]", "[url]"}}};
    for (const auto &[file, markers] : templates) {
        const QString page = mdlLibrary::FileReadText(Data + "setting/" + file);
        for (const QString &marker : markers)
            EXPECT_TRUE(page.contains(marker)) << file << " " << qPrintable(marker);
    }
}

} // namespace
