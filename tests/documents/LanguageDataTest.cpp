#include "tests/documents/LanguageFixture.h"

#include <QSet>
#include <QStringList>

#include <cmath>
#include <vector>

using namespace mdlLanguage;

namespace {

const QString SourceDir = QStringLiteral(VELLICOR_SOURCE_DIR);

using ListField = QString LanguageSyntax::*;

struct ShippedLanguage {
    const char *syntaxName;
    bool colored;
    int style; // 1: tags, 0: code
    std::vector<ListField> filledLists;
};

const std::vector<ListField> AllLists = {
    &LanguageSyntax::Keywords,           &LanguageSyntax::MultiLineComments1, &LanguageSyntax::MultiLineComments2,
    &LanguageSyntax::Operators,          &LanguageSyntax::ScopeKeywords1,     &LanguageSyntax::ScopeKeywords2,
    &LanguageSyntax::SingleLineComments, &LanguageSyntax::StringDelims,       &LanguageSyntax::TagAttributeNames,
    &LanguageSyntax::TagElementNames,    &LanguageSyntax::TagEntities};

const std::vector<ListField> CodeLists = {
    &LanguageSyntax::Keywords,           &LanguageSyntax::Operators,      &LanguageSyntax::ScopeKeywords1,
    &LanguageSyntax::ScopeKeywords2,     &LanguageSyntax::MultiLineComments1, &LanguageSyntax::MultiLineComments2,
    &LanguageSyntax::StringDelims};

const std::vector<ListField> TagLists = {
    &LanguageSyntax::MultiLineComments1, &LanguageSyntax::MultiLineComments2, &LanguageSyntax::StringDelims,
    &LanguageSyntax::TagAttributeNames,  &LanguageSyntax::TagElementNames,    &LanguageSyntax::TagEntities};

std::vector<ListField> With(std::vector<ListField> lists, ListField extra)
{
    lists.push_back(extra);
    return lists;
}

// In the order of language.ini, which the file-type list relies on by SyntaxName.
const std::vector<ShippedLanguage> Shipped = {
    {"HTML", true, 1, TagLists},
    {"CSS", true, 0, CodeLists},
    {"JavaScript", true, 0, With(CodeLists, &LanguageSyntax::SingleLineComments)},
    {"XML", true, 1, TagLists},
    {"PHP", true, 0, With(CodeLists, &LanguageSyntax::SingleLineComments)},
    {"Perl", true, 0, With(CodeLists, &LanguageSyntax::SingleLineComments)},
    {"Text", false, 0, {}},
};

double Luminance(int color)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color & 0xFF) + 0.7152 * channel((color >> 8) & 0xFF) +
           0.0722 * channel((color >> 16) & 0xFF);
}

double Contrast(int foreground, int background)
{
    const double a = Luminance(foreground) + 0.05;
    const double b = Luminance(background) + 0.05;
    return a > b ? a / b : b / a;
}

class ShippedLanguages : public LanguageFixture {
protected:
    void SetUp() override
    {
        LanguageFixture::SetUp();
        InitLanguages(SourceDir + "/data/setting/language.ini", SourceDir + "/data/language/");
    }
};

TEST_F(ShippedLanguages, EveryListedLanguageLoadsUnderItsSyntaxName)
{
    ASSERT_EQ(LangHeader.count(), int(Shipped.size()));
    EXPECT_EQ(LangCount, int(Shipped.size()));
    EXPECT_FALSE(LangDefaultIni.isEmpty());
    for (int i = 1; i <= LangHeader.count(); ++i) {
        const ShippedLanguage &expected = Shipped[i - 1];
        SCOPED_TRACE(expected.syntaxName);
        EXPECT_FALSE(LangHeader[i].Name.isEmpty());
        EXPECT_EQ(LangHeader[i].SyntaxName, expected.syntaxName);
        EXPECT_EQ(FindLanguage(expected.syntaxName), i);
        EXPECT_EQ(LangHeader[i].ColorSyntax, expected.colored);
        EXPECT_EQ(LangSyntax[i].Style, expected.style);
        for (ListField list : expected.filledLists)
            EXPECT_FALSE((LangSyntax[i].*list).isEmpty());
        EXPECT_EQ(LangFont[i].FontName, "Courier New");
        EXPECT_EQ(LangFont[i].FontCharset, 204);
    }
    EXPECT_EQ(LangHeader[7].Name, QStringLiteral("Простой текст"));
    EXPECT_EQ(FindLanguage("nothing"), 0);
}

TEST_F(ShippedLanguages, ListsHoldNeitherEmptyNorRepeatedEntries)
{
    for (int i = 1; i <= LangHeader.count(); ++i) {
        SCOPED_TRACE(LangHeader[i].SyntaxName.toStdString());
        const LanguageSyntax &s = LangSyntax[i];
        for (ListField list : AllLists) {
            if ((s.*list).isEmpty())
                continue;
            const QStringList entries = (s.*list).split(u'\n');
            EXPECT_FALSE(entries.contains(QString())) << (s.*list).toStdString();
            EXPECT_EQ(QSet<QString>(entries.begin(), entries.end()).size(), entries.size())
                << (s.*list).left(60).toStdString();
        }
        // Openers and closers go in pairs.
        EXPECT_EQ(s.MultiLineComments1.count(u'\n'), s.MultiLineComments2.count(u'\n'));
        EXPECT_EQ(s.ScopeKeywords1.count(u'\n'), s.ScopeKeywords2.count(u'\n'));
        EXPECT_EQ(s.MultiLineComments1.isEmpty(), s.MultiLineComments2.isEmpty());
    }
}

TEST_F(ShippedLanguages, ColoursReadWellOnTheirBackgrounds)
{
    for (int i = 1; i <= LangHeader.count(); ++i) {
        SCOPED_TRACE(LangHeader[i].SyntaxName.toStdString());
        const LanguageColors &c = LangColors[i];
        EXPECT_EQ(c.Window, 0xFFFFFF);
        const std::vector<std::pair<int, int>> pairs = {
            {c.Comment, c.CommentBk},   {c.Keyword, c.KeywordBk},
            {c.LineNumber, c.LineNumberBk}, {c.Number, c.NumberBk},
            {c.Operator, c.OperatorBk}, {c.ScopeKeyword, c.ScopeKeywordBk},
            {c.String, c.StringBk},     {c.TagAttributeName, c.TagAttributeNameBk},
            {c.TagElementName, c.TagElementNameBk}, {c.TagEntity, c.TagEntityBk},
            {c.TagText, c.TagTextBk},   {c.Text, c.TextBk}};
        for (const auto &[foreground, background] : pairs)
            EXPECT_GE(Contrast(foreground, background), 3.5) << foreground << " on " << background;
    }
}

} // namespace
