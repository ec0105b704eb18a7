#pragma once

#include <QString>

// Syntax languages known to every editor of the process, each under its name.
namespace platform::editor {

// How a language's text is built.
enum LanguageStyle {
    // Code: keywords, operators, numbers, strings and comments everywhere.
    LanguageStyleProcedural = 0,
    // Markup: tags with element and attribute names, entities and comments; plain text between tags.
    LanguageStyleSgml = 1,
};

// The word lists and flags of one language. Every list holds one entry per line, entries separated by
// line feeds; empty entries are ignored.
struct LanguageDefinition {
    bool CaseSensitive = false;
    QString Keywords;
    QString Operators;
    QString SingleLineComments;
    // Block comments: entry i of MultiLineComments1 opens a comment that entry i of MultiLineComments2 closes.
    QString MultiLineComments1;
    QString MultiLineComments2;
    // Words that open (1) and close (2) a scope; both are coloured as scope keywords.
    QString ScopeKeywords1;
    QString ScopeKeywords2;
    // Each entry opens a string that the same entry closes; a string ends at the end of its line at the latest.
    QString StringDelims;
    // Inside a string, the character after the escape character never closes it.
    QString EscapeChar;
    // Coloured as an operator.
    QString TerminatorChar;
    // With a markup style: names of elements, attributes and entities that are coloured as such; an empty
    // list colours every name of its kind.
    QString TagElementNames;
    QString TagAttributeNames;
    QString TagEntities;
    int Style = LanguageStyleProcedural;
    bool operator==(const LanguageDefinition &) const = default;
};

// Defines a language under `name`, replacing an earlier definition of that name. An editor takes the
// definition when its Language is set to the name.
void DefineLanguage(const QString &name, const LanguageDefinition &definition);

// Forgets the language of that name. Editors that use it keep the definition they took.
void UndefineLanguage(const QString &name);

// The definition of that name; false when no language has it.
bool FindLanguageDefinition(const QString &name, LanguageDefinition &definition);

} // namespace platform::editor
