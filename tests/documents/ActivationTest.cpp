#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlProgram.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/StatusBar.h"
#include "tests/documents/OpenDocumentsFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Which document the frame shows active, and whether everything that names "the active document" agrees:
// the active-document number, the caption, the status bar, the selected tab and the Window-menu mark.
class Activation : public OpenDocuments {
protected:
    void SetUp() override
    {
        OpenDocuments::SetUp();
        mdlLoad::StatusFullpath = false;
    }

    // The number of the document whose window the frame shows active; 0 when none.
    static int shownActive()
    {
        QMdiSubWindow *window = main()->mdiArea->activeSubWindow();
        for (int i = 1; i <= mdlFile::Documents.count(); ++i)
            if (mdlFile::Documents[i] && mdlFile::Documents[i]->subWindow == window)
                return i;
        return 0;
    }

    void expectActive(int number)
    {
        ASSERT_EQ(shownActive(), number);
        EXPECT_EQ(main()->ActiveFileIndex, number);
        const mdlFile::DocumentRecord &r = record(number);
        EXPECT_EQ(main()->windowTitle(), r.Name + " - Marrowin Vellicor");
        EXPECT_EQ(main()->sttMain->PanelText(1), r.Name + ' ');
        EXPECT_EQ(main()->tbsFiles->SelectedPosition(), r.TabIndex);
        for (int i = 1; i < main()->mnuWindows_File.size(); ++i)
            EXPECT_EQ(main()->mnuWindows_File[i]->isChecked(), i == r.MenuIndex) << "Window item " << i;
    }

    // Changes the document's text at its end and saves the active document through the File menu.
    void editAndSave(int number, const QString &added)
    {
        document(number)->txtContent->Control()->append(added);
        document(number)->txtContent->FlushChange();
        main()->mnuFile_Save->trigger();
        settle();
    }

    static void click(int number)
    {
        QWidget *viewport = document(number)->txtContent->Control()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, 10));
        settle();
    }

    static void ctrlTab(int number, bool backward = false)
    {
        QTest::keyClick(document(number)->txtContent->Control(), backward ? Qt::Key_Backtab : Qt::Key_Tab,
                        backward ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        settle();
    }

    // Chooses the document's item in the Window menu with the mouse.
    static void chooseInWindowMenu(int number)
    {
        chooseInWindowsMenu(main()->mnuWindows_File[record(number).MenuIndex]);
    }

    static bool editorHasFocus(int number)
    {
        return QApplication::focusWidget() == document(number)->txtContent->Control();
    }

    // The ways in which the user brings another document to the front: from the document `from` to `to`.
    struct Way {
        const char *name;
        std::function<void(int from, int to)> choose;
    };
    static const std::vector<Way> &ways()
    {
        static const std::vector<Way> all = {
            {"Window menu", [](int, int to) { chooseInWindowMenu(to); }},
            {"tab", [](int, int to) { clickTab(to); }},
            {"Ctrl+Tab", [](int from, int) { ctrlTab(from); }},
        };
        return all;
    }
};

TEST_F(Activation, AClickIntoAnotherWindowMakesItsDocumentTheOneSaved)
{
    const int a = open("a.txt", "a");
    const int b = open("b.txt", "b");
    expectActive(b);

    click(a);
    expectActive(a);
    editAndSave(a, "!");
    EXPECT_EQ(files.read("a.txt"), "a!");
    EXPECT_EQ(files.read("b.txt"), "b");
    EXPECT_TRUE(main()->sttMain->PanelText(2).contains(files.path("a.txt")));
}

TEST_F(Activation, ClosingOneOfTwoLeavesTheOtherActive)
{
    const int a = open("a.txt", "a");
    const int b = open("b.txt", "b");
    main()->mnuFile_Close->trigger();
    settle();
    EXPECT_TRUE(record(b).Closed);
    expectActive(a);
    editAndSave(a, "+");
    EXPECT_EQ(files.read("a.txt"), "a+");

    main()->mnuFile_Close->trigger();
    settle();
    EXPECT_EQ(main()->ActiveFileIndex, 0);
    EXPECT_EQ(main()->windowTitle(), "Marrowin Vellicor");
}

TEST_F(Activation, ControlTabWalksInDocumentOrderAndWraps)
{
    const int a = open("a.txt", "a");
    const int b = open("b.txt", "b");
    const int c = open("c.txt", "c");
    expectActive(c);

    ctrlTab(c);
    expectActive(a);
    editAndSave(a, "1");
    EXPECT_EQ(files.read("a.txt"), "a1");

    ctrlTab(a, true);
    expectActive(c);
    ctrlTab(c, true);
    expectActive(b);

    // A closed document is passed over.
    main()->mnuFile_Close->trigger();
    settle();
    const int now = main()->ActiveFileIndex;
    ASSERT_NE(now, b);
    ctrlTab(now);
    expectActive(now == a ? c : a);
}

TEST_F(Activation, TheTabAndTheWindowMenuActivateWhatTheyName)
{
    const int a = open("a.txt", "a");
    const int b = open("b.txt", "b");
    main()->tbsFiles->Select(record(a).TabIndex);
    settle();
    expectActive(a);
    main()->mnuWindows_File[record(b).MenuIndex]->trigger();
    settle();
    expectActive(b);
}

TEST_F(Activation, TheSyntaxMarkGoesWithTheLastDocument)
{
    const auto checkedLanguage = [] {
        for (int i = 1; i < main()->mnuView_Syntax_Lang.size(); ++i)
            if (main()->mnuView_Syntax_Lang[i]->isChecked())
                return main()->mnuView_Syntax_Lang[i]->text();
        return QString();
    };
    const int page = open("page.html", "<p>x</p>");
    ASSERT_FALSE(checkedLanguage().isEmpty());
    const QString html = checkedLanguage();
    const int text = open("notes.txt", "x");
    const QString plain = checkedLanguage();
    EXPECT_NE(plain, html);
    click(page);
    EXPECT_EQ(checkedLanguage(), html);
    main()->mnuFile_Close->trigger();
    settle();
    expectActive(text);
    EXPECT_EQ(checkedLanguage(), plain) << "the closed page's mark goes at once";
    main()->mnuFile_Close->trigger();
    settle();
    EXPECT_EQ(checkedLanguage(), QString()) << "no document, no mark";
}

TEST_F(Activation, AHandedOverFileThatIsOpenBecomesActive)
{
    const int a = open("a.txt", "a");
    const int b = open("b.txt", "b");
    expectActive(b);
    // As the frame carries out a hand-over that names it.
    mdlProgram::OpenCommandFiles({files.path("a.txt")});
    settle();
    expectActive(a);
    EXPECT_EQ(mdlLoad::Magazine[mdlLoad::Magazine.count()].First, "b.txt") << "the recent files stay as they were";
}

TEST_F(Activation, AMaximisedDocumentIsNamedOnceInTheCaptionAndShowsTheProgramsIcon)
{
    const int a = open("koi8.txt", "a");
    document(a)->subWindow->showMaximized();
    settle();
    EXPECT_EQ(main()->windowTitle(), "koi8.txt - Marrowin Vellicor");
    EXPECT_TRUE(document(a)->subWindow->windowTitle().isEmpty());
    document(a)->subWindow->showNormal();
    settle();
    EXPECT_EQ(main()->windowTitle(), "koi8.txt - Marrowin Vellicor");
    EXPECT_EQ(document(a)->subWindow->windowTitle(), "koi8.txt");
    EXPECT_EQ(document(a)->subWindow->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(Activation, ControlWClosesTheActiveDocumentAndTheWindowMenuSpeaksRussian)
{
    const int a = open("a.txt", "a");
    const int b = open("b.txt", "b");
    QStringList captions;
    for (QAction *action : document(b)->subWindow->systemMenu()->actions()) {
        if (action->isVisible() && !action->isSeparator())
            captions << action->text();
        EXPECT_TRUE(action->shortcuts().isEmpty()) << action->text().toStdString();
    }
    EXPECT_EQ(captions, (QStringList{"Восстановить", "Переместить", "Размер", "Свернуть", "Развернуть", "Закрыть"}));
    QTest::keyClick(document(b)->txtContent->Control(), Qt::Key_W, Qt::ControlModifier);
    settle();
    EXPECT_TRUE(record(b).Closed);
    expectActive(a);
}

TEST_F(Activation, NewWindowsOpenWhollyInsideTheFrameAndCascadingKeepsThemUsable)
{
    for (const char *name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt", "6.txt", "7.txt", "8.txt"})
        open(name);
    const QRect area = main()->mdiArea->viewport()->rect();
    const auto check = [&](const char *when) {
        for (QMdiSubWindow *window : main()->mdiArea->subWindowList()) {
            EXPECT_TRUE(area.contains(window->geometry())) << when << ' ' << window->windowTitle().toStdString();
            EXPECT_GE(window->width(), area.width() / 2) << when;
            EXPECT_GE(window->height(), area.height() / 2) << when;
        }
    };
    check("opened");
    main()->mnuWindows_Cascade->trigger();
    check("cascaded");
}

TEST_F(Activation, AWindowThatTheFrameRestoresOnASwitchGetsItsNameBack)
{
    const int a = open("a.txt");
    const int b = open("b.txt");
    document(b)->subWindow->showMaximized();
    settle();
    int from = b, to = a;
    for (const Way &way : ways()) {
        way.choose(from, to);
        expectActive(to);
        EXPECT_TRUE(document(to)->subWindow->isMaximized()) << way.name;
        EXPECT_TRUE(document(to)->subWindow->windowTitle().isEmpty()) << way.name;
        EXPECT_FALSE(document(from)->subWindow->isMaximized()) << way.name;
        EXPECT_EQ(document(from)->subWindow->windowTitle(), record(from).Name) << way.name;
        std::swap(from, to);
    }
    document(from)->subWindow->showNormal();
    settle();
    EXPECT_EQ(document(from)->subWindow->windowTitle(), record(from).Name);
    EXPECT_EQ(document(to)->subWindow->windowTitle(), record(to).Name);
}

TEST_F(Activation, TheWindowMenuMarksTheActiveDocumentWhicheverItemIsChosen)
{
    const int a = open("a.txt");
    const int b = open("b.txt");
    for (const int chosen : {b, b, a, a, b}) {
        chooseInWindowMenu(chosen);
        expectActive(chosen);
    }
}

TEST_F(Activation, ControlTabWithOneDocumentKeepsItActiveAndFocused)
{
    const int a = open("a.txt");
    for (const bool backward : {false, true}) {
        ctrlTab(a, backward);
        expectActive(a);
        EXPECT_TRUE(editorHasFocus(a)) << backward;
    }
}

// Keys typed in a dialog over a document are the dialog's, even the one that switches documents.
TEST_F(Activation, ControlTabInADialogOverADocumentStaysInTheDialog)
{
    open("a.txt");
    const int b = open("b.txt");
    struct Case {
        const char *name;
        QAction *item;
    } cases[] = {{"find", main()->mnuSearch_Find},
                 {"replace", main()->mnuSearch_Replace},
                 {"go to line", main()->mnuSearch_GotoLine}};
    for (const Case &c : cases) {
        int shown = 0, activeMeanwhile = 0;
        platform::dialogs::SetDialogHook([&](QDialog &dialog) {
            ++shown;
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            settle();
            QWidget *field = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            settle();
            activeMeanwhile = main()->ActiveFileIndex;
            dialog.reject();
            return int(QDialog::Rejected);
        });
        c.item->trigger();
        settle();
        platform::dialogs::SetDialogHook(nullptr);
        QApplication::setActiveWindow(main());
        settle();
        EXPECT_EQ(shown, 1) << c.name;
        EXPECT_EQ(activeMeanwhile, b) << c.name;
        expectActive(b);
    }
}

TEST_F(Activation, AClosedWindowHandsTheFrontToTheOneUsedBeforeIt)
{
    struct Case {
        const char *name;
        std::vector<int> clicks; // documents 1, 2, 3 are open, 3 in front; then these are clicked
        int closed;
        bool byKey;              // Ctrl+W in the closed document, else its window's own close
        int next;
    } cases[] = {
        {"a window behind the front one", {}, 1, false, 3},
        {"the front window, come to from the last one", {1}, 1, true, 3},
        {"the front window, come to through the others", {2, 1}, 1, true, 2},
        {"the middle window", {1, 2}, 2, true, 1},
    };
    for (const Case &c : cases) {
        for (const char *name : {"1.txt", "2.txt", "3.txt"})
            open(name);
        const int first = mdlFile::DocumentCount() - 2;
        for (const int clicked : c.clicks)
            click(first - 1 + clicked);
        const int closed = first - 1 + c.closed;
        if (c.byKey)
            QTest::keyClick(document(closed)->txtContent->Control(), Qt::Key_W, Qt::ControlModifier);
        else
            document(closed)->subWindow->close();
        settle();
        EXPECT_TRUE(record(closed).Closed) << c.name;
        SCOPED_TRACE(c.name);
        expectActive(first - 1 + c.next);
        main()->mnuFile_CloseAll->trigger();
        settle();
    }
}

// The user's double-click hands nothing over, also when tmp/ holds a hand-over file that an older copy
// left naming a file.
TEST_F(Activation, TheUsersDoubleClickGivesTheFocusBackToTheActiveDocument)
{
    open("a.txt");
    const int b = open("b.txt");
    const QString sendFile = mdlLoad::TmpFolder + "send.txt";
    files.write("c.txt", "c");
    QWidget *viewport = main()->mdiArea->viewport();
    const QPoint empty = viewport->rect().bottomRight() - QPoint(4, 4);
    for (QMdiSubWindow *window : main()->mdiArea->subWindowList())
        ASSERT_FALSE(window->geometry().contains(empty));
    struct Case {
        const char *name;
        bool left;
    } cases[] = {{"no hand-over file", false}, {"a hand-over file left naming a file", true}};
    for (const Case &c : cases) {
        QFile::remove(sendFile);
        if (c.left) {
            ASSERT_TRUE(mdlLibrary::FileWriteText(sendFile, files.path("c.txt"), mdlLibrary::TextEncoding::Utf8));
        }
        main()->setFocus();
        settle();
        ASSERT_FALSE(editorHasFocus(b));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, empty);
        settle();
        EXPECT_TRUE(editorHasFocus(b)) << c.name;
        EXPECT_EQ(mdlFile::DocumentCount(), 2) << c.name;
        expectActive(b);
    }
}

TEST_F(Activation, BeforeTheProgramHasLoadedGivingADocumentTheFocusChangesNothing)
{
    const int a = open("a.txt");
    const int b = open("b.txt");
    mdlLoad::ProgramLoaded = false;
    document(a)->SetFocusForm();
    settle();
    mdlLoad::ProgramLoaded = true;
    expectActive(b);
    EXPECT_TRUE(editorHasFocus(b));
}

// Except through a click on its tab, which brings it back into sight with the keys.
TEST_F(Activation, AMinimisedWindowBecomesActiveWithoutTakingTheFocus)
{
    const int a = open("a.txt", "a");
    const int b = open("b.txt", "b");
    for (const Way &way : ways()) {
        const bool restored = std::string(way.name) == "tab";
        document(a)->subWindow->showMinimized();
        click(b);
        expectActive(b);
        way.choose(b, a);
        SCOPED_TRACE(way.name);
        expectActive(a);
        EXPECT_EQ(document(a)->subWindow->isMinimized(), !restored);
        EXPECT_EQ(editorHasFocus(a), restored);
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClicks(focus, "typed");
        settle();
        EXPECT_EQ(document(a)->txtContent->Text(), restored ? QStringLiteral("typeda") : QStringLiteral("a"));
        document(a)->txtContent->SetText(QStringLiteral("a"));
        document(a)->subWindow->showNormal();
        settle();
    }
}

TEST_F(Activation, TheLastClosedWindowDecidesWhetherTheFirstOneIsMaximised)
{
    mdlLoad::EditMaxform = false;
    struct Step {
        bool maximiseBeforeClose;
    } steps[] = {{true}, {true}, {false}, {false}, {true}};
    bool maximised = false;
    for (const Step &step : steps) {
        const int n = open("doc.txt");
        EXPECT_EQ(document(n)->subWindow->isMaximized(), maximised);
        if (!maximised) {
            EXPECT_EQ(document(n)->subWindow->pos(), QPoint(0, 0)) << "cascaded, the only window";
        }
        if (step.maximiseBeforeClose)
            document(n)->subWindow->showMaximized();
        else
            document(n)->subWindow->showNormal();
        settle();
        main()->mnuFile_Close->trigger();
        settle();
        ASSERT_TRUE(record(n).Closed);
        EXPECT_EQ(mdlLoad::EditMaxform, step.maximiseBeforeClose);
        maximised = step.maximiseBeforeClose;
    }

    // With a document open, a new window takes the state the frame gives it.
    const int normal = open("normal.txt");
    ASSERT_TRUE(document(normal)->subWindow->isMaximized());
    document(normal)->subWindow->showNormal();
    settle();
    const int second = open("second.txt");
    EXPECT_FALSE(document(second)->subWindow->isMaximized());
}

} // namespace
