#include "app/core/mdlLoad.h"
#include "app/documents/mdlLanguage.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/StatusBar.h"
#include "tests/PrintedPdf.h"
#include "tests/documents/OpenDocumentsFixture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using platform::editor::Range;

class DocumentKeys : public OpenDocuments {
protected:
    // The caret's line and column.
    static std::pair<int, int> caret(int number)
    {
        const Range at = editor(number)->GetSel(false);
        return {at.EndLine, at.EndCol};
    }

    // A key as a Russian keyboard layout delivers it: the character of that layout, and the place of the
    // key on the keyboard (its X11 key code).
    static void russianKey(int number, Qt::Key key, const QString &text, quint32 place,
                           Qt::KeyboardModifiers modifiers)
    {
        QsciScintilla *control = editor(number)->Control();
        control->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, place, 0, 0, text);
        QApplication::sendEvent(control, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, place, 0, 0, text);
        QApplication::sendEvent(control, &release);
        settle();
    }

    // The number of the document whose window the frame shows active.
    static int shownActive()
    {
        for (int i = 1; i <= mdlFile::Documents.count(); ++i)
            if (mdlFile::Documents[i] && mdlFile::Documents[i]->subWindow == main()->mdiArea->activeSubWindow())
                return i;
        return 0;
    }
};

TEST_F(DocumentKeys, ControlEnterAndControlSpaceInsertABreakAndASpaceThatDoesNotBreak)
{
    const int n = open("page.html", "one word two");
    select(n, 0, 4, 0, 8);
    key(n, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(editor(n)->Text(), "one <br> two") << "the selection gives way";
    EXPECT_EQ(caret(n), std::pair(0, 8));

    select(n, 0, 3, 0, 3);
    key(n, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(editor(n)->Text(), "one&nbsp; <br> two");
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
}

TEST_F(DocumentKeys, ATagPairWrapsTheSelectionOrIsInsertedWithTheCaretAfterIt)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool wordSelected;
        const char *text;
        int caretColumn;
    } cases[] = {
        {Qt::Key_B, Qt::ControlModifier, true, "one <b>word</b> two", 15},
        {Qt::Key_B, Qt::ControlModifier, false, "one <b></b>word two", 11},
        {Qt::Key_Comma, Qt::ControlModifier, true, "one <word> two", 10},
        {Qt::Key_Period, Qt::ControlModifier, true, "one </word> two", 11},
        {Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier, true, "one <!--word--> two", 15},
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, false, "one <center></center>word two", 21},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, false, "one <a href=\"\"></a>word two", 19},
        {Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier, true, "one <div>word</div> two", 19},
    };
    const int n = open("page.html", "");
    for (const Case &c : cases) {
        editor(n)->SetText("one word two");
        select(n, 0, 4, 0, c.wordSelected ? 8 : 4);
        key(n, c.key, c.modifiers);
        EXPECT_EQ(editor(n)->Text(), c.text);
        EXPECT_EQ(caret(n), std::pair(0, c.caretColumn)) << c.text;
        EXPECT_EQ(editor(n)->SelLength(), 0) << c.text;
    }
}

TEST_F(DocumentKeys, KeysAreKnownByTheirPlaceUnderARussianLayout)
{
    const int page = open("page.html", "");
    struct Case {
        char16_t key; // the upper-case letter, as Qt names a key outside Latin-1
        const char *text;
        quint32 place;
        Qt::KeyboardModifiers modifiers;
        const char *result;
    } cases[] = {
        {u'И', "и", 56, Qt::ControlModifier, "<b>word</b>"}, // the key of B
        {u'Б', "б", 59, Qt::ControlModifier, "<word>"},     // the key of ","
        {u'Ю', "ю", 60, Qt::ControlModifier, "</word>"},    // the key of "."
        {u'С', "С", 54, Qt::ControlModifier | Qt::ShiftModifier, "<center>word</center>"},
    };
    for (const Case &c : cases) {
        editor(page)->SetText("word");
        select(page, 0, 0, 0, 4);
        russianKey(page, Qt::Key(c.key), QString::fromUtf8(c.text), c.place, c.modifiers);
        EXPECT_EQ(editor(page)->Text(), c.result);
    }

    // The key of "/" types "." under that layout, and comments the line all the same.
    const int script = open("code.js", "var a;");
    russianKey(script, Qt::Key_Period, ".", 61, Qt::ControlModifier);
    EXPECT_EQ(editor(script)->Text(), "//var a;");
}

TEST_F(DocumentKeys, ACharacterOnAKeyThatTheKeyboardMapAddedTypesItsText)
{
    // Remote-desktop servers, on-screen keyboards and input tools bind a spare key code to each character
    // they send: a place that no US key has, named by the character's own key symbol.
    constexpr quint32 spare = 250;
    struct Case {
        const char *what;
        int key;
        const char *text;
        Qt::KeyboardModifiers modifiers;
        const char *typed;
    } cases[] = {
        {"a Cyrillic letter", 0x041F, "п", Qt::NoModifier, "<п>"},
        {"a capital with Shift", 0x041F, "П", Qt::ShiftModifier, "<П>"},
        {"a sign of the code page", 0x20AC, "€", Qt::NoModifier, "<€>"},
        {"a key that Qt has no name for", 0, "ж", Qt::NoModifier, "<ж>"},
        {"a character the code page lacks", 0x65E5, "日", Qt::NoModifier, "<?>"},
        {"a Latin letter on a spare key", Qt::Key_Q, "q", Qt::NoModifier, "<q>"},
        // With Ctrl a key is a command, never a character.
        {"Ctrl and a spare key", 0x041F, "п", Qt::ControlModifier, "<>"},
    };
    const int n = open("page.html", "");
    for (const Case &c : cases) {
        editor(n)->SetText("<>");
        select(n, 0, 1, 0, 1);
        russianKey(n, Qt::Key(c.key), QString::fromUtf8(c.text), spare, c.modifiers);
        EXPECT_EQ(editor(n)->Text(), QString::fromUtf8(c.typed)) << c.what;
    }
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged) << "typing changes the document";

    // Commands still go by the key's place: Ctrl and the key of B makes a bold pair whatever it types.
    editor(n)->SetText("word");
    select(n, 0, 0, 0, 4);
    russianKey(n, Qt::Key(0x0418), "и", 56, Qt::ControlModifier);
    EXPECT_EQ(editor(n)->Text(), "<b>word</b>");
}

TEST_F(DocumentKeys, FTwoSavesOnlyWhenTheSettingSaysSo)
{
    const int n = open("page.html", "<p>x</p>");
    key(n, Qt::Key_A);
    ASSERT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);

    mdlLoad::SaveF2 = false;
    key(n, Qt::Key_F2);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
    EXPECT_EQ(files.read("page.html"), "<p>x</p>");

    mdlLoad::SaveF2 = true;
    key(n, Qt::Key_F2);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::Saved);
    EXPECT_EQ(files.read("page.html"), "a<p>x</p>");
    EXPECT_EQ(editor(n)->Text(), "a<p>x</p>") << "F2 itself types nothing";
}

TEST_F(DocumentKeys, ControlKeysReachTheMenusButNeverTheEditorItself)
{
    const int n = open("page.html", "");
    editor(n)->SetSelText("one");
    select(n, 0, 3, 0, 3);
    editor(n)->SetSelText(" two");
    select(n, 0, 7, 0, 7);
    QSignalSpy undo(main()->mnuEdit_Undo, &QAction::triggered);
    key(n, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undo.count(), 1);
    EXPECT_EQ(editor(n)->Text(), "one") << "one step undone, by the menu alone";

    QApplication::clipboard()->clear();
    select(n, 0, 0, 0, 2);
    QSignalSpy copy(main()->mnuEdit_Copy, &QAction::triggered);
    key(n, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copy.count(), 1);
    EXPECT_EQ(QApplication::clipboard()->text(), "on");

    // Keys that only the editor's own bindings know (lower case, swapping lines) do nothing.
    editor(n)->SetText("ABC\ndef");
    select(n, 0, 0, 0, 3);
    key(n, Qt::Key_U, Qt::ControlModifier);
    key(n, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(editor(n)->Text(), "ABC\ndef");

    // Deleting the word before the caret is left to the editor.
    editor(n)->SetText("one two");
    select(n, 0, 7, 0, 7);
    key(n, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(editor(n)->Text(), "one ");
}

TEST_F(DocumentKeys, BothRedoKeysRedoThroughTheEditMenuWhichShowsControlY)
{
    EXPECT_EQ(main()->mnuEdit_Redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    const int n = open("page.html", "");
    QSignalSpy redo(main()->mnuEdit_Redo, &QAction::triggered);
    struct Case {
        const char *name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {{"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier},
                 {"Ctrl+Shift+Z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}};
    for (const Case &c : cases) {
        editor(n)->SetText(QString());
        editor(n)->ClearUndo();
        editor(n)->SetSelText("one");
        key(n, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(editor(n)->Text(), "");
        const int before = redo.count();
        key(n, c.key, c.modifiers);
        EXPECT_EQ(redo.count(), before + 1) << c.name;
        EXPECT_EQ(editor(n)->Text(), "one") << c.name;
    }
}

TEST_F(DocumentKeys, TheClipboardKeysOfInsertAndDeleteGoThroughTheEditMenu)
{
    const int n = open("page.html", "one two");
    select(n, 0, 0, 0, 3);
    key(n, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "one");
    select(n, 0, 3, 0, 7);
    key(n, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(editor(n)->Text(), "one");
    EXPECT_EQ(QApplication::clipboard()->text(), " two");
    select(n, 0, 0, 0, 0);
    key(n, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(editor(n)->Text(), " twoone");
}

TEST_F(DocumentKeys, ControlAndADigitActivatesTheDocumentOnThatTab)
{
    const int a = open("a.html", "a");
    const int b = open("b.html", "b");
    ASSERT_EQ(shownActive(), b);

    key(b, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(shownActive(), b) << "there is no third tab";
    EXPECT_EQ(main()->ActiveFileIndex, b);
    EXPECT_EQ(editor(b)->Text(), "b");

    key(b, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(shownActive(), a);
    EXPECT_EQ(main()->ActiveFileIndex, a);
    EXPECT_EQ(editor(a)->Text(), "a");
    EXPECT_EQ(editor(b)->Text(), "b");
}

TEST_F(DocumentKeys, CommentsUseTheMarkersOfTheDocumentsLanguage)
{
    struct Case {
        const char *file;
        const char *text;
        Range selection;
        const char *commented;
    } cases[] = {
        // HTML has only block markers: the selection, or the caret's place, gets them.
        {"page.html", "<p>one</p>\n<p>two</p>", {0, 3, 0, 6}, "<p><!--one--></p>\n<p>two</p>"},
        {"page.html", "<p>one</p>\n<p>two</p>", {1, 0, 1, 0}, "<p>one</p>\n<!----><p>two</p>"},
        // A language with a line marker comments the caret's whole line with it...
        {"code.js", "var a;\r\nvar b;\r\n", {1, 2, 1, 4}, "var a;\r\n//var b;\r\n"},
        {"code.php", "$a;", {0, 1, 0, 1}, "//$a;"},
        // ...but a selection over several lines gets one block.
        {"code.js", "var a;\nvar b;\n", {0, 2, 1, 3}, "va/*r a;\nvar*/ b;\n"},
        {"notes.txt", "plain\ntext", {0, 0, 1, 2}, "plain\ntext"},
    };
    for (const Case &c : cases) {
        const int n = open(c.file, c.text);
        editor(n)->SetSel(c.selection);
        key(n, Qt::Key_Slash, Qt::ControlModifier);
        EXPECT_EQ(editor(n)->Text(), c.commented) << c.file;
    }
}

TEST_F(DocumentKeys, WithoutBlockMarkersEveryLineOfASelectionGetsTheLineMarker)
{
    mdlLanguage::LangSyntax[mdlLanguage::FindLanguage("Perl")].MultiLineComments1.clear();
    struct Case {
        const char *text;
        Range selection;
        const char *commented;
    } cases[] = {
        {"a\r\nb\r\nc", {0, 1, 1, 1}, "#a\r\n#b\r\nc"},
        {"a\nb\nc", {0, 1, 2, 0}, "#a\n#b\nc"}, // a selection that ends at a line's start leaves that line
        {"a\rb", {0, 0, 1, 1}, "#a\r#b"},
    };
    for (const Case &c : cases) {
        const int n = open("code.pl", c.text);
        editor(n)->SetSel(c.selection);
        key(n, Qt::Key_Slash, Qt::ControlModifier);
        EXPECT_EQ(editor(n)->Text(), c.commented);
    }
}

TEST_F(DocumentKeys, CutCopyAndDeleteAreEnabledOnlyWithASelection)
{
    const int n = open("page.html", "one two");
    frmMain *m = main();
    const auto selectionCommands = [m] {
        return QList<bool>{m->mnuEdit_Cut->isEnabled(),      m->mnuEdit_Copy->isEnabled(),
                           m->mnuEdit_Del->isEnabled(),      m->mnuPopupText_Cut->isEnabled(),
                           m->mnuPopupText_Copy->isEnabled(), m->mnuPopupText_Del->isEnabled()};
    };
    const QList<bool> none(6, false), all(6, true);

    key(n, Qt::Key_Right);
    EXPECT_EQ(selectionCommands(), none);
    EXPECT_TRUE(m->mnuEdit_Paste->isEnabled());
    EXPECT_TRUE(m->mnuEdit_Undo->isEnabled());
    EXPECT_TRUE(m->mnuEdit_Redo->isEnabled());

    key(n, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selectionCommands(), all);
    key(n, Qt::Key_Left);
    EXPECT_EQ(selectionCommands(), none);

    key(n, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(selectionCommands(), all);
    // Inside the selection: the editor drops it only as the button comes up.
    QTest::mouseClick(editor(n)->Control()->viewport(), Qt::LeftButton, {}, QPoint(60, 8));
    settle();
    EXPECT_EQ(selectionCommands(), none) << "a click that leaves no selection";
}

TEST_F(DocumentKeys, MenuCommandsReachOnlyTheActiveDocument)
{
    const int a = open("a.html", "alpha");
    const int b = open("b.html", "beta");
    ASSERT_EQ(main()->ActiveFileIndex, b);
    select(a, 0, 0, 0, 5);
    key(b, Qt::Key_End, Qt::ShiftModifier);
    main()->mnuEdit_Del->trigger();
    EXPECT_EQ(editor(b)->Text(), "");
    EXPECT_EQ(editor(a)->Text(), "alpha");

    main()->mnuView_Registr_Big->trigger();
    EXPECT_EQ(editor(a)->Text(), "alpha");
    EXPECT_EQ(record(a).State, mdlFile::DocumentState::Saved);
}

TEST_F(DocumentKeys, TheFirstEditMarksTheDocumentChangedAndTheStatusBarFollowsTheCaret)
{
    const int n = open("page.html", "one\ntwo");
    ASSERT_EQ(record(n).State, mdlFile::DocumentState::Saved);
    key(n, Qt::Key_Down);
    key(n, Qt::Key_X);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
    EXPECT_EQ(main()->sttMain->PanelText(3), " 2 : 2 ");
    EXPECT_EQ(main()->sttMain->PanelText(2), "0,01 Kb ");
    key(n, Qt::Key_Y);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
}

TEST_F(DocumentKeys, ARightClickShowsTheTextMenuAtTheMouse)
{
    const int n = open("page.html", "text");
    QWidget *viewport = editor(n)->Control()->viewport();
    const QPoint global = viewport->mapToGlobal(QPoint(30, 10));
    QCursor::setPos(global);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 10), global);
    QApplication::sendEvent(viewport, &click);
    settle();
    EXPECT_TRUE(main()->mnuPopupText->isVisible());
    main()->mnuPopupText->hide();
}

TEST_F(DocumentKeys, PrintsTheTextThroughThePrintDialogToAPdfFile)
{
    QString text;
    for (int i = 1; i <= 150; ++i)
        text += QStringLiteral("Печать строки %1\r\n").arg(i);
    const int n = open("print.html", platform::text::StringToAnsi(text));
    const QString pdf = files.path("out.pdf");
    int dialogs = 0;
    platform::dialogs::SetDialogHook([&](QDialog &dialog) {
        auto *print = qobject_cast<QPrintDialog *>(&dialog);
        if (!print)
            return int(QDialog::Rejected);
        ++dialogs;
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    mdlLoad::PrintSetup = true;
    main()->mnuFile_Print->trigger();
    platform::dialogs::SetDialogHook(nullptr);
    EXPECT_EQ(dialogs, 1);

    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
    const QString printed = QString::fromUtf8(extract.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Печать строки 1\n")) << printed.left(200).toStdString();
    EXPECT_TRUE(printed.contains("Печать строки 150"));
    EXPECT_GE(printed.count(u'\f'), 2) << "150 lines take more than one page";
    EXPECT_EQ(editor(n)->Text(), text) << "printing leaves the text alone";
}

TEST_F(DocumentKeys, APrintHasThePagesChosenInThePrintDialogAndNoneOfTheScreensMarks)
{
    QString text;
    for (int i = 1; i <= 300; ++i)
        text += QStringLiteral("\tСтрока %1  с двумя пробелами\r\n").arg(i);
    const int n = open("print.html", platform::text::StringToAnsi(text));
    mdlLoad::PrintSetup = true;
    const auto printThroughDialog = [&](const PrintDialogChoice &choice) {
        platform::dialogs::SetDialogHook([&](QDialog &dialog) {
            auto *print = qobject_cast<QPrintDialog *>(&dialog);
            return print ? ChooseInPrintDialog(*print, choice) : int(QDialog::Rejected);
        });
        main()->mnuFile_Print->trigger();
        platform::dialogs::SetDialogHook(nullptr);
        return PrintedPdf(choice.file);
    };
    const PrintedPdf all = printThroughDialog({files.path("all.pdf")});
    ASSERT_GE(all.pages().size(), 3);

    // The marks that the screen shows on the second page: whitespace, a bookmark, a selection.
    if (!record(n).ViewSpace)
        main()->mnuView_ViewSpace->trigger();
    ASSERT_TRUE(editor(n)->DisplayWhitespace());
    document(n)->PositionCursor(all.pages()[0].count(u'\n') + 5, 0);
    QToolBar *panel = document(n)->tlbPanel;
    QTest::mouseClick(panel->widgetForAction(panel->findChild<QAction *>("create")), Qt::LeftButton);
    ASSERT_EQ(editor(n)->GetAllBookmarks().size(), 1);
    select(n, 100, 2, 110, 4);

    const PrintedPdf second = printThroughDialog({files.path("second.pdf"), 2, 2});
    EXPECT_EQ(second.pages(), QStringList{all.pages()[1]}) << "pages from 2 to 2";
    EXPECT_EQ(second.picture(1), all.picture(2)) << "no whitespace mark, bookmark or selection on paper";
    EXPECT_TRUE(editor(n)->DisplayWhitespace()) << "the screen keeps its marks";
}

} // namespace
