#include "app/core/mdlLoad.h"
#include "app/documents/mdlFileOpen.h"
#include "tests/documents/OpenDocumentsFixture.h"

#include <QAction>

#include <gtest/gtest.h>

namespace {

using platform::editor::Range;

// The document window's own editing operations, called as the main window's handlers call them.
class EditingCommands : public OpenDocuments {
protected:
    static std::tuple<int, int, int, int> selection(int number)
    {
        const Range at = editor(number)->GetSel(false);
        return {at.StartLine, at.StartCol, at.EndLine, at.EndCol};
    }
};

TEST_F(EditingCommands, SelectLineWidensToWholeLinesAndLeavesALineTheSelectionOnlyTouches)
{
    const struct Case {
        Range from;
        std::tuple<int, int, int, int> selected;
    } cases[] = {
        {{2, 3, 5, 0}, {2, 0, 4, 5}}, // ends at the start of line 5: lines 2 to 4
        {{5, 0, 2, 3}, {2, 0, 4, 5}}, // the same made from the other end
        {{2, 3, 2, 5}, {2, 0, 2, 5}},
        {{2, 3, 2, 3}, {2, 0, 2, 5}},
        {{1, 2, 3, 1}, {1, 0, 3, 5}},
        {{6, 0, 6, 0}, {6, 0, 6, 0}}, // the empty last line
    };
    const int n = open("lines.txt", "line0\r\nline1\r\nline2\r\nline3\r\nline4\r\nline5\r\n");
    for (const Case &c : cases) {
        editor(n)->SetSel(c.from);
        document(n)->SelectLineText();
        EXPECT_EQ(selection(n), c.selected) << c.from.StartLine << ',' << c.from.StartCol << " to "
                                            << c.from.EndLine << ',' << c.from.EndCol;
    }
}

TEST_F(EditingCommands, PositionCursorKeepsWhatMinusOneNamesAndStopsAtTheLastLine)
{
    const struct Case {
        int line, column;
        std::pair<int, int> caret;
    } cases[] = {
        {-1, 0, {1, 0}},   // column 0 of the current line
        {-1, -1, {1, 3}},  // stays
        {0, -1, {0, 3}},   // the current column on another line
        {99, 2, {2, 2}},   // a line past the end goes to the last one
        {2, 99, {2, 5}},   // a column past the line end goes to its end
    };
    const int n = open("caret.txt", "first\nsecond\nthird");
    for (const Case &c : cases) {
        editor(n)->SetCaretPos(1, 3);
        document(n)->PositionCursor(c.line, c.column);
        EXPECT_EQ(std::pair(document(n)->PositionLine(), document(n)->PositionCol()), c.caret)
            << c.line << ", " << c.column;
        EXPECT_FALSE(editor(n)->HasSelection());
    }
}

TEST_F(EditingCommands, PasteTextPutsTheCaretAfterTheTextAndPasteText2InsertsOrWraps)
{
    const struct Case {
        const char *name;
        Range selection;
        const char *center, *before, *after;
        QString text;
        std::pair<int, int> caret;
    } cases[] = {
        {"center only", {0, 4, 0, 8}, "<br>", "", "", QStringLiteral("one <br> two"), {0, 8}},
        {"center wins", {0, 4, 0, 8}, "<hr>", "<b>", "</b>", QStringLiteral("one <hr> two"), {0, 8}},
        {"wraps the selection", {0, 4, 0, 8}, "", "<b>", "</b>", QStringLiteral("one <b>word</b> two"), {0, 15}},
        {"inserts the pair", {0, 4, 0, 4}, "", "<b>", "</b>", QStringLiteral("one <b></b>word two"), {0, 11}},
        {"before alone", {0, 4, 0, 8}, "", "&", "", QStringLiteral("one &word two"), {0, 9}},
        {"all empty", {0, 4, 0, 8}, "", "", "", QStringLiteral("one word two"), {0, 8}},
        // Lines inserted take the document's line end; the wrapped selection keeps its own.
        {"lines of a center", {0, 3, 0, 3}, "\r\n<p>\r\n", "", "", QStringLiteral("one\n<p>\n word two"), {2, 0}},
        {"lines of a pair", {0, 4, 0, 8}, "", "<ul>\r\n", "\r\n</ul>", QStringLiteral("one <ul>\nword\n</ul> two"),
         {2, 5}},
    };
    const int n = open("page.html", "");
    for (const Case &c : cases) {
        editor(n)->SetText(QStringLiteral("one word two"));
        editor(n)->SetSel(c.selection);
        document(n)->PasteText2(QString::fromUtf8(c.center), QString::fromUtf8(c.before),
                                QString::fromUtf8(c.after));
        EXPECT_EQ(editor(n)->Text(), c.text) << c.name;
        EXPECT_EQ(std::pair(document(n)->PositionLine(), document(n)->PositionCol()), c.caret) << c.name;
    }

    editor(n)->SetText(QStringLiteral("a\r\nb\nc"));
    editor(n)->SetSel({0, 0, 2, 1});
    document(n)->PasteText2(QString(), QStringLiteral("<pre>\n"), QStringLiteral("\n</pre>"));
    EXPECT_EQ(editor(n)->Text(), QStringLiteral("<pre>\r\na\r\nb\nc\r\n</pre>"))
        << "the selection goes back with its line ends as they were";

    editor(n)->SetSel({0, 0, 0, 5});
    document(n)->PasteText(QString());
    EXPECT_EQ(editor(n)->SelText(), QStringLiteral("<pre>")) << "an empty text changes nothing";
}

TEST_F(EditingCommands, WhitespaceShownInOneDocumentIsShownInDocumentsMadeLater)
{
    // Whitespace display follows the last choice, not each language's own.
    mdlLoad::ViewSpaceReg = true;
    mdlFile::NewDocumentEmpty(QStringLiteral("new"), QStringLiteral("html"), QStringLiteral("HTML"), false);
    const int first = mdlFile::DocumentCount();
    ASSERT_FALSE(record(first).ViewSpace);
    const int earlier = open("earlier.txt", "a b");

    document(first)->ViewSpaceChange(true);
    EXPECT_TRUE(editor(first)->DisplayWhitespace());
    EXPECT_TRUE(main()->mnuView_ViewSpace->isChecked());
    EXPECT_TRUE(mdlLoad::ViewSpace);
    EXPECT_FALSE(editor(earlier)->DisplayWhitespace()) << "documents open already keep theirs";

    for (const bool shown : {true, false}) {
        document(first)->ViewSpaceChange(shown);
        mdlFile::NewDocumentEmpty(QStringLiteral("new"), QStringLiteral("html"), QStringLiteral("HTML"), false);
        const int fresh = mdlFile::DocumentCount();
        const int opened = open(QStringLiteral("later%1.txt").arg(fresh), "a b");
        for (const int later : {fresh, opened}) {
            EXPECT_EQ(record(later).ViewSpace, shown) << later;
            EXPECT_EQ(editor(later)->DisplayWhitespace(), shown) << later;
        }
        EXPECT_EQ(main()->mnuView_ViewSpace->isChecked(), shown) << "the active document's choice";
    }
}

} // namespace
