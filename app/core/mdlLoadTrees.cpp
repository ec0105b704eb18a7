#include "app/core/mdlLoadTrees.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

#include <optional>

namespace mdlLoad {

namespace {

using mdlLibrary::TrimSpaces;

struct Marker {
    QLatin1String Text;
    qint32 Level;
    bool IsGroup;
};

// Tried in this order; there is no group at level 5.
const Marker Markers[] = {
    {QLatin1String("+"), 1, true},
    {QLatin1String("-"), 1, false},
    {QLatin1String("   +"), 2, true},
    {QLatin1String("   -"), 2, false},
    {QLatin1String("      +"), 3, true},
    {QLatin1String("      -"), 3, false},
    {QLatin1String("         +"), 4, true},
    {QLatin1String("         -"), 4, false},
    {QLatin1String("            -"), 5, false},
};

std::optional<Marker> NodeMarker(const QString &line)
{
    for (const Marker &marker : Markers)
        if (line.startsWith(marker.Text))
            return marker;
    return std::nullopt;
}

// The node of a phrase.ini node line, without its text yet.
TreeItem PhraseNode(const QString &line, const Marker &marker)
{
    return {QString(), TrimSpaces(line.mid(marker.Text.size())), marker.Level, marker.IsGroup};
}

void AppendPhrase(TreeItem node, const QString &text)
{
    node.Value = text.isEmpty() && !node.IsGroup ? node.Caption : text;
    Phrases.append(node);
}

enum class OneLineTree { Colors, Symbols };

// A color.ini or symbol.ini line's node. An item's value stands between the marker and the "|" that
// splits it (the first in a colour line, the last in a symbol line), its caption after that "|"; without
// a "|" the value is empty and the caption is the whole line.
TreeItem OneLineNode(const QString &line, const Marker &marker, OneLineTree tree)
{
    TreeItem node{QString(), QString(), marker.Level, marker.IsGroup};
    const QString rest = line.mid(marker.Text.size());
    if (marker.IsGroup) {
        node.Caption = TrimSpaces(rest);
        return node;
    }
    const qsizetype bar = tree == OneLineTree::Colors ? rest.indexOf(u'|') : rest.lastIndexOf(u'|');
    if (bar < 0) {
        node.Caption = TrimSpaces(line);
        return node;
    }
    node.Value = TrimSpaces(rest.left(bar));
    node.Caption = TrimSpaces(rest.mid(bar + 1));
    if (tree == OneLineTree::Symbols)
        node.Value = ListEscapes(node.Value);
    return node;
}

void LoadOneLineTree(Table<TreeItem> &table, const QString &path, OneLineTree tree)
{
    table.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    for (const QString &line : *lines) {
        const std::optional<Marker> marker = NodeMarker(line);
        if (!marker)
            continue;
        const TreeItem node = OneLineNode(line, *marker, tree);
        // A colour item stays only with a colour for its value, stored as written.
        if (tree == OneLineTree::Colors && !node.IsGroup && !mdlLibrary::IsColorString(node.Value))
            continue;
        table.append(node);
    }
}

} // namespace

void LoadPhrases(const QString &path)
{
    Phrases.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    // The text lines before the first node line belong to a nameless level-0 item.
    TreeItem pending;
    QString text;
    for (const QString &line : *lines) {
        if (const std::optional<Marker> marker = NodeMarker(line)) {
            AppendPhrase(pending, text);
            pending = PhraseNode(line, *marker);
            text.clear();
            continue;
        }
        // Only node lines may follow a group; anything else makes it an item.
        pending.IsGroup = false;
        if (!line.startsWith(u'\t'))
            continue;
        QString textLine = line.mid(1);
        // Deep items indent their text with two tabs; a text line with one keeps its first character.
        if (pending.Level >= 3 && textLine.startsWith(u'\t'))
            textLine.remove(0, 1);
        if (!text.isEmpty())
            text += QLatin1String("\r\n");
        text += textLine;
    }
    AppendPhrase(pending, text);
}

void LoadColors(const QString &path)
{
    LoadOneLineTree(Colors, path, OneLineTree::Colors);
}

void LoadSymbols(const QString &path)
{
    LoadOneLineTree(Symbols, path, OneLineTree::Symbols);
}

} // namespace mdlLoad
