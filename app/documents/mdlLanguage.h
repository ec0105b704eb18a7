#pragma once

#include "app/core/Table.h"
#include "app/core/mdlLibrary.h"

#include <QList>
#include <QString>

#include <utility>

// The syntax languages: six parallel tables numbered like the lines of language.ini, filled once at start
// from the language files. Element 0 holds the built-in defaults and is the language of a document that has
// none; it is never listed in the Syntax menu nor found by name.
namespace mdlLanguage {

struct LanguageHeader {
    QString Name; // caption of the Syntax menu item, from language.ini
    QString File; // definition file, relative to the language folder, from language.ini
    QString SyntaxName;
    bool ColorSyntax = false;
    bool DisplayLeftPanel = false;
    bool DisplayLeftMargin = false;
    bool SelBounds = false;
    bool SpaceTabView = false;

    bool operator==(const LanguageHeader &) const = default;
};

// The word lists hold one entry per line, separated by line feeds.
struct LanguageSyntax {
    QString EscapeChar;
    QString Keywords;
    QString MultiLineComments1;
    QString MultiLineComments2;
    QString Operators;
    QString ScopeKeywords1;
    QString ScopeKeywords2;
    QString SingleLineComments;
    QString StringDelims;
    int Style = 0;
    QString TagAttributeNames;
    QString TagElementNames;
    QString TagEntities;
    QString TerminatorChar;

    bool operator==(const LanguageSyntax &) const = default;
};

struct LanguageLines {
    bool LineNumbering = false;
    int LineNumberStart = 0;
    bool LineToolTips = false;

    bool operator==(const LanguageLines &) const = default;
};

struct LanguageFont {
    QString FontName;
    double FontSize = 0;
    double FontCharset = 0; // 204 is Cyrillic
    bool ExpandTabs = false;
    int TabSize = 0;
    bool SpacePrevLine = false; // new lines are indented like the previous one
    bool CaseSensitive = false;
    bool NormalizeCase = false;

    bool operator==(const LanguageFont &) const = default;
};

// The editor's font style of each kind of token.
struct LanguageStyle {
    int Comment = 0;
    int Keyword = 0;
    int LineNumber = 0;
    int Number = 0;
    int Operator = 0;
    int ScopeKeyword = 0;
    int String = 0;
    int TagAttributeName = 0;
    int TagElementName = 0;
    int TagEntity = 0;
    int TagText = 0;
    int Text = 0;

    bool operator==(const LanguageStyle &) const = default;
};

// Colour numbers: red + 256 * green + 65536 * blue.
struct LanguageColors {
    int Comment = 0;
    int CommentBk = 0;
    int Keyword = 0;
    int KeywordBk = 0;
    int LeftMargin = 0;
    int LineNumber = 0;
    int LineNumberBk = 0;
    int Number = 0;
    int NumberBk = 0;
    int Operator = 0;
    int OperatorBk = 0;
    int ScopeKeyword = 0;
    int ScopeKeywordBk = 0;
    int String = 0;
    int StringBk = 0;
    int TagAttributeName = 0;
    int TagAttributeNameBk = 0;
    int TagElementName = 0;
    int TagElementNameBk = 0;
    int TagEntity = 0;
    int TagEntityBk = 0;
    int TagText = 0;
    int TagTextBk = 0;
    int Text = 0;
    int TextBk = 0;
    int VDividerLines = 0;
    int Window = 0;

    bool operator==(const LanguageColors &) const = default;
};

inline Table<LanguageHeader> LangHeader;
inline Table<LanguageSyntax> LangSyntax;
inline Table<LanguageLines> LangLines;
inline Table<LanguageFont> LangFont;
inline Table<LanguageStyle> LangStyle;
inline Table<LanguageColors> LangColors;

// The language folder as handed to InitLanguages, and default.ini's full path (empty: not read).
inline QString LangFolder;
inline QString LangDefaultIni;
// The number of languages whose definition file was read.
inline int LangCount = 0;

// ---- Loading (once, at start) ------------------------------------------------------------------------

// The most lines of language.ini that are read. Each is an item of the Syntax menu, which shows them in
// one column: a thousand fill several screens already, and Qt takes longer for each item with every one
// before it, so that a file of 100 000 lines held the start for seconds and half a gigabyte.
constexpr int MaxLanguages = 1000;

// Empties the tables, puts the built-in defaults into element 0 and loads the languages that `listFile`
// (language.ini) names from `folder` (ending in "/"). default.ini lies under every language when the
// setting UseDefaultLng is on.
void InitLanguages(const QString &listFile, const QString &folder);
// Gives every line of `listFile`, up to the limit above, its element in the tables. A language whose
// definition file cannot be read keeps the built-in defaults in its element, so element i always stands for
// line i.
void LoadLanguageList(const QString &listFile);
// Lays the settings of one definition file over element `index`; a file that cannot be read changes nothing.
void ReadLanguageFile(const QString &path, int index);
// Writes the built-in defaults into element `index` (all but the header's Name and File).
void SetDefaultLanguage(int index);
// The text without the spaces and tabs at both ends.
QString TrimSpaceTab(const QString &text);

// ---- Lookups -----------------------------------------------------------------------------------------

// The first language (from 1) whose SyntaxName is exactly `syntaxName`; 0, the defaults, when none is.
int FindLanguage(const QString &syntaxName);

// The first entry of a list of words: the text before its first line feed, or the whole text when it
// has none or begins with one.
QString GetFirstLine(const QString &text);
// A document's language, by its number: the first entry of each comment list, and the tab width by which
// the tool panel's "left" button outdents. A number with no element gives no markers and a width of 0.
mdlLibrary::CommentMarkers CommentMarkersOf(int language);
int TabSizeOf(int language);

// (editor index, value) for every font style, then every colour, of a language, in the record's order;
// the editor takes them as they stand.
QList<std::pair<int, int>> FontStyleSettings(const LanguageStyle &style);
QList<std::pair<int, int>> ColorSettings(const LanguageColors &colors);

} // namespace mdlLanguage
