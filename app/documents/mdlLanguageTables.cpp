#include "app/documents/mdlLanguage.h"

namespace mdlLanguage {

int FindLanguage(const QString &syntaxName)
{
    for (int i = 1; i <= LangHeader.count(); ++i) {
        if (LangHeader[i].SyntaxName == syntaxName)
            return i;
    }
    return 0;
}

QString GetFirstLine(const QString &text)
{
    const qsizetype lineFeed = text.indexOf(u'\n');
    return lineFeed >= 1 ? text.left(lineFeed) : text;
}

mdlLibrary::CommentMarkers CommentMarkersOf(int language)
{
    // Element 0, the defaults, stands for a document without a language.
    if (language != 0 && !LangSyntax.contains(language))
        return {};
    const LanguageSyntax &syntax = LangSyntax[language];
    return {GetFirstLine(syntax.MultiLineComments1), GetFirstLine(syntax.MultiLineComments2),
            GetFirstLine(syntax.SingleLineComments)};
}

int TabSizeOf(int language)
{
    return language == 0 || LangFont.contains(language) ? LangFont[language].TabSize : 0;
}

QList<std::pair<int, int>> FontStyleSettings(const LanguageStyle &s)
{
    return {{5, s.Comment},          {2, s.Keyword},         {11, s.LineNumber},       {1, s.Number},
            {3, s.Operator},         {4, s.ScopeKeyword},    {6, s.String},            {10, s.TagAttributeName},
            {9, s.TagElementName},   {8, s.TagEntity},       {7, s.TagText},           {0, s.Text}};
}

// The editor's colour indices 2, 3 and 28 are left as the editor has them.
QList<std::pair<int, int>> ColorSettings(const LanguageColors &c)
{
    return {{14, c.Comment},          {15, c.CommentBk},        {8, c.Keyword},
            {9, c.KeywordBk},         {1, c.LeftMargin},        {26, c.LineNumber},
            {27, c.LineNumberBk},     {6, c.Number},            {7, c.NumberBk},
            {10, c.Operator},         {11, c.OperatorBk},       {12, c.ScopeKeyword},
            {13, c.ScopeKeywordBk},   {16, c.String},           {17, c.StringBk},
            {24, c.TagAttributeName}, {25, c.TagAttributeNameBk}, {22, c.TagElementName},
            {23, c.TagElementNameBk}, {20, c.TagEntity},        {21, c.TagEntityBk},
            {18, c.TagText},          {19, c.TagTextBk},        {4, c.Text},
            {5, c.TextBk},            {29, c.VDividerLines},    {0, c.Window}};
}

} // namespace mdlLanguage
