#include "app/documents/mdlLanguage.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

using namespace mdlLanguage;

namespace {

void SetSyntaxNames(std::initializer_list<const char *> names)
{
    LangHeader.clear();
    for (const char *name : names) {
        LanguageHeader header;
        header.SyntaxName = name;
        LangHeader.append(header);
    }
}

struct FindCase {
    const char *name;
    int found;
};

TEST(LanguageTables, FindLanguageGivesTheFirstExactMatch)
{
    SetSyntaxNames({"HTML", "nothing", "Perl", "HTML", "nothing"});
    for (const FindCase &c : {FindCase{"HTML", 1}, FindCase{"Perl", 3}, FindCase{"nothing", 2},
                              FindCase{"html", 0}, FindCase{"PERL", 0}, FindCase{"CSS", 0}, FindCase{"", 0}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindLanguage(c.name), c.found);
    }
}

TEST(LanguageTables, FindLanguageNeverReturnsElementZero)
{
    SetSyntaxNames({});
    LangHeader[0].SyntaxName = "nothing";
    EXPECT_EQ(FindLanguage("nothing"), 0);
}

// Every field reaches the editor once, each on an index of its own.
TEST(LanguageTables, EditorIndicesCoverEveryFieldOnce)
{
    LanguageStyle style{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    QSet<int> indices, values;
    for (const auto &[index, value] : FontStyleSettings(style)) {
        indices.insert(index);
        values.insert(value);
    }
    EXPECT_EQ(indices, (QSet<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(values.size(), 12);

    LanguageColors colors{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                          15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};
    indices.clear();
    values.clear();
    for (const auto &[index, value] : ColorSettings(colors)) {
        indices.insert(index);
        values.insert(value);
    }
    QSet<int> expected;
    for (int i = 0; i <= 29; ++i)
        if (i != 2 && i != 3 && i != 28)
            expected.insert(i);
    EXPECT_EQ(indices, expected);
    EXPECT_EQ(values.size(), 27);
}

// A background is set on the index right after its foreground's.
TEST(LanguageTables, BackgroundsFollowTheirForegrounds)
{
    LanguageColors colors;
    colors.Comment = 1;
    colors.CommentBk = 2;
    colors.TagEntity = 3;
    colors.TagEntityBk = 4;
    colors.Text = 5;
    colors.TextBk = 6;
    QMap<int, int> byValue;
    for (const auto &[index, value] : ColorSettings(colors))
        if (value != 0)
            byValue[value] = index;
    EXPECT_EQ(byValue[2], byValue[1] + 1);
    EXPECT_EQ(byValue[4], byValue[3] + 1);
    EXPECT_EQ(byValue[6], byValue[5] + 1);
}

// A document's language by its number: element 0 is the defaults, a number past the tables has none.
class LanguageOfADocument : public testing::Test {
protected:
    void SetUp() override
    {
        LangSyntax.clear();
        LangFont.clear();
        LangSyntax[0].MultiLineComments1 = "/*";
        LangSyntax[0].MultiLineComments2 = "*/";
        LangSyntax[0].SingleLineComments = "//";
        LangFont[0].TabSize = 8;
        LanguageSyntax html;
        // Lists hold one entry per line; only the first of each is a marker.
        html.MultiLineComments1 = "<!--\n<%--";
        html.MultiLineComments2 = "-->\n--%>";
        LangSyntax.append(html);
        LanguageFont font;
        font.TabSize = 2;
        LangFont.append(font);
    }
    void TearDown() override
    {
        LangSyntax = syntax_;
        LangFont = font_;
    }

private:
    const Table<LanguageSyntax> syntax_ = LangSyntax;
    const Table<LanguageFont> font_ = LangFont;
};

TEST_F(LanguageOfADocument, GivesTheFirstCommentMarkersAndTheTabWidth)
{
    const struct {
        int language;
        const char *blockStart, *blockEnd, *line;
        int tabSize;
    } cases[] = {
        {0, "/*", "*/", "//", 8},
        {1, "<!--", "-->", "", 2},
        {2, "", "", "", 0},
        {-1, "", "", "", 0},
    };
    for (const auto &c : cases) {
        const mdlLibrary::CommentMarkers markers = CommentMarkersOf(c.language);
        EXPECT_EQ(markers.BlockStart, c.blockStart) << c.language;
        EXPECT_EQ(markers.BlockEnd, c.blockEnd) << c.language;
        EXPECT_EQ(markers.Line, c.line) << c.language;
        EXPECT_EQ(TabSizeOf(c.language), c.tabSize) << c.language;
    }
}

TEST(LanguageTables, TheFirstLineOfAListEndsAtItsFirstLineFeed)
{
    const struct {
        const char *list;
        const char *first;
    } cases[] = {{"rem\n'", "rem"}, {"#", "#"}, {"", ""}, {"\n#", "\n#"}, {"a\n\nb", "a"}, {"a\r\nb", "a\r"}};
    for (const auto &c : cases)
        EXPECT_EQ(GetFirstLine(c.list), c.first) << c.list;
}

} // namespace
