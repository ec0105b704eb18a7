#include "app/core/mdlLoadTrees.h"

#include "tests/CaseNames.h"
#include "tests/TempFolder.h"

#include <gtest/gtest.h>

using namespace mdlLoad;

namespace {

struct Node {
    QString Value;
    QString Caption;
    int Level;
    bool IsGroup;
    bool operator==(const Node &) const = default;
};

void PrintTo(const Node &node, std::ostream *out)
{
    *out << "{" << qPrintable(node.Value) << " | " << qPrintable(node.Caption) << " | " << node.Level
         << (node.IsGroup ? " group}" : " item}");
}

QList<Node> NodesOf(const Table<TreeItem> &table)
{
    QList<Node> nodes;
    for (const TreeItem &item : table)
        nodes.append({item.Value, item.Caption, item.Level, item.IsGroup});
    return nodes;
}

class TreeLists : public testing::Test {
protected:
    void TearDown() override
    {
        Phrases.clear();
        Colors.clear();
        Symbols.clear();
    }
    QString write(const QByteArray &text) { return folder.write("list.ini", text); }
    TempFolder folder;
};

struct MarkerCase {
    const char *line;
    int level; // 0: no node
    bool isGroup;
};

void PrintTo(const MarkerCase &c, std::ostream *out)
{
    casenames::Print(out, c.line);
}

class NodeMarkers : public TreeLists, public testing::WithParamInterface<MarkerCase> {};

// The same markers in all three files; symbol.ini shows them plainly, since it keeps every item.
TEST_P(NodeMarkers, GiveLevelAndKind)
{
    LoadSymbols(write(QByteArray(GetParam().line) + "\r\n"));
    if (GetParam().level == 0) {
        EXPECT_TRUE(Symbols.isEmpty()) << GetParam().line;
        return;
    }
    ASSERT_EQ(Symbols.count(), 1) << GetParam().line;
    EXPECT_EQ(Symbols[1].Level, GetParam().level) << GetParam().line;
    EXPECT_EQ(Symbols[1].IsGroup, GetParam().isGroup) << GetParam().line;
    EXPECT_EQ(Symbols[1].Caption, "c") << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, NodeMarkers,
    testing::Values(MarkerCase{"+c", 1, true}, MarkerCase{"-v|c", 1, false}, MarkerCase{"   +c", 2, true},
                    MarkerCase{"   -v|c", 2, false}, MarkerCase{"      + c ", 3, true},
                    MarkerCase{"      -v|c", 3, false}, MarkerCase{"         +c", 4, true},
                    MarkerCase{"         -v|c", 4, false}, MarkerCase{"            -v|c", 5, false},
                    MarkerCase{"            +c", 0, false}, MarkerCase{"  -v|c", 0, false},
                    MarkerCase{"    -v|c", 0, false}, MarkerCase{"\t-v|c", 0, false}, MarkerCase{"c", 0, false},
                    MarkerCase{"", 0, false}),
    casenames::Named(casenames::Spell(&MarkerCase::line)));

TEST_F(TreeLists, PhraseLevelsAreKeptAsWrittenAfterTheLevelZeroEntry)
{
    LoadPhrases(write("+a\r\n   +b\r\n   -c\r\n      -d\r\n+e\r\n      -f\r\n-g\r\n         -h\r\n"));
    QList<int> levels;
    for (const TreeItem &item : Phrases)
        levels.append(item.Level);
    EXPECT_EQ(levels, QList<int>({0, 1, 2, 2, 3, 1, 3, 1, 4})) << "a jump of levels stays as written";
    EXPECT_EQ(NodesOf(Phrases)[0], (Node{"", "", 0, false}));
}

struct PhraseCase {
    const char *name;
    const char *text;
    QList<Node> nodes; // after the level-0 entry
};

void PrintTo(const PhraseCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class PhraseTexts : public TreeLists, public testing::WithParamInterface<PhraseCase> {};

TEST_P(PhraseTexts, FollowTheirNodeLine)
{
    LoadPhrases(write(GetParam().text));
    QList<Node> nodes = NodesOf(Phrases);
    ASSERT_FALSE(nodes.isEmpty());
    nodes.removeFirst();
    EXPECT_EQ(nodes, GetParam().nodes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PhraseTexts,
    testing::Values(
        PhraseCase{"ItemsWithoutTextInsertTheirCaption", "-  one  \r\n   - two", {{"one", "one", 1, false}, {"two", "two", 2, false}}},
        PhraseCase{"TextLinesJoinWithLineBreaksUntrimmed",
                   "-p\r\n\t<p> \r\n\t\tx\r\n\t\r\n\t</p>\r\n",
                   {{"<p> \r\n\tx\r\n\r\n</p>", "p", 1, false}}},
        PhraseCase{"DeepItemsLoseASecondTabOnly",
                   "      -three\r\n\t\ta\r\n\tb\r\n\t\t\tc\r\n   -two\r\n\t\ta\r\n            -five\r\n\tx\r\n",
                   {{"a\r\nb\r\n\tc", "three", 3, false}, {"\ta", "two", 2, false}, {"x", "five", 5, false}}},
        PhraseCase{"AGroupFollowedByNodesKeepsItsMark",
                   "+g\r\n   -i\r\n\tt\r\n",
                   {{"", "g", 1, true}, {"t", "i", 2, false}}},
        PhraseCase{"AGroupFollowedByOtherLinesBecomesAnItem",
                   "+with text\r\n\tt\r\n+blank after\r\n\r\n   -i\r\n",
                   {{"t", "with text", 1, false}, {"blank after", "blank after", 1, false}, {"i", "i", 2, false}}},
        PhraseCase{"LinesWithoutMarkerOrTabAreIgnored",
                   "-p\r\n    x\r\nplain\r\n\tkept\r\n            +no group\r\n",
                   {{"kept", "p", 1, false}}}),
    casenames::Named(&PhraseCase::name));

TEST_F(TreeLists, TextBeforeTheFirstNodeGoesToTheLevelZeroEntry)
{
    LoadPhrases(write("\tfirst\r\n\tsecond\r\n"));
    ASSERT_EQ(Phrases.count(), 1);
    EXPECT_EQ(NodesOf(Phrases)[0], (Node{"first\r\nsecond", "", 0, false}));
    LoadPhrases(write(""));
    ASSERT_EQ(Phrases.count(), 1);
    EXPECT_EQ(NodesOf(Phrases)[0], (Node{"", "", 0, false}));
    LoadPhrases(folder.path("missing.ini"));
    EXPECT_TRUE(Phrases.isEmpty());
}

TEST_F(TreeLists, ColourItemsNeedAColourValue)
{
    LoadColors(write("+Reds | warm\r\n"
                     "   - #FF0000 | red \r\n"
                     "   -ff8080|light|red\r\n"
                     "   -red|red\r\n"
                     "   -#FF0000\r\n"
                     "   -#FF00|short\r\n"
                     "   -#GG0000|not hex\r\n"
                     "junk\r\n"));
    EXPECT_EQ(NodesOf(Colors), (QList<Node>{{"", "Reds | warm", 1, true},
                                            {"#FF0000", "red", 2, false},
                                            {"ff8080", "light|red", 2, false}}));
    LoadColors(folder.path("missing.ini"));
    EXPECT_TRUE(Colors.isEmpty());
}

TEST_F(TreeLists, SymbolItemsSplitAtTheLastBarAndUnescapeTheValue)
{
    LoadSymbols(write("+Marks\r\n"
                      "   -&laquo;|\xAB \xEA\xE0\xE2\xFB\xF7\xEA\xE0\r\n"
                      "   -a|b|c\r\n"
                      "   -%v|bar\r\n"
                      "   -%pv%P|x\r\n"
                      "   - no bar \r\n"
                      "   -|empty\r\n"));
    EXPECT_EQ(NodesOf(Symbols), (QList<Node>{{"", "Marks", 1, true},
                                             {"&laquo;", "« кавычка", 2, false},
                                             {"a|b", "c", 2, false},
                                             {"|", "bar", 2, false},
                                             {"%v%", "x", 2, false},
                                             {"", "- no bar", 2, false},
                                             {"", "empty", 2, false}}));
    LoadSymbols(folder.path("missing.ini"));
    EXPECT_TRUE(Symbols.isEmpty());
}

} // namespace
