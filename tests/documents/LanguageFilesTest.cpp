#include "tests/documents/LanguageFixture.h"

#include <functional>
#include <vector>

using namespace mdlLanguage;

namespace {

class LanguageFiles : public LanguageFixture {};

void ExpectTablesHoldOnlyElementZero()
{
    EXPECT_EQ(LangHeader.count(), 0);
    EXPECT_EQ(LangSyntax.count(), 0);
    EXPECT_EQ(LangLines.count(), 0);
    EXPECT_EQ(LangFont.count(), 0);
    EXPECT_EQ(LangStyle.count(), 0);
    EXPECT_EQ(LangColors.count(), 0);
    EXPECT_EQ(LangCount, 0);
}

TEST_F(LanguageFiles, ElementZeroHoldsTheBuiltInDefaults)
{
    Init();
    const LanguageHeader &h = LangHeader[0];
    EXPECT_EQ(h.SyntaxName, "nothing");
    EXPECT_FALSE(h.ColorSyntax);
    EXPECT_FALSE(h.DisplayLeftPanel);
    EXPECT_FALSE(h.DisplayLeftMargin);
    EXPECT_TRUE(h.SelBounds);
    EXPECT_FALSE(h.SpaceTabView);
    EXPECT_EQ(LangSyntax[0], LanguageSyntax{});
    EXPECT_EQ(LangLines[0].LineNumberStart, 1);
    EXPECT_FALSE(LangLines[0].LineNumbering);
    EXPECT_EQ(LangFont[0].FontName, "Courier New");
    EXPECT_EQ(LangFont[0].FontSize, 10);
    EXPECT_EQ(LangFont[0].FontCharset, 204);
    EXPECT_EQ(LangFont[0].TabSize, 4);
    EXPECT_EQ(LangStyle[0], LanguageStyle{});

    // Black on white, never black on black.
    const LanguageColors &c = LangColors[0];
    for (int foreground : {c.Comment, c.Keyword, c.LineNumber, c.Number, c.Operator, c.ScopeKeyword, c.String,
                           c.TagAttributeName, c.TagElementName, c.TagEntity, c.TagText, c.Text, c.VDividerLines})
        EXPECT_EQ(foreground, 0);
    for (int background : {c.CommentBk, c.KeywordBk, c.LineNumberBk, c.NumberBk, c.OperatorBk, c.ScopeKeywordBk,
                           c.StringBk, c.TagAttributeNameBk, c.TagElementNameBk, c.TagEntityBk, c.TagTextBk,
                           c.TextBk, c.LeftMargin, c.Window})
        EXPECT_EQ(background, 16777215);
}

TEST_F(LanguageFiles, MissingOrEmptyListGivesNoLanguages)
{
    Init();
    ExpectTablesHoldOnlyElementZero();
    EXPECT_EQ(FindLanguage("nothing"), 0);

    WriteList("");
    Init();
    ExpectTablesHoldOnlyElementZero();
    EXPECT_EQ(LangHeader[0].SyntaxName, "nothing");
}

TEST_F(LanguageFiles, ReloadingStartsFromEmptyTables)
{
    WriteList("A|a.ini\r\nB|b.ini\r\n");
    WriteDefinition("a.ini", "[common]\r\nSyntaxName=A\r\n");
    WriteDefinition("b.ini", "[common]\r\nSyntaxName=B\r\n");
    Init();
    ASSERT_EQ(LangHeader.count(), 2);

    QFile::remove(ListFile());
    Init();
    ExpectTablesHoldOnlyElementZero();
}

TEST_F(LanguageFiles, MissingDefinitionKeepsItsOwnSlotWithTheDefaults)
{
    WriteList("First|first.ini\r\nGone|gone.ini\r\nThird|third.ini\r\n");
    WriteDefinition("default.ini", "[font]\r\nFontName=Arial\r\n[colors]\r\nText=#000080\r\n");
    WriteDefinition("first.ini", "[common]\r\nSyntaxName=One\r\n");
    WriteDefinition("third.ini", "[common]\r\nSyntaxName=Three\r\n[colors]\r\nTextBk=#FFFFF0\r\n");
    Init();

    ASSERT_EQ(LangHeader.count(), 3);
    for (int count : {LangSyntax.count(), LangLines.count(), LangFont.count(), LangStyle.count(),
                      LangColors.count()})
        EXPECT_EQ(count, 3);
    EXPECT_EQ(LangCount, 2);

    EXPECT_EQ(LangHeader[2].Name, "Gone");
    EXPECT_EQ(LangHeader[2].File, "gone.ini");
    ExpectBuiltInDefaults(2);
    EXPECT_EQ(LangColors[2].TextBk, 16777215);

    // The languages after the missing one stay on their own lines.
    EXPECT_EQ(LangHeader[1].SyntaxName, "One");
    EXPECT_EQ(LangHeader[3].SyntaxName, "Three");
    EXPECT_EQ(LangHeader[3].Name, "Third");
    EXPECT_EQ(LangColors[3].TextBk, 0xF0FFFF);
    EXPECT_EQ(LangFont[3].FontName, "Arial");
    EXPECT_EQ(LangColors[3].Text, 0x800000);
    EXPECT_EQ(FindLanguage("Three"), 3);
    EXPECT_EQ(FindLanguage("One"), 1);
}

TEST_F(LanguageFiles, EmptyLinesOfTheListAreEntriesToo)
{
    WriteList("A|a.ini\n\nB|b.ini\n");
    WriteDefinition("a.ini", "[common]\nSyntaxName=A\n");
    WriteDefinition("b.ini", "[common]\nSyntaxName=B\n");
    Init();
    ASSERT_EQ(LangHeader.count(), 3);
    EXPECT_EQ(LangHeader[2].Name, "");
    EXPECT_EQ(LangHeader[2].File, "");
    ExpectBuiltInDefaults(2);
    EXPECT_EQ(FindLanguage("B"), 3);
    EXPECT_EQ(LangCount, 2);
}

// The list's first lines are languages and the rest is left out; each of them is read as ever.
TEST_F(LanguageFiles, AHugeListIsCutAtTheLimit)
{
    QByteArray list;
    for (int i = 1; i <= 100000; ++i)
        list += "Language " + QByteArray::number(i) + "|" + (i % 2 ? "a.ini" : "b.ini") + "\r\n";
    WriteList(list);
    WriteDefinition("a.ini", "[common]\r\nSyntaxName=A\r\n");
    WriteDefinition("b.ini", "[common]\r\nSyntaxName=B\r\n[font]\r\nTabSize=8\r\n");
    Init();
    ASSERT_EQ(LangHeader.count(), MaxLanguages);
    EXPECT_EQ(LangFont.count(), MaxLanguages);
    EXPECT_EQ(LangCount, MaxLanguages);
    EXPECT_EQ(LangHeader[MaxLanguages].Name, "Language " + QString::number(MaxLanguages));
    EXPECT_EQ(LangHeader[MaxLanguages].SyntaxName, "B");
    EXPECT_EQ(LangFont[MaxLanguages].TabSize, 8);
    EXPECT_EQ(FindLanguage("B"), 2);
}

struct ListLineCase {
    const char *line;
    const char *name;
    const char *file;
};

TEST_F(LanguageFiles, ListLinesGiveNameAndFile)
{
    const std::vector<ListLineCase> cases = {
        {"C%p%v|c.ini", "C%|", "c.ini"},
        {"%V and %P|x.ini", "| and %", "x.ini"},
        {"%pv|x.ini", "%v", "x.ini"}, // an escape's result is not read again
        {"Name only", "", "Name only"},
        {"  Wide name  |  wide.ini  ", "Wide name", "wide.ini"},
        {"a|b|c", "a", "b|c"},
        {"\tTabbed|t.ini", "\tTabbed", "t.ini"}, // only spaces are trimmed
    };
    QByteArray list;
    for (const ListLineCase &c : cases)
        list += QByteArray(c.line) + "\r\n";
    WriteList(list);
    Init();
    ASSERT_EQ(LangHeader.count(), int(cases.size()));
    for (int i = 0; i < int(cases.size()); ++i) {
        SCOPED_TRACE(cases[i].line);
        EXPECT_EQ(LangHeader[i + 1].Name, cases[i].name);
        EXPECT_EQ(LangHeader[i + 1].File, cases[i].file);
    }
    EXPECT_EQ(LangCount, 0);
}

TEST_F(LanguageFiles, ListIsReadInTheSystemCodePage)
{
    WriteList("\xCF\xF0\xEE\xF1\xF2\xEE\xE9 \xF2\xE5\xEA\xF1\xF2|text.ini\r\n");
    Init();
    EXPECT_EQ(LangHeader[1].Name, QStringLiteral("Простой текст"));
}

TEST_F(LanguageFiles, LayersAreDefaultsThenDefaultIniThenOwnFile)
{
    LoadOne("[font]\r\nTabSize=8\r\n", "[font]\r\nFontName=Arial\r\nTabSize=2\r\n[lines]\r\nLineNumberStart=5\r\n");
    EXPECT_EQ(LangFont[1].FontName, "Arial");
    EXPECT_EQ(LangFont[1].TabSize, 8);
    EXPECT_EQ(LangLines[1].LineNumberStart, 5);
    EXPECT_EQ(LangFont[1].FontSize, 10);
    // default.ini never reaches element 0.
    EXPECT_EQ(LangFont[0].FontName, "Courier New");
    EXPECT_EQ(LangLines[0].LineNumberStart, 1);
}

TEST_F(LanguageFiles, DefaultIniIsSkippedWhenSwitchedOff)
{
    mdlLoad::UseDefaultLng = false;
    LoadOne("[font]\r\nTabSize=8\r\n", "[font]\r\nFontName=Arial\r\n");
    EXPECT_TRUE(LangDefaultIni.isEmpty());
    EXPECT_EQ(LangFont[1].FontName, "Courier New");
    EXPECT_EQ(LangFont[1].TabSize, 8);
}

TEST_F(LanguageFiles, MissingDefaultIniLeavesOwnFilesOnly)
{
    LoadOne("[font]\r\nTabSize=8\r\n");
    EXPECT_TRUE(LangDefaultIni.isEmpty());
    EXPECT_EQ(LangFont[1].TabSize, 8);
    EXPECT_EQ(LangCount, 1);
}

// A definition file and what it leaves in language 1; default.ini sets LineNumberStart=7 and
// ColorSyntax=True underneath, so "keeps the earlier value" shows.
struct DefinitionCase {
    const char *text;
    std::function<bool()> holds;
};

TEST_F(LanguageFiles, DefinitionLinesAreReadAsTheirKeysSay)
{
    const QByteArray defaults = "[lines]\r\nLineNumberStart=7\r\n[common]\r\nColorSyntax=True\r\n";
    const auto syntax = [] { return LangSyntax[1]; };
    const auto font = [] { return LangFont[1]; };
    const std::vector<DefinitionCase> cases = {
        // lists and framing
        {"[language]\nKeywords=if then  else", [&] { return syntax().Keywords == "if\nthen\n\nelse"; }},
        {"[language]\nStringDelims=\" '\t", [&] { return syntax().StringDelims == "\"\n'"; }},
        {"[language]\nOperators=a\tb", [&] { return syntax().Operators == "a\tb"; }},
        {"[language]\nEscapeChar=@ @", [&] { return syntax().EscapeChar == " "; }},
        {"[language]\nEscapeChar= \\", [&] { return syntax().EscapeChar == "\\"; }},
        {"[language]\nEscapeChar=@", [&] { return syntax().EscapeChar.isEmpty(); }},
        {"[language]\nEscapeChar=@@", [&] { return syntax().EscapeChar.isEmpty(); }},
        {"[language]\nTerminatorChar=@@@", [&] { return syntax().TerminatorChar == "@"; }},
        {"[language]\nKeywords=@ a b @", [&] { return syntax().Keywords == "\na\nb\n"; }},
        {"[language]\nOperators=a=b", [&] { return syntax().Operators == "a=b"; }},
        {"[language]\nKeywords=x;y", [&] { return syntax().Keywords == "x;y"; }},
        {"[language]\nStyle=1", [&] { return syntax().Style == 1; }},
        {"[language]\nKeywords=a\nKeywords=b", [&] { return syntax().Keywords == "b"; }},
        // comments, headers, malformed lines
        {"[language]\n;Keywords=x", [&] { return syntax().Keywords.isEmpty(); }},
        {"[language]\n \t ;Keywords=x", [&] { return syntax().Keywords.isEmpty(); }},
        {"[language]\n=x\nKeywords\n =x", [&] { return syntax() == LanguageSyntax{}; }},
        {"[ font ]\nFontName=Arial", [&] { return font().FontName == "Courier New"; }},
        {"   [font]   \nFontName=Arial", [&] { return font().FontName == "Arial"; }},
        {"[common]\n\t[font]\nSyntaxName=Tab", [] { return LangHeader[1].SyntaxName == "Tab"; }},
        {"[font]\nfontname=Arial", [&] { return font().FontName == "Courier New"; }},
        {"[font]\nFontName = Arial", [&] { return font().FontName == "Arial"; }},
        {"[font]\n\tFontName\t=\tArial Narrow\t", [&] { return font().FontName == "Arial Narrow"; }},
        {"[lines]\nFontName=Arial", [&] { return font().FontName == "Courier New"; }},
        {"[Font]\nFontName=Arial", [&] { return font().FontName == "Courier New"; }},
        {"FontName=Arial\n[font]", [&] { return font().FontName == "Courier New"; }},
        {"[common]\rSyntaxName=Cr\r", [] { return LangHeader[1].SyntaxName == "Cr"; }},
        {"[common]\nName=Other\nFile=other.ini", [] { return LangHeader[1].Name == "A" && LangHeader[1].File == "a.ini"; }},
        // Booleans, integers, numbers
        {"[common]\nColorSyntax=False\nColorSyntax=yes", [] { return !LangHeader[1].ColorSyntax; }},
        {"[common]\nColorSyntax=yes", [] { return LangHeader[1].ColorSyntax; }},
        {"[common]\nSelBounds=FALSE", [] { return !LangHeader[1].SelBounds; }},
        {"[common]\nSpaceTabView=TRUE", [] { return LangHeader[1].SpaceTabView; }},
        {"[common]\nDisplayLeftPanel=-1", [] { return LangHeader[1].DisplayLeftPanel; }},
        {"[common]\nDisplayLeftMargin=0", [] { return !LangHeader[1].DisplayLeftMargin; }},
        {"[lines]\nLineNumberStart=abc", [] { return LangLines[1].LineNumberStart == 7; }},
        {"[lines]\nLineNumberStart=-3", [] { return LangLines[1].LineNumberStart == -3; }},
        {"[lines]\nLineNumberStart=99999999999", [] { return LangLines[1].LineNumberStart == 7; }},
        {"[font]\nFontSize=abc", [&] { return font().FontSize == 0; }},
        {"[font]\nFontSize=12pt", [&] { return font().FontSize == 12; }},
        {"[font]\nFontSize=10.5", [&] { return font().FontSize == 10.5; }},
        {"[font]\nFontCharset=0", [&] { return font().FontCharset == 0; }},
        {"[font]\nTabSize=x", [&] { return font().TabSize == 4; }},
        {"[style]\nKeyword=1\nTagText=3", [] { return LangStyle[1].Keyword == 1 && LangStyle[1].TagText == 3; }},
        // colours: red + 256 * green + 65536 * blue
        {"[colors]\nComment=#FF0000", [] { return LangColors[1].Comment == 255; }},
        {"[colors]\nComment=ff0000", [] { return LangColors[1].Comment == 255; }},
        {"[colors]\nComment=#00FF00", [] { return LangColors[1].Comment == 65280; }},
        {"[colors]\nWindow=#0000fF", [] { return LangColors[1].Window == 16711680; }},
        {"[colors]\nTextBk=#F", [] { return LangColors[1].TextBk == 240; }},
        {"[colors]\nTextBk=#ZZ00FF", [] { return LangColors[1].TextBk == 16711680; }},
        {"[colors]\nTagEntityBk=", [] { return LangColors[1].TagEntityBk == 0; }},
        {"[colors]\nColorSyntax=#000000", [] { return LangHeader[1].ColorSyntax; }},
    };
    for (const DefinitionCase &c : cases) {
        SCOPED_TRACE(c.text);
        LoadOne(c.text, defaults);
        EXPECT_TRUE(c.holds());
    }
}

TEST_F(LanguageFiles, DefinitionIsReadInTheSystemCodePage)
{
    LoadOne("[common]\r\nSyntaxName=\xD2\xE5\xEA\xF1\xF2\r\n");
    EXPECT_EQ(LangHeader[1].SyntaxName, QStringLiteral("Текст"));
    EXPECT_EQ(FindLanguage(QStringLiteral("Текст")), 1);
}

TEST_F(LanguageFiles, ReadingAMissingFileChangesNothing)
{
    LoadOne("[font]\r\nTabSize=8\r\n");
    ReadLanguageFile(folder.path("language/none.ini"), 1);
    EXPECT_EQ(LangFont[1].TabSize, 8);
}

struct TrimCase {
    const char *text;
    const char *trimmed;
};

TEST(LanguageTrim, SpacesAndTabsGoFromBothEnds)
{
    for (const TrimCase &c : std::vector<TrimCase>{
             {" \t a b \t ", "a b"}, {"\t\t", ""}, {"", ""}, {"a\tb", "a\tb"}, {"\ra\r", "\ra\r"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TrimSpaceTab(c.text), c.trimmed);
    }
}

} // namespace
