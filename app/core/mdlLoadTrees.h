#pragma once

#include "app/core/Table.h"

#include <QString>

// The work panel's three trees: ready phrases (phrase.ini), colours (color.ini) and special symbols
// (symbol.ini). A node line begins with a marker: "+" a group, "-" an item, at level 1; each further
// level puts three more blanks in front, up to level 5, which has items only. A node's parent is the
// nearest entry before it one level up.
namespace mdlLoad {

struct TreeItem {
    // The text that a double-click inserts.
    QString Value;
    // The node's text in the tree.
    QString Caption;
    // 1 to 5; 0 only for the first entry of `Phrases`.
    qint32 Level = 0;
    bool IsGroup = false;
};

// Entry 1 holds the text lines before the first node line, at level 0, which the tree leaves out.
inline Table<TreeItem> Phrases;
inline Table<TreeItem> Colors;
inline Table<TreeItem> Symbols;

// A node line and then its text lines, each starting with a tab that is not part of the text; below
// level 2 a second leading tab goes too. An item without text inserts its caption.
void LoadPhrases(const QString &path);
// Group lines, and item lines "value|caption" whose value is a colour.
void LoadColors(const QString &path);
// Group lines, and item lines "value|caption" split at the last "|"; the value gets the %v and %p
// escapes.
void LoadSymbols(const QString &path);

} // namespace mdlLoad
