#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/editor/Language.h"
#include "platform/editor/SearchDialogs.h"

#include "tests/CaseNames.h"
#include "tests/TempFolder.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QMainWindow>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace platform::editor;
namespace dialogs = platform::dialogs;

namespace {

class EditorTest : public testing::Test {
protected:
    void TearDown() override
    {
        dialogs::SetDialogHook(nullptr);
        dialogs::SetMessageBoxHook(nullptr);
    }
    Editor editor;
};

TEST_F(EditorTest, TextComesBackWithItsOwnLineEnds)
{
    for (const QString &text : {QStringLiteral("один\r\nдва\r\n"), QStringLiteral("a\nb\n"), QStringLiteral("a\rb"),
                                QStringLiteral("mixed\r\nends\nhere\r"), QString()}) {
        editor.SetText(text);
        EXPECT_EQ(editor.Text(), text);
        EXPECT_EQ(editor.TextLength(), text.size());
    }
}

TEST_F(EditorTest, TheLengthAndChangeFollowEveryEdit)
{
    int changes = 0;
    QObject::connect(&editor, &Editor::Change, [&] { ++changes; });
    editor.SetText(QStringLiteral("Привет\r\nмир"));
    EXPECT_EQ(changes, 0) << "setting the text is no change";
    QsciScintilla *control = editor.Control();

    // The user's own edits: Change comes when the event loop does.
    control->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "\xf0\x9f\x98\x80\xd0\x96"); // 😀Ж
    control->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0UL, 4L);
    EXPECT_EQ(editor.TextLength(), 12) << "the insertion is counted even before Change";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(changes, 1) << "edits in one go are one Change";
    EXPECT_EQ(editor.TextLength(), editor.Text().size());

    // Edits through the editor's own calls raise Change before they return.
    editor.SetSel({0, 0, 0, 3});
    editor.SetSelText(QStringLiteral("ab"));
    EXPECT_EQ(changes, 2);
    editor.Undo();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(editor.Text(), QStringLiteral("ЖПривет\r\nмир"));
    EXPECT_EQ(editor.TextLength(), editor.Text().size());
    editor.Redo();
    EXPECT_EQ(editor.TextLength(), editor.Text().size());
}

TEST_F(EditorTest, LinesCountCharactersWithoutTheirEnds)
{
    editor.SetText(QStringLiteral("Привет, мир\r\n\r\nend"));
    EXPECT_EQ(editor.LineCount(), 3);
    EXPECT_EQ(editor.GetLine(0), QStringLiteral("Привет, мир"));
    EXPECT_EQ(editor.GetLineLength(0), 11);
    EXPECT_EQ(editor.GetLineLength(1), 0);
    EXPECT_EQ(editor.GetLine(2), QStringLiteral("end"));
    EXPECT_EQ(editor.GetLine(7), QString());
}

TEST_F(EditorTest, ReplacingTheSelectionIsOneUndoStep)
{
    editor.SetText(QStringLiteral("Привет, мир"));
    EXPECT_FALSE(editor.CanUndo());
    editor.SetSel({0, 8, 0, 11});
    EXPECT_EQ(editor.SelText(), QStringLiteral("мир"));
    EXPECT_EQ(editor.SelLength(), 3);
    editor.SetSelText(QStringLiteral("<b>свет</b>"));
    EXPECT_EQ(editor.Text(), QStringLiteral("Привет, <b>свет</b>"));
    ASSERT_TRUE(editor.CanUndo());
    editor.Undo();
    EXPECT_EQ(editor.Text(), QStringLiteral("Привет, мир"));
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_TRUE(editor.CanRedo());
}

TEST_F(EditorTest, SelectionKeepsItsDirectionUnlessNormalized)
{
    editor.SetText(QStringLiteral("abc\ndef"));
    editor.SetSel({1, 2, 0, 1});
    const Range raw = editor.GetSel(false);
    EXPECT_EQ(raw.StartLine, 1);
    EXPECT_EQ(raw.EndCol, 1);
    const Range normal = editor.GetSel(true);
    EXPECT_EQ(normal.StartLine, 0);
    EXPECT_EQ(normal.StartCol, 1);
    EXPECT_EQ(normal.EndLine, 1);
    EXPECT_EQ(normal.EndCol, 2);
}

TEST_F(EditorTest, BookmarkStepsGoToTheNextAndPreviousMarkedLine)
{
    editor.SetText(QStringLiteral("0\n1\n2\n3\n4\n"));
    editor.SetAllBookmarks({1, 3, -1, 99});
    EXPECT_EQ(editor.GetAllBookmarks(), (QList<int>{1, 3}));
    editor.SetCaretPos(1, 0);
    editor.ExecuteCmd(CmdBookmarkNext);
    EXPECT_EQ(editor.GetSel().EndLine, 3);
    editor.ExecuteCmd(CmdBookmarkPrev);
    EXPECT_EQ(editor.GetSel().EndLine, 1);
    editor.SetBookmark(1, false);
    EXPECT_FALSE(editor.GetBookmark(1));
}

TEST_F(EditorTest, GoToLineAsksThroughTheDialog)
{
    editor.SetText(QStringLiteral("a\nb\nc\nd"));
    dialogs::SetDialogHook([](QDialog &dialog) {
        auto *gotoLine = qobject_cast<GotoLineDialog *>(&dialog);
        if (!gotoLine)
            return int(QDialog::Rejected);
        gotoLine->lineBox->setValue(3);
        return int(QDialog::Accepted);
    });
    editor.ExecuteCmd(CmdGotoLine, -1);
    EXPECT_EQ(editor.GetSel().EndLine, 2);
}

// Each dialog opens wide enough for its title to show whole in the title bar, in a bold face beside the
// frame's icon and three buttons of 28 pixels, as the common desktops draw them.
TEST_F(EditorTest, TheSearchDialogsLeaveRoomForTheirTitles)
{
    editor.SetText(QStringLiteral("a\nb"));
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    for (const int command : {CmdFind, CmdReplace, CmdGotoLine}) {
        QString title;
        int width = 0;
        dialogs::SetDialogHook([&](QDialog &dialog) {
            dialog.show();
            title = dialog.windowTitle();
            width = dialog.width();
            return int(QDialog::Rejected);
        });
        editor.ExecuteCmd(command, -1);
        ASSERT_FALSE(title.isEmpty()) << command;
        EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 4 * 28) << title.toStdString();
    }
}

TEST_F(EditorTest, FindNextRepeatsTheLastSearch)
{
    editor.SetText(QStringLiteral("Tag <p>, tag <br>, ТЕГ тег"));
    dialogs::SetDialogHook([](QDialog &dialog) {
        auto *find = qobject_cast<FindDialog *>(&dialog);
        if (!find)
            return int(QDialog::Rejected);
        find->findEdit->setText(QStringLiteral("tag"));
        return int(QDialog::Accepted);
    });
    editor.SetCaretPos(0, 0);
    editor.ExecuteCmd(CmdFind);
    EXPECT_EQ(editor.GetSel().StartCol, 0); // letter case ignored
    editor.ExecuteCmd(CmdFindNext);
    EXPECT_EQ(editor.GetSel().StartCol, 9);
    EXPECT_EQ(editor.SelText(), QStringLiteral("tag"));

    // Cyrillic letters fold too, and the search wraps around.
    editor.SetText(QStringLiteral("Тег <p>,\r\nтег <br>"));
    dialogs::SetDialogHook([](QDialog &dialog) {
        qobject_cast<FindDialog *>(&dialog)->findEdit->setText(QStringLiteral("тег"));
        return int(QDialog::Accepted);
    });
    editor.SetCaretPos(0, 2);
    editor.ExecuteCmd(CmdFind);
    EXPECT_EQ(editor.GetSel().StartLine, 1);
    EXPECT_EQ(editor.SelText(), QStringLiteral("тег"));
    editor.ExecuteCmd(CmdFindNext);
    EXPECT_EQ(editor.GetSel().StartLine, 0);
    EXPECT_EQ(editor.SelText(), QStringLiteral("Тег"));
}

// "Заменить все" finds what "Найти" finds, in any letter case of either alphabet unless the case is to
// match, and replaces it all in one undo step.
struct ReplaceAllCase {
    const char *name;
    const char *text;
    const char *find;
    bool matchCase;
    bool wholeWord;
    const char *replacement;
    const char *expected;
    int count;
};

void PrintTo(const ReplaceAllCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class ReplaceAllTest : public EditorTest, public testing::WithParamInterface<ReplaceAllCase> {};

TEST_P(ReplaceAllTest, ReplacesEveryMatchThatFindFinds)
{
    const ReplaceAllCase &c = GetParam();
    const QString original = QString::fromUtf8(c.text);
    editor.SetText(original);
    QString result;
    int found = 0;
    dialogs::SetDialogHook([&](QDialog &dialog) {
        auto *replace = qobject_cast<ReplaceDialog *>(&dialog);
        if (!replace)
            return int(QDialog::Rejected);
        replace->findEdit->setText(QString::fromUtf8(c.find));
        replace->replaceEdit->setText(QString::fromUtf8(c.replacement));
        replace->matchCaseBox->setChecked(c.matchCase);
        replace->wholeWordBox->setChecked(c.wholeWord);
        // What Find next would select, one match after the other, round to the first again.
        for (QString first;; ++found) {
            replace->findNextButton->click();
            const Range at = editor.GetSel();
            const QString place = QStringLiteral("%1:%2").arg(at.StartLine).arg(at.StartCol);
            if (!editor.HasSelection() || place == first)
                break;
            if (first.isEmpty())
                first = place;
        }
        replace->replaceAllButton->click();
        result = replace->Result();
        return int(QDialog::Rejected);
    });
    dialogs::SetMessageBoxHook([](const dialogs::MessageBoxCall &) { return dialogs::vbOK; });
    editor.SetCaretPos(0, 0);
    editor.ExecuteCmd(CmdReplace);
    EXPECT_EQ(editor.Text(), QString::fromUtf8(c.expected));
    EXPECT_EQ(result, QStringLiteral("Заменено: %1").arg(c.count));
    EXPECT_EQ(found, c.count) << "Find next stops at as many places";
    EXPECT_EQ(editor.TextLength(), editor.Text().size());
    if (c.count > 0) {
        editor.Undo();
        EXPECT_EQ(editor.Text(), original) << "one undo step brings every match back";
        EXPECT_FALSE(editor.CanUndo());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllTest, testing::Values(
    ReplaceAllCase{"CyrillicInEveryCase", "привет, ПРИВЕТ\r\nПривет и пРиВеТ", "привет", false, false, "ok",
                   "ok, ok\r\nok и ok", 4},
    ReplaceAllCase{"CyrillicNeedleInCapitals", "Ёж, ёж, ЁЖИК", "ЁЖ", false, false, "еж", "еж, еж, ежИК", 3},
    ReplaceAllCase{"CyrillicMatchingCase", "привет, ПРИВЕТ, Привет", "Привет", true, false, "мир",
                   "привет, ПРИВЕТ, мир", 1},
    ReplaceAllCase{"CyrillicWholeWords", "Кот котёл КОТ, кот_", "кот", false, true, "пёс",
                   "пёс котёл пёс, кот_", 2},
    ReplaceAllCase{"LongerReplacementAfterCyrillic", "яЯ a A я", "я", false, false, "ююю",
                   "юююююю a A ююю", 3},
    // The Kelvin sign folds to "k" but takes three bytes where the letter takes one.
    ReplaceAllCase{"NeedleOfOtherWidth", "kilo, Kilo", "\u212Ailo", false, false, "x", "x, x", 2},
    ReplaceAllCase{"Latin", "Tag tag TAG", "tag", false, false, "тег", "тег тег тег", 3},
    ReplaceAllCase{"LatinMatchingCase", "Tag tag TAG", "tag", true, false, "x", "Tag x TAG", 1},
    ReplaceAllCase{"NoMatch", "привет", "пока", false, false, "x", "привет", 0}),
    casenames::Named(&ReplaceAllCase::name));

TEST_F(EditorTest, ALanguageColoursTagsKeywordsAndComments)
{
    LanguageDefinition html;
    html.Style = LanguageStyleSgml;
    html.MultiLineComments1 = QStringLiteral("<!--");
    html.MultiLineComments2 = QStringLiteral("-->");
    html.StringDelims = QStringLiteral("\"");
    DefineLanguage(QStringLiteral("TestHTML"), html);
    LanguageDefinition code;
    code.Keywords = QStringLiteral("function\nvar");
    code.SingleLineComments = QStringLiteral("//");
    code.StringDelims = QStringLiteral("\"");
    code.CaseSensitive = true;
    DefineLanguage(QStringLiteral("TestScript"), code);

    editor.resize(400, 200);
    editor.show();
    editor.SetLanguage(QStringLiteral("TestHTML"));
    editor.SetText(QStringLiteral("<p class=\"x\">текст</p>\n<!-- note -->"));
    EXPECT_EQ(editor.StyleAt(0, 1), TokenTagElementName);
    EXPECT_EQ(editor.StyleAt(0, 3), TokenTagAttributeName);
    EXPECT_EQ(editor.StyleAt(0, 14), TokenText);
    EXPECT_EQ(editor.StyleAt(1, 5), TokenComment);

    editor.SetLanguage(QStringLiteral("TestScript"));
    editor.SetText(QStringLiteral("var s = \"x\"; // c\nVar"));
    EXPECT_EQ(editor.StyleAt(0, 0), TokenKeyword);
    EXPECT_EQ(editor.StyleAt(0, 9), TokenString);
    EXPECT_EQ(editor.StyleAt(0, 14), TokenComment);
    EXPECT_NE(editor.StyleAt(1, 0), TokenKeyword); // the language minds letter case
    UndefineLanguage(QStringLiteral("TestHTML"));
    UndefineLanguage(QStringLiteral("TestScript"));
}

TEST_F(EditorTest, AKeyDownHandlerCanKeepTheKeyFromTheEditor)
{
    editor.SetText(QString());
    QObject::connect(&editor, &Editor::KeyDown, &editor, [](int keyCode, int, bool &cancel) { cancel = keyCode == 'X'; });
    QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(editor.Control(), &x);
    QKeyEvent y(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    QApplication::sendEvent(editor.Control(), &y);
    EXPECT_EQ(editor.Text(), QStringLiteral("y"));
}

TEST(EditorShortcuts, TheWindowsMenuShortcutWinsOverTheEditorsBinding)
{
    QMainWindow window;
    auto *editor = new Editor(&window);
    window.setCentralWidget(editor);
    int fired = 0;
    QAction *selectLine = window.addAction(QStringLiteral("Выделить строку"));
    selectLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L)); // the control's own line cut otherwise
    QObject::connect(selectLine, &QAction::triggered, [&] { ++fired; });
    window.show();
    QApplication::setActiveWindow(&window);
    editor->SetText(QStringLiteral("line one\nline two"));
    editor->Control()->setFocus();
    QApplication::processEvents();

    QTest::keyClick(editor->Control(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(editor->Text(), QStringLiteral("line one\nline two"));
}

TEST_F(EditorTest, CtrlYAndCtrlShiftZRedo)
{
    for (const QKeyCombination redo : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
        editor.SetText(QStringLiteral("текст"));
        editor.SetCaretPos(0, 5);
        editor.SetSelText(QStringLiteral("!"));
        QTest::keyClick(editor.Control(), Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(editor.Text(), QStringLiteral("текст"));
        QTest::keyClick(editor.Control(), redo.key(), redo.keyboardModifiers());
        EXPECT_EQ(editor.Text(), QStringLiteral("текст!")) << QKeySequence(redo).toString().toStdString();
    }
}

TEST_F(EditorTest, PrintsToAPdfFile)
{
    TempFolder folder;
    editor.SetText(QStringLiteral("<html>Печать</html>\n").repeated(50));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path("out.pdf"));
    EXPECT_TRUE(editor.PrintContents(printer, 1, 10));
    EXPECT_GT(QFileInfo(folder.path("out.pdf")).size(), 1000);
}

} // namespace
