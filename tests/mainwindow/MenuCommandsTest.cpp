#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/StatusBar.h"
#include "tests/LoadedProgram.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace dialogs = platform::dialogs;

namespace {

// The main window's menus acting on the active document: what is enabled when, and what each command does
// to the text, with real documents in real windows.
class MenuCommands : public LoadedProgram {
protected:
    void SetUp() override
    {
        LoadedProgram::SetUp();
        main()->resize(900, 700);
        QApplication::setActiveWindow(main());
    }

    void TearDown() override
    {
        dialogs::SetDialogHook(nullptr);
        LoadedProgram::TearDown();
    }

    int open(const QString &name, const QByteArray &bytes, int fileCode = 0, int viewCode = 0)
    {
        EXPECT_TRUE(mdlFile::OpenDocumentFile(files.write(name, bytes), name, fileCode, viewCode));
        QApplication::processEvents();
        return mdlFile::DocumentCount();
    }

    static platform::editor::Editor *editor(int number) { return document(number)->txtContent; }
    static QString text(int number) { return editor(number)->Text(); }
    static void select(int number, const platform::editor::Range &range) { editor(number)->SetSel(range); }

    // Opens the menu as the user does, so that it brings its items up to date first.
    static void openMenu(QMenu *menu)
    {
        emit menu->aboutToShow();
    }

    TempFolder files;
};

TEST_F(MenuCommands, DocumentCommandsAreEnabledExactlyWhileADocumentCanTakeThem)
{
    frmMain *m = main();
    const QList<QAction *> documentCommands = {
        m->mnuFile_Save,       m->mnuFile_SaveAll,    m->mnuFile_SaveAs,     m->mnuFile_Close,
        m->mnuFile_Print,      m->mnuEdit_SelectAll,  m->mnuEdit_DelLine,    m->mnuSearch_Find,
        m->mnuSearch_GotoLine, m->mnuServis_Code,     m->mnuWindows_Cascade, m->mnuView_Registr->menuAction(),
        m->mnuView_ViewSpace,  m->mnuView_Lines->menuAction()};
    const QList<QAction *> alwaysThere = {m->mnuFile_New, m->mnuFile_Open, m->mnuFile_Exit, m->mnuHelp_About};
    const QList<QAction *> editCommands = {m->mnuEdit_Cut, m->mnuEdit_Copy, m->mnuEdit_Del,
                                           m->mnuEdit_Paste, m->mnuEdit_Undo, m->mnuEdit_Redo};

    openMenu(m->mnuFile);
    for (QAction *command : documentCommands + editCommands)
        EXPECT_FALSE(command->isEnabled()) << command->text().toStdString();
    for (QAction *command : alwaysThere)
        EXPECT_TRUE(command->isEnabled()) << command->text().toStdString();
    EXPECT_FALSE(m->mnuWindows_Line2->isVisible());

    const int n = open("page.html", "<p>one</p>");
    openMenu(m->mnuEdit);
    for (QAction *command : documentCommands)
        EXPECT_TRUE(command->isEnabled()) << command->text().toStdString();
    EXPECT_TRUE(m->mnuWindows_Line2->isVisible());
    EXPECT_FALSE(m->mnuEdit_Cut->isEnabled()) << "nothing selected";
    EXPECT_FALSE(m->mnuEdit_Copy->isEnabled());
    EXPECT_FALSE(m->mnuEdit_Del->isEnabled());
    EXPECT_TRUE(m->mnuEdit_Paste->isEnabled());
    EXPECT_TRUE(m->mnuEdit_Undo->isEnabled()) << "undo is asked when it acts, not before";

    select(n, {0, 3, 0, 6});
    openMenu(m->mnuEdit);
    EXPECT_TRUE(m->mnuEdit_Cut->isEnabled());
    EXPECT_TRUE(m->mnuPopupText_Copy->isEnabled());

    m->mnuFile_Close->trigger();
    openMenu(m->mnuView);
    EXPECT_FALSE(m->mnuView_Registr->menuAction()->isEnabled());
    EXPECT_FALSE(m->mnuEdit_Undo->isEnabled());
}

TEST_F(MenuCommands, EachCommandReachesTheActiveDocumentAndOnlyIt)
{
    const int a = open("a.txt", "alpha beta");
    const int b = open("b.txt", "gamma delta");
    document(a)->SetFocusForm();
    ASSERT_EQ(main()->ActiveFileIndex, a);
    select(a, {0, 0, 0, 5});
    select(b, {0, 0, 0, 5});

    main()->mnuView_Registr_Big->trigger();
    EXPECT_EQ(text(a), "ALPHA beta");
    EXPECT_EQ(text(b), "gamma delta");
    // The menu's key reaches the same command.
    select(a, {0, 6, 0, 10});
    QTest::keyClick(editor(a)->Control(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(text(a), "ALPHA BETA");
    main()->mnuEdit_Undo->trigger();
    EXPECT_EQ(text(a), "ALPHA beta");
    EXPECT_EQ(text(b), "gamma delta");
}

TEST_F(MenuCommands, DeleteLineTakesTheLineEndExceptOnTheLastLine)
{
    const int n = open("lines.txt", "one\r\ntwo\r\nthree");
    editor(n)->SetCaretPos(1, 1);
    QTest::keyClick(editor(n)->Control(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(text(n), "one\r\nthree") << "Ctrl+D is the menu's, not the editor's own binding";
    editor(n)->SetCaretPos(1, 2);
    main()->mnuEdit_DelLine->trigger();
    EXPECT_EQ(text(n), "one\r\n") << "the last line is emptied and stays";
}

TEST_F(MenuCommands, JoinAndDeleteEmptyLinesKeepEveryKindOfLineEnd)
{
    struct Case {
        const char *end;
        const char *name;
    } cases[] = {{"\r\n", "crlf.txt"}, {"\n", "lf.txt"}, {"\r", "cr.txt"}};
    for (const Case &c : cases) {
        const QString e = QString::fromLatin1(c.end);
        const QString original = "a" + e + e + e + "b" + e + e + "c" + e + "d";
        const int n = open(c.name, original.toLatin1());
        select(n, {0, 0, 5, 1});
        main()->mnuView_Line_DelEmpty->trigger();
        EXPECT_EQ(text(n), "a" + e + "b" + e + "c" + e + "d") << c.name;
        main()->mnuEdit_Undo->trigger();
        EXPECT_EQ(text(n), original) << "one undo step: " << c.name;
        select(n, {3, 0, 5, 1});
        main()->mnuView_Line_Join->trigger();
        EXPECT_EQ(text(n), "a" + e + e + e + "b  c" + e + "d") << c.name;
    }
}

TEST_F(MenuCommands, ChoosingACodePageChangesTheRecordAndNotTheText)
{
    const int n = open("page.txt", "\xcf\xf0\xe8\xe2\xe5\xf2");
    const QString before = text(n);
    ASSERT_GE(mdlLoad::Codes.count(), 2);
    main()->mnuView_CodeView_File_List[2]->trigger();
    EXPECT_EQ(record(n).FileCode, 2);
    EXPECT_EQ(record(n).ViewCode, 1);
    EXPECT_EQ(text(n), before);
    EXPECT_TRUE(main()->mnuView_CodeView_File_List[2]->isChecked());
    EXPECT_FALSE(main()->mnuView_CodeView_File_List[1]->isChecked());
    EXPECT_TRUE(main()->mnuView_CodeView_View_List[1]->isChecked());
    EXPECT_EQ(main()->sttMain->PanelText(4), mdlLoad::Codes[2].Title + " / " + mdlLoad::Codes[1].Title + ' ');
    main()->mnuView_CodeView_View_List[0]->trigger();
    EXPECT_EQ(record(n).ViewCode, 1) << "the placeholder item stores nothing";
}

TEST_F(MenuCommands, TheRecentFilesSubmenuListsNewestFirstAndOpensTheChoice)
{
    mdlLoad::Magazine.clear();
    const QString first = files.write("first.txt", "1"), second = files.write("second.txt", "2");
    for (const QString &path : {first, second, files.path("gone.txt")})
        mdlFile::AddToMagazine(path);
    const auto captions = [] {
        emit main()->mnuFile_Magazine->aboutToShow();
        QStringList shown;
        for (QAction *item : main()->mnuFile_Magazine_File)
            if (item->isVisible())
                shown << item->text();
        return shown;
    };
    EXPECT_EQ(captions(), (QStringList{files.path("gone.txt"), second, first}));

    main()->mnuFile_Magazine_File[3]->trigger();
    ASSERT_EQ(mdlFile::DocumentCount(), 1);
    EXPECT_EQ(record(1).Path, first);
    EXPECT_EQ(captions(), (QStringList{first, files.path("gone.txt"), second}));

    main()->mnuFile_Magazine_File[2]->trigger();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_EQ(boxes[0].prompt, mdlLoad::CannotOpenMessage("gone.txt"));
    EXPECT_EQ(mdlLoad::Magazine.count(), 3) << "a missing file stays listed";

    mdlLoad::Magazine.clear();
    EXPECT_EQ(captions(), QStringList{"(пусто)"});
}

TEST_F(MenuCommands, ARecentPathShowsAsItIsAndTheEmptyItemReportsAFileOfItsName)
{
    mdlLoad::Magazine.clear();
    const QString path = files.write("R&D & Co/a&b.txt", "x");
    mdlFile::AddToMagazine(path);
    emit main()->mnuFile_Magazine->aboutToShow();
    QAction *item = main()->mnuFile_Magazine_File.value(1);
    ASSERT_TRUE(item);
    // A menu shows "&&" as "&" and takes a single "&" as the mark of the item's key letter.
    EXPECT_EQ(QKeySequence::mnemonic(item->text()), QKeySequence()) << "no letter taken for a key";
    EXPECT_EQ(QString(item->text()).replace(QStringLiteral("&&"), QStringLiteral("&")), path);
    item->trigger();
    ASSERT_EQ(mdlFile::DocumentCount(), 1);
    EXPECT_EQ(record(1).Path, path);
    EXPECT_TRUE(boxes.isEmpty());

    mdlLoad::Magazine.clear();
    emit main()->mnuFile_Magazine->aboutToShow();
    ASSERT_EQ(main()->mnuFile_Magazine_File.size(), 1);
    QAction *empty = main()->mnuFile_Magazine_File.first();
    EXPECT_TRUE(empty->isVisible());
    ASSERT_TRUE(empty->isEnabled());
    empty->trigger();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_EQ(boxes[0].prompt, mdlLoad::CannotOpenMessage("(пусто)"));
    EXPECT_EQ(boxes[0].buttons, dialogs::vbCritical);
    EXPECT_EQ(mdlFile::DocumentCount(), 1) << "nothing opened";
}

TEST_F(MenuCommands, TheWindowsMenuArrangesEveryDocumentWindow)
{
    for (const char *name : {"1.txt", "2.txt", "3.txt"})
        open(name, "x");
    const QRect area = main()->mdiArea->viewport()->rect();
    const auto windows = [] { return main()->mdiArea->subWindowList(QMdiArea::CreationOrder); };

    main()->mnuWindows_Horizontal->trigger();
    for (QMdiSubWindow *window : windows()) {
        EXPECT_EQ(window->width(), area.width());
        EXPECT_NEAR(window->height(), area.height() / 3, 1);
    }
    EXPECT_LT(windows()[0]->y(), windows()[1]->y()) << "top to bottom in document order";

    main()->mnuWindows_Vertical->trigger();
    for (QMdiSubWindow *window : windows()) {
        EXPECT_EQ(window->height(), area.height());
        EXPECT_NEAR(window->width(), area.width() / 3, 1);
    }
    EXPECT_LT(windows()[1]->x(), windows()[2]->x()) << "left to right";

    main()->mnuWindows_Min->trigger();
    for (QMdiSubWindow *window : windows())
        EXPECT_TRUE(window->isMinimized());
    main()->mnuWindows_Arrange->trigger();
    for (QMdiSubWindow *window : windows())
        EXPECT_TRUE(area.contains(window->geometry()));

    document(2)->SetFocusForm();
    main()->mnuWindows_Max->trigger();
    EXPECT_TRUE(document(2)->subWindow->isMaximized());
}

TEST_F(MenuCommands, SaveAllStopsAtTheFirstDocumentLeftUnsaved)
{
    const int a = open("a.txt", "a");
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    const int fresh = mdlFile::DocumentCount();
    const int c = open("c.txt", "c");
    for (int n : {a, fresh, c}) {
        editor(n)->Control()->append(QStringLiteral("!"));
        editor(n)->FlushChange();
    }
    QStringList shown;
    dialogs::SetDialogHook([&](QDialog &dialog) {
        shown << QString::fromLatin1(dialog.metaObject()->className());
        return int(QDialog::Rejected);
    });
    main()->mnuFile_SaveAll->trigger();
    EXPECT_EQ(files.read("a.txt"), "a!");
    EXPECT_EQ(shown, QStringList{"frmFileSave"}) << "the new document asks where to go";
    EXPECT_EQ(files.read("c.txt"), "c") << "the round stops at the document left unsaved";
    EXPECT_EQ(record(c).State, 3);
}

TEST_F(MenuCommands, InsertFromFileRecodesOnlyWhenBothCodePagesAreChosen)
{
    // "Привет" in KOI8-R.
    const QString koi = files.write("koi.txt", "\xf0\xd2\xc9\xd7\xc5\xd4");
    const int n = open("target.txt", "");
    struct Case {
        int from, to;
        QString inserted;
    };
    const Case cases[] = {{2, 1, QStringLiteral("Привет")},
                          {0, 1, platform::text::AnsiToString("\xf0\xd2\xc9\xd7\xc5\xd4")},
                          {0, 0, platform::text::AnsiToString("\xf0\xd2\xc9\xd7\xc5\xd4")}};
    for (const Case &c : cases) {
        editor(n)->SetText(QString());
        dialogs::SetDialogHook([&](QDialog &) {
            mdlFile::OpenPath = koi;
            mdlFile::OpenCodeFrom = c.from;
            mdlFile::OpenCodeTo = c.to;
            return int(QDialog::Accepted);
        });
        main()->mnuServis_FileInset->trigger();
        EXPECT_EQ(text(n), c.inserted) << c.from << " to " << c.to;
    }
}

TEST_F(MenuCommands, InsertFromFileGivesTheInsertedLinesTheDocumentsLineEnd)
{
    struct Case {
        const char *name;
        QByteArray document;
        QByteArray file;
        QString expected;
        platform::editor::Range caret;
    };
    const Case cases[] = {
        {"lf.txt", "one\ntwo", "A\r\nB\r\n", QStringLiteral("oneA\nB\n\ntwo"), {2, 0, 2, 0}},
        {"crlf.txt", "one\r\ntwo", "A\nB\rC", QStringLiteral("oneA\r\nB\r\nC\r\ntwo"), {2, 1, 2, 1}},
        {"cr.txt", "one\rtwo", "A\r\nB", QStringLiteral("oneA\rB\rtwo"), {1, 1, 1, 1}},
    };
    for (const Case &c : cases) {
        const QString inserted = files.write(QStringLiteral("inserted-") + c.name, c.file);
        const int n = open(c.name, c.document);
        editor(n)->SetCaretPos(0, 3);
        dialogs::SetDialogHook([&](QDialog &) {
            mdlFile::OpenPath = inserted;
            mdlFile::OpenCodeFrom = mdlFile::OpenCodeTo = 0;
            return int(QDialog::Accepted);
        });
        main()->mnuServis_FileInset->trigger();
        EXPECT_EQ(text(n), c.expected) << c.name;
        const platform::editor::Range caret = editor(n)->GetSel();
        EXPECT_EQ(std::pair(caret.StartLine, caret.StartCol), std::pair(c.caret.StartLine, c.caret.StartCol))
            << "the caret after the inserted text: " << c.name;
        EXPECT_FALSE(editor(n)->HasSelection()) << c.name;
        main()->mnuEdit_Undo->trigger();
        EXPECT_EQ(text(n), QString::fromLatin1(c.document)) << "one undo step: " << c.name;
    }
}

} // namespace
