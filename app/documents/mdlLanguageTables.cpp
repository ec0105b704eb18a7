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
