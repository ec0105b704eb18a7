#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlLanguage.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/editor/SearchDialogs.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"
#include "tests/LoadedProgram.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
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

    int open(const QString &name, const QByteArray &bytes, int fileCode = 0, int viewCode = 0)
    {
        EXPECT_TRUE(mdlFile::OpenDocumentFile(files.write(name, bytes), name, fileCode, viewCode));
        QApplication::processEvents();
        return mdlFile::DocumentCount();
    }

    static platform::editor::Editor *editor(int number) { return document(number)->txtContent; }
    static QString text(int number) { return editor(number)->Text(); }
    static void select(int number, const platform::editor::Range &range) { editor(number)->SetSel(range); }

    // While it is set, the Open dialog is answered as the user would from its "Журнал" tab: `path` chosen,
    // written in code page `from` and to be shown in code page `to` (0: none picked).
    static void answerOpenDialog(const QString &path, int from, int to)
    {
        mdlLoad::Magazine.append({mdlLibrary::GetFileName(path), mdlLibrary::GetFolderOf(path)});
        mdlLoad::OpenDialog = 2;
        dialogs::SetDialogHook([from, to](QDialog &shown) {
            frmFileOpen *open = forms::frmFileOpen.get();
            EXPECT_EQ(&shown, open);
            shown.show();
            open->lstMagazine->setCurrentItem(open->lstMagazine->topLevelItem(0));
            open->cmbCode->setCurrentIndex(from - 1);
            open->cmbCode2->setCurrentIndex(to - 1);
            open->cmmOpen->click();
            const int result = shown.result();
            shown.hide();
            return result;
        });
    }

    // Opens the menu as the user does, so that it brings its items up to date first.
    static void openMenu(QMenu *menu)
    {
        emit menu->aboutToShow();
    }

    TempFolder files;
};

// A button of one of the two command tool bars, by its key.
QAction *Button(const QToolBar *bar, const char *key)
{
    for (QAction *button : bar->actions())
        if (button->objectName() == QLatin1String(key))
            return button;
    ADD_FAILURE() << "no button " << key;
    return nullptr;
}

TEST_F(MenuCommands, DocumentCommandsAreEnabledExactlyWhileADocumentCanTakeThem)
{
    frmMain *m = main();
    const QList<QAction *> documentCommands = {
        m->mnuFile_Save, m->mnuFile_SaveAll, m->mnuFile_SaveAs, m->mnuFile_SaveCopy, m->mnuFile_Close,
        m->mnuFile_CloseAll, m->mnuFile_Print, Button(m->tlbMenuFile, "save"), Button(m->tlbMenuFile, "saveall"),
        Button(m->tlbMenuFile, "print"),
        m->mnuEdit_SelectAll, m->mnuEdit_SelectLine, m->mnuEdit_DelLine,
        m->mnuSearch_Find, m->mnuSearch_FindNext, m->mnuSearch_GotoLine, m->mnuSearch_Replace,
        Button(m->tlbMenuAction, "find"), Button(m->tlbMenuAction, "findnext"), Button(m->tlbMenuAction, "replace"),
        m->mnuView_Syntax->menuAction(), m->mnuView_CodeView->menuAction(), m->mnuView_Registr->menuAction(),
        m->mnuView_Space->menuAction(), m->mnuView_Lines->menuAction(), m->mnuView_OuterBrowser,
        m->mnuView_EditBrowser, m->mnuView_ViewSpace, m->mnuView_WorkPanel,
        m->mnuServis_Code, m->mnuServis_FileInset,
        m->mnuWindows_Cascade, m->mnuWindows_Horizontal, m->mnuWindows_Vertical, m->mnuWindows_Min,
        m->mnuWindows_Max, m->mnuWindows_Arrange};
    const QList<QAction *> alwaysThere = {
        m->mnuFile_New, m->mnuFile_Open, m->mnuFile_Magazine->menuAction(), m->mnuFile_Exit,
        m->mnuView_ToolBar->menuAction(), m->mnuServis_Setting, m->mnuServis_Advice, m->mnuServis_SelColor,
        m->mnuHelp_Tester, m->mnuHelp_User, m->mnuHelp_About, Button(m->tlbMenuFile, "new"),
        Button(m->tlbMenuFile, "open"), Button(m->tlbMenuFile, "servise"), Button(m->tlbMenuFile, "tegs")};
    const QList<QAction *> editCommands = {
        m->mnuEdit_Cut, m->mnuEdit_Copy, m->mnuEdit_Del, m->mnuEdit_Paste, m->mnuEdit_Undo, m->mnuEdit_Redo,
        m->mnuPopupText_Undo, Button(m->tlbMenuAction, "cut"), Button(m->tlbMenuAction, "copy"),
        Button(m->tlbMenuAction, "paste"), Button(m->tlbMenuAction, "undo"), Button(m->tlbMenuAction, "redo")};
    const auto expectEnabled = [](const QList<QAction *> &commands, bool enabled, const char *when) {
        for (const QAction *command : commands)
            EXPECT_EQ(command->isEnabled(), enabled) << command->text().toStdString() << ' ' << when;
    };

    // Each menu brings the states up to date as it opens.
    for (QMenu *menu : {m->mnuFile, m->mnuEdit, m->mnuSearch, m->mnuView, m->mnuServis, m->mnuWindows, m->mnuHelp}) {
        openMenu(menu);
        expectEnabled(documentCommands + editCommands, false, "with no document");
        expectEnabled(alwaysThere, true, "with no document");
        EXPECT_FALSE(m->mnuWindows_Line2->isVisible());
    }

    const int n = open("page.html", "<p>one</p>");
    openMenu(m->mnuEdit);
    expectEnabled(documentCommands + alwaysThere, true, "with a document");
    EXPECT_TRUE(m->mnuWindows_Line2->isVisible());
    expectEnabled({m->mnuEdit_Cut, m->mnuEdit_Copy, m->mnuEdit_Del}, false, "with nothing selected");
    expectEnabled({m->mnuEdit_Paste, m->mnuEdit_Undo, m->mnuEdit_Redo, m->mnuPopupText_Undo}, true,
                  "asked when it acts, not before");

    select(n, {0, 3, 0, 6});
    openMenu(m->mnuEdit);
    expectEnabled({m->mnuEdit_Cut, m->mnuEdit_Copy, m->mnuEdit_Del, m->mnuPopupText_Cut, m->mnuPopupText_Copy,
                   m->mnuPopupText_Del, Button(m->tlbMenuAction, "cut"), Button(m->tlbMenuAction, "copy")},
                  true, "with a selection");

    // Without a language of its own there is no syntax to choose; without code pages nothing to recode.
    const Table<mdlLanguage::LanguageHeader> languages = mdlLanguage::LangHeader;
    const Table<NamedList> codes = mdlLoad::Codes;
    QList<QAction *> others = documentCommands;
    mdlLanguage::LangHeader.clear();
    openMenu(m->mnuView);
    EXPECT_FALSE(m->mnuView_Syntax->menuAction()->isEnabled());
    others.removeAll(m->mnuView_Syntax->menuAction());
    expectEnabled(others, true, "beside Syntax");
    mdlLoad::Codes.clear();
    openMenu(m->mnuServis);
    EXPECT_FALSE(m->mnuServis_Code->isEnabled());
    EXPECT_FALSE(m->mnuView_CodeView->menuAction()->isEnabled());
    EXPECT_FALSE(m->mnuView_Syntax->menuAction()->isEnabled());
    others.removeAll(m->mnuServis_Code);
    others.removeAll(m->mnuView_CodeView->menuAction());
    expectEnabled(others, true, "beside the code-page commands");
    mdlLanguage::LangHeader = languages;
    mdlLoad::Codes = codes;
    openMenu(m->mnuView);
    expectEnabled(documentCommands, true, "with the tables back");

    m->mnuFile_Close->trigger();
    openMenu(m->mnuView);
    expectEnabled(documentCommands + editCommands, false, "once the document is closed");
}

TEST_F(MenuCommands, EveryTextCommandAndItsKeyChangeTheActiveDocumentOnly)
{
    using platform::editor::Editor;
    using platform::editor::Range;
    using Selection = std::tuple<int, int, int, int>;
    const QString original = QStringLiteral("Alpha  beta\r\n  gamma  \r\n\r\n\r\ndelta");
    const auto typeX = [](Editor &e) { e.SetSelText(QStringLiteral("X")); };
    const auto typeXAndUndo = [](Editor &e) {
        e.SetSelText(QStringLiteral("X"));
        e.Undo();
    };
    const auto clipboardOmega = [](Editor &) { QApplication::clipboard()->setText(QStringLiteral("Omega")); };
    const QString withoutAlpha = QStringLiteral("  beta\r\n  gamma  \r\n\r\n\r\ndelta");
    const QString pastedOmega = QStringLiteral("Omega  beta\r\n  gamma  \r\n\r\n\r\ndelta");
    const Selection gamma{1, 2, 1, 7};
    const Range alpha{0, 0, 0, 5}, start{0, 0, 0, 0};

    // The dialogs of Find, Replace and Go to line, answered as a user would; every search is for "gamma",
    // so that Find next finds it whichever search came last.
    dialogs::SetDialogHook([](QDialog &dialog) {
        if (auto *find = qobject_cast<platform::editor::FindDialog *>(&dialog)) {
            find->findEdit->setText(QStringLiteral("gamma"));
            return int(QDialog::Accepted);
        }
        if (auto *replace = qobject_cast<platform::editor::ReplaceDialog *>(&dialog)) {
            replace->findEdit->setText(QStringLiteral("gamma"));
            replace->replaceEdit->setText(QStringLiteral("гамма"));
            replace->replaceAllButton->click();
            return int(QDialog::Rejected);
        }
        if (auto *gotoLine = qobject_cast<platform::editor::GotoLineDialog *>(&dialog)) {
            gotoLine->lineBox->setValue(4);
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });

    frmMain *m = main();
    const struct Command {
        const char *name;
        QAction *frmMain::*item;
        QKeySequence key; // empty for an item without one
        Range selection;
        QString text; // of the active document afterwards
        std::optional<Selection> selected = {};
        std::function<void(Editor &)> prepare = {};
        std::optional<QString> clipboard = {};
    } commands[] = {
        {"Undo", &frmMain::mnuEdit_Undo, Qt::CTRL | Qt::Key_Z, alpha, original, {}, typeX},
        {"Redo", &frmMain::mnuEdit_Redo, Qt::CTRL | Qt::Key_Y, alpha,
         QStringLiteral("X  beta\r\n  gamma  \r\n\r\n\r\ndelta"), {}, typeXAndUndo},
        {"Cut", &frmMain::mnuEdit_Cut, Qt::CTRL | Qt::Key_X, alpha, withoutAlpha, {}, {}, QStringLiteral("Alpha")},
        {"Copy", &frmMain::mnuEdit_Copy, Qt::CTRL | Qt::Key_C, alpha, original, {}, {}, QStringLiteral("Alpha")},
        {"Paste", &frmMain::mnuEdit_Paste, Qt::CTRL | Qt::Key_V, alpha, pastedOmega, {}, clipboardOmega},
        {"Del", &frmMain::mnuEdit_Del, Qt::Key_Delete, alpha, withoutAlpha, Selection{0, 0, 0, 0}},
        {"DelLine", &frmMain::mnuEdit_DelLine, Qt::CTRL | Qt::Key_D, {1, 3, 1, 3},
         QStringLiteral("Alpha  beta\r\n\r\n\r\ndelta")},
        {"SelectLine", &frmMain::mnuEdit_SelectLine, Qt::CTRL | Qt::Key_L, {1, 3, 1, 4}, original,
         Selection{1, 0, 1, 9}},
        {"SelectAll", &frmMain::mnuEdit_SelectAll, Qt::CTRL | Qt::Key_A, {1, 3, 1, 3}, original,
         Selection{0, 0, 4, 5}},
        {"Find", &frmMain::mnuSearch_Find, Qt::CTRL | Qt::Key_F, start, original, gamma},
        {"FindNext", &frmMain::mnuSearch_FindNext, Qt::Key_F3, start, original, gamma},
        {"Replace", &frmMain::mnuSearch_Replace, Qt::CTRL | Qt::Key_H, start,
         QStringLiteral("Alpha  beta\r\n  гамма  \r\n\r\n\r\ndelta")},
        {"GotoLine", &frmMain::mnuSearch_GotoLine, Qt::CTRL | Qt::Key_G, start, original, Selection{3, 0, 3, 0}},
        {"Alphabet", &frmMain::mnuView_Registr_Alphabet, Qt::SHIFT | Qt::Key_F1, alpha,
         QStringLiteral("Фдзрф  beta\r\n  gamma  \r\n\r\n\r\ndelta")},
        {"Translit", &frmMain::mnuView_Registr_Translit, Qt::SHIFT | Qt::Key_F2, alpha,
         QStringLiteral("Алпха  beta\r\n  gamma  \r\n\r\n\r\ndelta")},
        {"Big", &frmMain::mnuView_Registr_Big, Qt::SHIFT | Qt::Key_F3, alpha,
         QStringLiteral("ALPHA  beta\r\n  gamma  \r\n\r\n\r\ndelta")},
        {"Small", &frmMain::mnuView_Registr_Small, Qt::SHIFT | Qt::Key_F4, alpha,
         QStringLiteral("alpha  beta\r\n  gamma  \r\n\r\n\r\ndelta")},
        {"First", &frmMain::mnuView_Registr_First, Qt::SHIFT | Qt::Key_F5, {0, 0, 0, 11},
         QStringLiteral("Alpha  Beta\r\n  gamma  \r\n\r\n\r\ndelta")},
        {"Switch", &frmMain::mnuView_Registr_Switch, Qt::SHIFT | Qt::Key_F6, alpha,
         QStringLiteral("aLPHA  beta\r\n  gamma  \r\n\r\n\r\ndelta")},
        {"Text", &frmMain::mnuView_Registr_Text, {}, {0, 0, 0, 11},
         QStringLiteral("alpha  beta\r\n  gamma  \r\n\r\n\r\ndelta")},
        {"SpaceDouble", &frmMain::mnuView_Space_Double, Qt::CTRL | Qt::Key_F1, {0, 0, 1, 9},
         QStringLiteral("Alpha beta\r\n gamma \r\n\r\n\r\ndelta")},
        {"SpaceLineStart", &frmMain::mnuView_Space_LineStart, Qt::CTRL | Qt::Key_F2, {0, 0, 1, 9},
         QStringLiteral("Alpha  beta\r\ngamma  \r\n\r\n\r\ndelta")},
        {"SpaceLineEnd", &frmMain::mnuView_Space_LineEnd, Qt::CTRL | Qt::Key_F3, {0, 0, 2, 0},
         QStringLiteral("Alpha  beta\r\n  gamma\r\n\r\n\r\ndelta")},
        {"LineJoin", &frmMain::mnuView_Line_Join, {}, {0, 0, 1, 3},
         QStringLiteral("Alpha  beta   gamma  \r\n\r\n\r\ndelta")},
        {"LineDelEmpty", &frmMain::mnuView_Line_DelEmpty, {}, {1, 0, 4, 2},
         QStringLiteral("Alpha  beta\r\n  gamma  \r\ndelta")},
        {"PopupUndo", &frmMain::mnuPopupText_Undo, {}, alpha, original, {}, typeX},
        {"PopupCut", &frmMain::mnuPopupText_Cut, {}, alpha, withoutAlpha, {}, {}, QStringLiteral("Alpha")},
        {"PopupCopy", &frmMain::mnuPopupText_Copy, {}, alpha, original, {}, {}, QStringLiteral("Alpha")},
        {"PopupPaste", &frmMain::mnuPopupText_Paste, {}, alpha, pastedOmega, {}, clipboardOmega},
        {"PopupDel", &frmMain::mnuPopupText_Del, {}, alpha, withoutAlpha},
        {"PopupSelLine", &frmMain::mnuPopupText_SelLine, {}, {1, 3, 1, 4}, original, Selection{1, 0, 1, 9}},
        {"PopupFindNext", &frmMain::mnuPopupText_FindNext, {}, start, original, gamma},
    };

    const int a = open("a.txt", original.toLatin1());
    const int b = open("b.txt", original.toLatin1());
    const auto selection = [](int n) {
        const Range at = editor(n)->GetSel(false);
        return Selection{at.StartLine, at.StartCol, at.EndLine, at.EndCol};
    };
    for (const Command &c : commands) {
        QAction *item = m->*c.item;
        if (!c.key.isEmpty()) {
            EXPECT_TRUE(item->shortcuts().contains(c.key)) << c.name;
        }
        for (const bool byKey : {false, true}) {
            if (byKey && c.key.isEmpty())
                continue;
            SCOPED_TRACE(std::string(c.name) + (byKey ? " by its key" : " from the menu"));
            QApplication::clipboard()->clear();
            for (const int n : {a, b}) {
                editor(n)->SetText(original);
                editor(n)->SetSel(c.selection);
                if (c.prepare)
                    c.prepare(*editor(n));
            }
            document(a)->SetFocusForm();
            QApplication::processEvents();
            ASSERT_EQ(m->ActiveFileIndex, a);
            const QString otherText = text(b);
            const Selection otherSelection = selection(b);

            if (byKey) {
                editor(a)->Control()->setFocus();
                QTest::keySequence(editor(a)->Control(), c.key);
            } else {
                item->trigger();
            }
            QApplication::processEvents();

            EXPECT_EQ(text(a), c.text);
            if (c.selected) {
                EXPECT_EQ(selection(a), *c.selected);
            }
            if (c.clipboard) {
                EXPECT_EQ(QApplication::clipboard()->text(), *c.clipboard);
            }
            EXPECT_EQ(text(b), otherText) << "the other document's text";
            EXPECT_EQ(selection(b), otherSelection) << "the other document's selection";
            EXPECT_EQ(m->ActiveFileIndex, a);
        }
    }
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

TEST_F(MenuCommands, TheCodePageListsHoldEveryCodePageInOrderOrTheEmptyItemAlone)
{
    const struct Case {
        const char *name;
        QByteArray codeIni;
        int pages;
        QStringList shown;
    } cases[] = {
        {"three", "[codes]\r\nA|First\r\nB|Second\r\nC|Third\r\n[symbols]\r\n", 3, {"First", "Second", "Third"}},
        {"none", "[codes]\r\n[symbols]\r\n", 0, {"(пусто)"}},
    };
    for (const Case &c : cases) {
        // The lists are filled once, as the program starts.
        UnloadProgramWindows();
        folder.write("setting/code.ini", c.codeIni);
        mdlLoad::InitPathsAndLoad();
        main()->show();
        ASSERT_EQ(mdlLoad::Codes.count(), c.pages) << c.name;
        frmMain *m = main();
        for (const QList<QAction *> *items : {&m->mnuView_CodeView_File_List, &m->mnuView_CodeView_View_List}) {
            QStringList shown;
            for (const QAction *item : *items)
                if (item->isVisible())
                    shown << item->text();
            EXPECT_EQ(shown, c.shown) << c.name;
            // Item i stands for code page i.
            for (int i = 1; i < items->size(); ++i) {
                EXPECT_EQ((*items)[i]->text(), mdlLoad::Codes[i].Name) << c.name;
                EXPECT_TRUE((*items)[i]->isEnabled()) << c.name;
            }
            EXPECT_FALSE(items->first()->isEnabled()) << "the empty item stands for no code page";
        }
    }
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

TEST_F(MenuCommands, ARecentPathAndItsDocumentShowAsTheyAreAndTheEmptyItemReportsAFileOfItsName)
{
    // Menus and tabs show "&&" as "&" and take a single "&" as the mark of a key letter.
    const auto expectShownAsItIs = [](const QString &caption, const QString &text) {
        EXPECT_EQ(QKeySequence::mnemonic(caption), QKeySequence()) << "no letter taken for a key: " << qPrintable(caption);
        EXPECT_EQ(QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&")), text);
    };
    mdlLoad::Magazine.clear();
    const QString path = files.write("R&D & Co/a&b.txt", "x");
    mdlFile::AddToMagazine(path);
    emit main()->mnuFile_Magazine->aboutToShow();
    QAction *item = main()->mnuFile_Magazine_File.value(1);
    ASSERT_TRUE(item);
    expectShownAsItIs(item->text(), path);
    item->trigger();
    ASSERT_EQ(mdlFile::DocumentCount(), 1);
    EXPECT_EQ(record(1).Path, path);
    EXPECT_TRUE(boxes.isEmpty());
    QAction *windowItem = main()->mnuWindows_File.value(record(1).MenuIndex);
    ASSERT_TRUE(windowItem);
    expectShownAsItIs(windowItem->text(), "a&b.txt");
    expectShownAsItIs(main()->tbsFiles->tabText(record(1).TabIndex - 1), "a&b.txt");

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

    // From side by side to a cascade: one size for all, most of the area, each window a step further
    // down and right, the last one on top.
    main()->mnuWindows_Cascade->trigger();
    const QSize cascaded = windows()[0]->size();
    EXPECT_GE(cascaded.width(), area.width() / 2);
    EXPECT_GE(cascaded.height(), area.height() / 2);
    for (int k = 0; k < 3; ++k) {
        QMdiSubWindow *window = windows()[k];
        EXPECT_TRUE(area.contains(window->geometry())) << k;
        EXPECT_EQ(window->size(), cascaded) << k;
        if (k > 0) {
            const QPoint step = window->pos() - windows()[k - 1]->pos();
            EXPECT_GT(step.x(), 0) << k;
            EXPECT_EQ(step.x(), step.y()) << k;
            EXPECT_EQ(step, windows()[1]->pos() - windows()[0]->pos()) << k;
        }
    }
    EXPECT_EQ(main()->mdiArea->subWindowList(QMdiArea::StackingOrder).last(), windows()[2]);

    main()->mnuWindows_Min->trigger();
    for (QMdiSubWindow *window : windows())
        EXPECT_TRUE(window->isMinimized());
    // Scattered over the area, the minimised windows come back to one row along its bottom edge, in
    // document order from the left.
    for (int k = 0; k < 3; ++k)
        windows()[k]->move(area.width() / 2 - 40 * k, 20 * k);
    ASSERT_LT(windows()[0]->geometry().bottom(), area.bottom());
    main()->mnuWindows_Arrange->trigger();
    int left = 0;
    for (QMdiSubWindow *window : windows()) {
        EXPECT_TRUE(window->isMinimized());
        EXPECT_EQ(window->geometry().bottom(), area.bottom());
        EXPECT_EQ(window->x(), left);
        left += window->width();
    }
    EXPECT_LE(left, area.width());

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
    EXPECT_EQ(record(c).State, mdlFile::DocumentState::SavedChanged);
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
        answerOpenDialog(koi, c.from, c.to);
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
        answerOpenDialog(inserted, 0, 0);
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
