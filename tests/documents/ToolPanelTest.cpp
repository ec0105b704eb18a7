#include "app/core/mdlLoad.h"
#include "app/documents/mdlLanguage.h"
#include "platform/widgets/StatusBar.h"
#include "tests/documents/OpenDocumentsFixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using platform::editor::Range;

// The document window's own strip of buttons, clicked as a user clicks them.
class ToolPanel : public OpenDocuments {
protected:
    static QAction *button(int number, const char *key)
    {
        return document(number)->tlbPanel->findChild<QAction *>(QString::fromLatin1(key));
    }

    static void click(int number, const char *key)
    {
        QAction *action = button(number, key);
        ASSERT_NE(action, nullptr) << key;
        QWidget *widget = document(number)->tlbPanel->widgetForAction(action);
        ASSERT_NE(widget, nullptr) << key;
        QTest::mouseClick(widget, Qt::LeftButton);
        settle();
    }

    static int caretLine(int number) { return editor(number)->GetSel(false).EndLine; }
};

TEST_F(ToolPanel, TheButtonsStandInTheirOrderWithTheirTipsAndPictures)
{
    const int n = open("page.html", "text");
    const QStringList keys{"viewmode", "browser", "number", "space",  "visible",  "left", "right", "first",
                           "up",       "down",    "last",   "create", "delete", "previous", "next"};
    const QStringList tips{"Режим редактора / просмотра",
                           "Просмотр в броузере по умолчанию",
                           "Показать / скрыть номера строк",
                           "Показать / скрыть непечатные символы",
                           "Скрыть рабочую панель окна",
                           "Сдвинуть влево",
                           "Сдвинуть вправо",
                           "Перейти к первой строке",
                           "Подняться вверх (Page Up)",
                           "Опуститься вниз (Page Down)",
                           "Перейти к последней строке",
                           "Создать закладку",
                           "Удалить закладку",
                           "Перейти к предыдущей закладке",
                           "Перейти к следующей закладке"};
    QStringList shownKeys, shownTips;
    for (QAction *action : document(n)->tlbPanel->actions()) {
        if (action->isSeparator())
            continue;
        shownKeys << action->objectName();
        shownTips << action->toolTip();
        EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->objectName().toStdString();
    }
    EXPECT_EQ(shownKeys, keys);
    EXPECT_EQ(shownTips, tips);
}

TEST_F(ToolPanel, RightAddsATabToEveryLineAndLeftTakesATabOrATabsWidthOfSpaces)
{
    ASSERT_EQ(mdlLanguage::LangFont[mdlLanguage::FindLanguage("HTML")].TabSize, 4);
    const int n = open("page.html", "a\n    b\n  c\nd");
    editor(n)->SetSel({0, 1, 2, 1});
    click(n, "right");
    EXPECT_EQ(editor(n)->Text(), "\ta\n\t    b\n\t  c\nd");
    click(n, "left");
    click(n, "left");
    EXPECT_EQ(editor(n)->Text(), "a\nb\n  c\nd") << "four spaces are one step, two are not";
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
}

TEST_F(ToolPanel, BookmarksAreSetRemovedAndVisitedOnTheCaretsLine)
{
    const int n = open("page.html", "0\n1\n2\n3\n4\n5");
    editor(n)->SetCaretPos(1, 0);
    click(n, "create");
    click(n, "create");
    EXPECT_EQ(editor(n)->GetAllBookmarks(), QList<int>{1}) << "a second click leaves the bookmark";
    editor(n)->SetCaretPos(4, 0);
    click(n, "create");
    editor(n)->SetCaretPos(3, 0);
    click(n, "delete");
    EXPECT_EQ(editor(n)->GetAllBookmarks(), (QList<int>{1, 4})) << "no bookmark on the line: nothing goes";

    click(n, "next");
    EXPECT_EQ(caretLine(n), 4);
    click(n, "previous");
    EXPECT_EQ(caretLine(n), 1);
    click(n, "delete");
    EXPECT_EQ(editor(n)->GetAllBookmarks(), QList<int>{4});
    EXPECT_EQ(main()->sttMain->PanelText(3), " 2 : 1 ");
}

TEST_F(ToolPanel, TheCaretGoesToTheFirstAndLastLineAndAPageUpOrDown)
{
    QByteArray text;
    for (int i = 0; i < 300; ++i)
        text += "line\n";
    const int n = open("page.html", text + "end");
    click(n, "last");
    EXPECT_EQ(caretLine(n), 300);
    EXPECT_EQ(editor(n)->GetSel(false).EndCol, 0);
    EXPECT_EQ(main()->sttMain->PanelText(3), " 301 : 1 ");
    click(n, "up");
    const int pageUp = caretLine(n);
    EXPECT_LT(pageUp, 300);
    EXPECT_GT(pageUp, 0);
    click(n, "down");
    EXPECT_GT(caretLine(n), pageUp);
    click(n, "first");
    EXPECT_EQ(caretLine(n), 0);
}

TEST_F(ToolPanel, LineNumbersAndWhitespaceMarksAreSwitched)
{
    const int n = open("page.html", "a b");
    const bool numbers = editor(n)->LineNumbering();
    click(n, "number");
    EXPECT_EQ(editor(n)->LineNumbering(), !numbers);

    const bool marks = record(n).ViewSpace;
    click(n, "space");
    EXPECT_EQ(record(n).ViewSpace, !marks);
    EXPECT_EQ(editor(n)->DisplayWhitespace(), !marks);
    EXPECT_EQ(button(n, "space")->isChecked(), !marks);
    EXPECT_EQ(main()->mnuView_ViewSpace->isChecked(), !marks);
    main()->mnuView_ViewSpace->trigger();
    EXPECT_EQ(button(n, "space")->isChecked(), marks) << "the button follows the menu";
}

TEST_F(ToolPanel, HidingThePanelGivesTheEditorTheWholeWindow)
{
    const int n = open("page.html", "text");
    frmContent *window = document(n);
    ASSERT_TRUE(window->panel_visible);
    EXPECT_TRUE(main()->mnuView_WorkPanel->isChecked());
    EXPECT_EQ(window->tlbPanel->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(window->txtContent->geometry(),
              QRect(window->tlbPanel->width(), 0, window->width() - window->tlbPanel->width(), window->height()));

    click(n, "visible");
    EXPECT_FALSE(window->panel_visible);
    EXPECT_FALSE(window->tlbPanel->isVisible());
    EXPECT_EQ(window->txtContent->geometry(), window->rect());
    EXPECT_FALSE(main()->mnuView_WorkPanel->isChecked());

    window->subWindow->resize(window->subWindow->size() + QSize(40, 30));
    settle();
    EXPECT_EQ(window->txtContent->geometry(), window->rect()) << "and keeps it when the window grows";

    main()->mnuView_WorkPanel->trigger();
    EXPECT_TRUE(window->panel_visible);
    EXPECT_TRUE(main()->mnuView_WorkPanel->isChecked());
    EXPECT_EQ(window->txtContent->x(), window->tlbPanel->width());
    EXPECT_EQ(window->txtContent->width(), window->width() - window->tlbPanel->width());
}

TEST_F(ToolPanel, TheMenuCheckFollowsThePanelOfTheActiveDocument)
{
    // Plain text shows no panel: its language says so.
    const int notes = open("notes.txt", "text");
    EXPECT_FALSE(document(notes)->panel_visible);
    EXPECT_FALSE(document(notes)->tlbPanel->isVisible());
    EXPECT_FALSE(main()->mnuView_WorkPanel->isChecked());
    const int page = open("page.html", "<p>x</p>");
    EXPECT_TRUE(main()->mnuView_WorkPanel->isChecked());

    main()->mnuWindows_File[record(notes).MenuIndex]->trigger();
    settle();
    ASSERT_EQ(main()->ActiveFileIndex, notes);
    EXPECT_FALSE(main()->mnuView_WorkPanel->isChecked());
    main()->mnuView_WorkPanel->trigger();
    EXPECT_TRUE(document(notes)->panel_visible);
    EXPECT_TRUE(document(page)->panel_visible) << "the other document's panel stays";

    // The Syntax menu applies the language's panel too.
    main()->mnuView_Syntax_Lang[mdlLanguage::FindLanguage("Text")]->trigger();
    EXPECT_FALSE(document(notes)->panel_visible);
    EXPECT_FALSE(main()->mnuView_WorkPanel->isChecked());
}

TEST_F(ToolPanel, AClickOnTheButtonsOfAWindowBehindActsOnItsOwnDocument)
{
    const int a = open("a.html", "a\nb");
    const int b = open("b.html", "c\nd");
    ASSERT_EQ(main()->ActiveFileIndex, b);
    editor(a)->SetCaretPos(1, 0);
    click(a, "create");
    EXPECT_EQ(main()->ActiveFileIndex, a);
    EXPECT_EQ(editor(a)->GetAllBookmarks(), QList<int>{1});
    EXPECT_TRUE(editor(b)->GetAllBookmarks().isEmpty());

    click(b, "visible");
    EXPECT_EQ(main()->ActiveFileIndex, b);
    EXPECT_FALSE(document(b)->panel_visible);
    EXPECT_TRUE(document(a)->panel_visible);
}

TEST_F(ToolPanel, WhileThePreviewIsShownOnlyTheWindowsOwnButtonsAct)
{
    const int n = open("page.html", "a\nb");
    document(n)->browse_mode = true;
    editor(n)->SetSel({0, 0, 1, 1});
    const bool marks = record(n).ViewSpace;
    for (const char *key : {"right", "left", "create", "space", "number", "last"})
        click(n, key);
    EXPECT_EQ(editor(n)->Text(), "a\nb");
    EXPECT_TRUE(editor(n)->GetAllBookmarks().isEmpty());
    EXPECT_EQ(record(n).ViewSpace, marks);
    EXPECT_EQ(button(n, "space")->isChecked(), marks);
    click(n, "visible");
    EXPECT_FALSE(document(n)->panel_visible);
}

TEST_F(ToolPanel, TheMenuItemIsDisabledWithoutADocument)
{
    const QList<QAction *> items = main()->mnuView->actions();
    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items.last(), main()->mnuView_WorkPanel);
    EXPECT_EQ(items.last()->text(), "Рабочая панель");
    EXPECT_EQ(items[items.size() - 2], main()->mnuView_ViewSpace);

    const int n = open("page.html", "x");
    EXPECT_TRUE(main()->mnuView_WorkPanel->isEnabled());
    main()->mnuFile_Close->trigger();
    settle();
    ASSERT_TRUE(record(n).Closed);
    EXPECT_FALSE(main()->mnuView_WorkPanel->isEnabled());
    EXPECT_FALSE(main()->mnuView_WorkPanel->isChecked());
}

} // namespace
