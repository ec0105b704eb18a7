#include "app/documents/mdlLanguage.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"

#include <QRegularExpression>

#include <algorithm>
#include <initializer_list>
#include <variant>

namespace mdlLanguage {
namespace {

using namespace mdlLibrary;

// How a definition-file value becomes a field: text as it stands, a list (one entry per line), a Boolean,
// a whole number, or the leading decimal number of the value.
enum class Kind { Text, List, Boolean, Integer, Number };

template <typename Record>
struct Field {
    const char *key;
    Kind kind;
    std::variant<QString Record::*, bool Record::*, int Record::*, double Record::*> member;
};

// The leading decimal number of `text` ("12pt" is 12); 0 when it does not begin with one.
double LeadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).toDouble() : 0;
}

// Converts `value` to the field's kind and stores it; a Boolean or whole number that cannot be read
// leaves the field as the earlier layer left it.
template <typename Record>
void Store(Record &record, const Field<Record> &field, const QString &value)
{
    if (auto text = std::get_if<QString Record::*>(&field.member)) {
        record.*(*text) = field.kind == Kind::List ? QString(value).replace(u' ', u'\n') : value;
    } else if (auto flag = std::get_if<bool Record::*>(&field.member)) {
        if (const std::optional<bool> b = ToBoolean(value))
            record.*(*flag) = *b;
    } else if (auto whole = std::get_if<int Record::*>(&field.member)) {
        if (const std::optional<int> n = ToWholeNumber(value))
            record.*(*whole) = *n;
    } else if (auto number = std::get_if<double Record::*>(&field.member)) {
        record.*(*number) = LeadingNumber(value);
    }
}

template <typename Record>
void StoreSetting(Record &record, std::initializer_list<Field<Record>> fields, const QString &key,
                  const QString &value)
{
    for (const Field<Record> &field : fields) {
        if (key == QLatin1String(field.key)) {
            Store(record, field, value);
            return;
        }
    }
}

void StoreCommon(LanguageHeader &r, const QString &key, const QString &value)
{
    using R = LanguageHeader;
    StoreSetting<R>(r,
                    {{"SyntaxName", Kind::Text, &R::SyntaxName},
                     {"ColorSyntax", Kind::Boolean, &R::ColorSyntax},
                     {"DisplayLeftPanel", Kind::Boolean, &R::DisplayLeftPanel},
                     {"DisplayLeftMargin", Kind::Boolean, &R::DisplayLeftMargin},
                     {"SelBounds", Kind::Boolean, &R::SelBounds},
                     {"SpaceTabView", Kind::Boolean, &R::SpaceTabView}},
                    key, value);
}

void StoreLanguage(LanguageSyntax &r, const QString &key, const QString &value)
{
    using R = LanguageSyntax;
    StoreSetting<R>(r,
                    {{"EscapeChar", Kind::Text, &R::EscapeChar},
                     {"Keywords", Kind::List, &R::Keywords},
                     {"MultiLineComments1", Kind::List, &R::MultiLineComments1},
                     {"MultiLineComments2", Kind::List, &R::MultiLineComments2},
                     {"Operators", Kind::List, &R::Operators},
                     {"ScopeKeywords1", Kind::List, &R::ScopeKeywords1},
                     {"ScopeKeywords2", Kind::List, &R::ScopeKeywords2},
                     {"SingleLineComments", Kind::List, &R::SingleLineComments},
                     {"StringDelims", Kind::List, &R::StringDelims},
                     {"Style", Kind::Integer, &R::Style},
                     {"TagAttributeNames", Kind::List, &R::TagAttributeNames},
                     {"TagElementNames", Kind::List, &R::TagElementNames},
                     {"TagEntities", Kind::List, &R::TagEntities},
                     {"TerminatorChar", Kind::Text, &R::TerminatorChar}},
                    key, value);
}

void StoreLines(LanguageLines &r, const QString &key, const QString &value)
{
    using R = LanguageLines;
    StoreSetting<R>(r,
                    {{"LineNumbering", Kind::Boolean, &R::LineNumbering},
                     {"LineNumberStart", Kind::Integer, &R::LineNumberStart},
                     {"LineToolTips", Kind::Boolean, &R::LineToolTips}},
                    key, value);
}

void StoreFont(LanguageFont &r, const QString &key, const QString &value)
{
    using R = LanguageFont;
    StoreSetting<R>(r,
                    {{"FontName", Kind::Text, &R::FontName},
                     {"FontSize", Kind::Number, &R::FontSize},
                     {"FontCharset", Kind::Number, &R::FontCharset},
                     {"ExpandTabs", Kind::Boolean, &R::ExpandTabs},
                     {"TabSize", Kind::Integer, &R::TabSize},
                     {"SpacePrevLine", Kind::Boolean, &R::SpacePrevLine},
                     {"CaseSensitive", Kind::Boolean, &R::CaseSensitive},
                     {"NormalizeCase", Kind::Boolean, &R::NormalizeCase}},
                    key, value);
}

void StoreStyle(LanguageStyle &r, const QString &key, const QString &value)
{
    using R = LanguageStyle;
    StoreSetting<R>(r,
                    {{"Comment", Kind::Integer, &R::Comment},
                     {"Keyword", Kind::Integer, &R::Keyword},
                     {"LineNumber", Kind::Integer, &R::LineNumber},
                     {"Number", Kind::Integer, &R::Number},
                     {"Operator", Kind::Integer, &R::Operator},
                     {"ScopeKeyword", Kind::Integer, &R::ScopeKeyword},
                     {"String", Kind::Integer, &R::String},
                     {"TagAttributeName", Kind::Integer, &R::TagAttributeName},
                     {"TagElementName", Kind::Integer, &R::TagElementName},
                     {"TagEntity", Kind::Integer, &R::TagEntity},
                     {"TagText", Kind::Integer, &R::TagText},
                     {"Text", Kind::Integer, &R::Text}},
                    key, value);
}

// Colour values arrive already turned from "#rrggbb" into the colour number.
void StoreColors(LanguageColors &r, const QString &key, const QString &value)
{
    using R = LanguageColors;
    StoreSetting<R>(r,
                    {{"Comment", Kind::Integer, &R::Comment},
                     {"CommentBk", Kind::Integer, &R::CommentBk},
                     {"Keyword", Kind::Integer, &R::Keyword},
                     {"KeywordBk", Kind::Integer, &R::KeywordBk},
                     {"LeftMargin", Kind::Integer, &R::LeftMargin},
                     {"LineNumber", Kind::Integer, &R::LineNumber},
                     {"LineNumberBk", Kind::Integer, &R::LineNumberBk},
                     {"Number", Kind::Integer, &R::Number},
                     {"NumberBk", Kind::Integer, &R::NumberBk},
                     {"Operator", Kind::Integer, &R::Operator},
                     {"OperatorBk", Kind::Integer, &R::OperatorBk},
                     {"ScopeKeyword", Kind::Integer, &R::ScopeKeyword},
                     {"ScopeKeywordBk", Kind::Integer, &R::ScopeKeywordBk},
                     {"String", Kind::Integer, &R::String},
                     {"StringBk", Kind::Integer, &R::StringBk},
                     {"TagAttributeName", Kind::Integer, &R::TagAttributeName},
                     {"TagAttributeNameBk", Kind::Integer, &R::TagAttributeNameBk},
                     {"TagElementName", Kind::Integer, &R::TagElementName},
                     {"TagElementNameBk", Kind::Integer, &R::TagElementNameBk},
                     {"TagEntity", Kind::Integer, &R::TagEntity},
                     {"TagEntityBk", Kind::Integer, &R::TagEntityBk},
                     {"TagText", Kind::Integer, &R::TagText},
                     {"TagTextBk", Kind::Integer, &R::TagTextBk},
                     {"Text", Kind::Integer, &R::Text},
                     {"TextBk", Kind::Integer, &R::TextBk},
                     {"VDividerLines", Kind::Integer, &R::VDividerLines},
                     {"Window", Kind::Integer, &R::Window}},
                    key, value);
}

void StoreInSection(const QString &section, int index, const QString &key, const QString &value)
{
    if (section == QLatin1String("common"))
        StoreCommon(LangHeader[index], key, value);
    else if (section == QLatin1String("language"))
        StoreLanguage(LangSyntax[index], key, value);
    else if (section == QLatin1String("lines"))
        StoreLines(LangLines[index], key, value);
    else if (section == QLatin1String("font"))
        StoreFont(LangFont[index], key, value);
    else if (section == QLatin1String("style"))
        StoreStyle(LangStyle[index], key, value);
    else if (section == QLatin1String("colors"))
        StoreColors(LangColors[index], key, ConvertColor(value, 2, 1));
}

// A header is "[name]" with nothing but spaces around the brackets; the name is taken verbatim.
std::optional<QString> SectionName(const QString &line)
{
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == u' ')
        ++first;
    while (last > first && line[last - 1] == u' ')
        --last;
    if (last - first < 2 || line[first] != u'[' || line[last - 1] != u']')
        return std::nullopt;
    return line.mid(first + 1, last - first - 2);
}

// A value framed in "@" keeps the blanks at its ends: one "@" goes from the start, then one from the end.
QString Unframe(QString value)
{
    if (value.startsWith(u'@'))
        value.remove(0, 1);
    if (value.endsWith(u'@'))
        value.chop(1);
    return value;
}

// The menu caption of a language.ini name: "%v" stands for "|", then "%p" for "%".
QString UnescapeName(const QString &name)
{
    return QString(name).replace(QLatin1String("%v"), QLatin1String("|"), Qt::CaseInsensitive)
        .replace(QLatin1String("%p"), QLatin1String("%"), Qt::CaseInsensitive);
}

void AppendEmptyRecords()
{
    LangSyntax.append({});
    LangLines.append({});
    LangFont.append({});
    LangStyle.append({});
    LangColors.append({});
}

} // namespace

QString TrimSpaceTab(const QString &text)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

void SetDefaultLanguage(int index)
{
    LanguageHeader &header = LangHeader[index];
    header.SyntaxName = QStringLiteral("nothing");
    header.ColorSyntax = false;
    header.DisplayLeftPanel = false;
    header.DisplayLeftMargin = false;
    header.SelBounds = true;
    header.SpaceTabView = false;

    LangSyntax[index] = LanguageSyntax{};

    LangLines[index] = LanguageLines{};
    LangLines[index].LineNumberStart = 1;

    LanguageFont &font = LangFont[index];
    font = LanguageFont{};
    font.FontName = QStringLiteral("Courier New");
    font.FontSize = 10;
    font.FontCharset = 204;
    font.TabSize = 4;

    LangStyle[index] = LanguageStyle{};

    // Black on white: every foreground 0, every background, the margin and the window white.
    constexpr int white = 0xFFFFFF;
    LanguageColors &c = LangColors[index];
    c = LanguageColors{};
    for (int LanguageColors::*background :
         {&LanguageColors::CommentBk, &LanguageColors::KeywordBk, &LanguageColors::LeftMargin,
          &LanguageColors::LineNumberBk, &LanguageColors::NumberBk, &LanguageColors::OperatorBk,
          &LanguageColors::ScopeKeywordBk, &LanguageColors::StringBk, &LanguageColors::TagAttributeNameBk,
          &LanguageColors::TagElementNameBk, &LanguageColors::TagEntityBk, &LanguageColors::TagTextBk,
          &LanguageColors::TextBk, &LanguageColors::Window})
        c.*background = white;
}

void ReadLanguageFile(const QString &path, int index)
{
    if (!IsTextFile(path))
        return;
    QString section;
    for (const QString &line : SplitLines(FileReadText(path))) {
        if (TrimSpaceTab(line).startsWith(u';'))
            continue;
        if (const std::optional<QString> name = SectionName(line)) {
            section = *name;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 1)
            continue;
        const QString key = TrimSpaceTab(line.left(equals));
        const QString value = Unframe(TrimSpaceTab(line.mid(equals + 1)));
        StoreInSection(section, index, key, value);
    }
}

void LoadLanguageList(const QString &listFile)
{
    if (!IsTextFile(listFile))
        return;
    LangCount = 0;
    const QStringList lines = SplitLines(FileReadText(listFile));
    for (const QString &line : lines.first(std::min<qsizetype>(lines.size(), MaxLanguages))) {
        LanguageHeader header;
        const qsizetype bar = line.indexOf(u'|');
        if (bar < 0) {
            header.File = TrimSpaces(line);
        } else {
            header.Name = UnescapeName(TrimSpaces(line.left(bar)));
            header.File = TrimSpaces(line.mid(bar + 1));
        }
        LangHeader.append(header);
        AppendEmptyRecords();
    }
    // Every element gets at least the defaults, so that a language whose file is missing stands in its own
    // place (black on white) rather than shifting the languages after it.
    for (int i = 1; i <= LangHeader.count(); ++i) {
        SetDefaultLanguage(i);
        const QString path = LangFolder + LangHeader[i].File;
        if (!IsTextFile(path))
            continue;
        ++LangCount;
        if (!LangDefaultIni.isEmpty())
            ReadLanguageFile(LangDefaultIni, i);
        ReadLanguageFile(path, i);
    }
}

void InitLanguages(const QString &listFile, const QString &folder)
{
    LangFolder = folder;
    LangHeader.clear();
    LangSyntax.clear();
    LangLines.clear();
    LangFont.clear();
    LangStyle.clear();
    LangColors.clear();
    LangCount = 0;
    LangDefaultIni = folder + QStringLiteral("default.ini");
    if (!mdlLoad::UseDefaultLng || !IsTextFile(LangDefaultIni))
        LangDefaultIni.clear();
    SetDefaultLanguage(0);
    LoadLanguageList(listFile);
}

} // namespace mdlLanguage
