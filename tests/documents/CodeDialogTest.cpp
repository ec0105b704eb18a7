#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/documents/frmCode.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileRecode.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/StatusBar.h"
#include "tests/LoadedProgram.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace dialogs = platform::dialogs;
using platform::text::AnsiToString;

namespace {

// Code pages of the shipped code.ini.
constexpr int Windows1251 = 1;
constexpr int Koi8R = 2;

const QString WindowsText = QStringLiteral("Привет, мир!\r\nline 2\r\n");
// The same text as KOI8-R bytes, as a document opened without recoding shows them.
const QString KoiText = AnsiToString("\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2!\r\nline 2\r\n");

// The Service command's re-encoding of the active document, with the dialog answered by the test.
class CodeDialog : public LoadedProgram {
protected:
    void TearDown() override
    {
        forms::frmCode.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        LoadedProgram::TearDown();
    }

    // Opens a file holding `text` in code page `viewCode`, without recoding; returns its number.
    int open(const QString &text, int viewCode, const QString &name = QStringLiteral("page.html"))
    {
        const QString path = files.write(name, platform::text::StringToAnsi(text));
        EXPECT_TRUE(mdlFile::OpenDocumentFile(path, name, viewCode, viewCode));
        return mdlFile::DocumentCount();
    }

    // Runs the Service command; `act` stands in for the user while the dialog is shown, and `converted`
    // says whether the dialog ended by converting. False when no dialog was shown.
    bool recode(const std::function<void(frmCode &)> &act)
    {
        bool shown = false;
        converted = false;
        dialogs::SetDialogHook([&](QDialog &dialog) {
            shown = true;
            dialog.setResult(0);
            dialog.show();
            act(static_cast<frmCode &>(dialog));
            converted = dialog.result() == QDialog::Accepted;
            return dialog.result();
        });
        main()->mnuServis_Code_Click();
        dialogs::SetDialogHook(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shown;
    }

    // The user's pick of entry `index`.
    static void pick(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    static QString text(int number) { return document(number)->txtContent->Text(); }

    TempFolder files;
    bool converted = false;
};

TEST_F(CodeDialog, ItOpensWithTheDocumentsCodePageInBothListsAndTheSampleUnconverted)
{
    const int n = open(WindowsText, Koi8R);
    ASSERT_TRUE(recode([&](frmCode &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Перевод кодировки");
        EXPECT_EQ(dialog.lblCodeOld->text(), "Текущая кодировка:");
        EXPECT_EQ(dialog.lblCodeNew->text(), "Новая кодировка:");
        EXPECT_EQ(dialog.cmmCode->text(), "Перевести");
        EXPECT_EQ(dialog.cmmCancel->text(), "Отменить");
        for (QComboBox *list : {dialog.cmbCodeOld, dialog.cmbCodeNew}) {
            ASSERT_EQ(list->count(), mdlLoad::Codes.count());
            for (int i = 1; i <= mdlLoad::Codes.count(); ++i)
                EXPECT_EQ(list->itemText(i - 1), mdlLoad::Codes[i].Name);
            EXPECT_EQ(list->currentIndex(), Koi8R - 1);
        }
        EXPECT_TRUE(dialog.cmmCode->isEnabled());
        EXPECT_EQ(dialog.txtCode->Text(), WindowsText);
        EXPECT_EQ(dialog.txtCode->Language(), document(n)->txtContent->Language())
            << "the sample is coloured as the document is";
        EXPECT_FALSE(dialog.txtCode->Language().isEmpty());
        dialog.cmmCancel->click();
    }));
}

TEST_F(CodeDialog, ConvertReplacesTheTextAndTheViewCodeAsOneUndoableEdit)
{
    struct Case {
        const char *name;
        const QString &text;
        int viewCode;
        int pickOld, pickNew; // 0: left as the dialog opened
        const QString &expected;
        int expectedView;
    };
    const Case cases[] = {
        {"Windows-1251 to KOI8-R", WindowsText, Windows1251, 0, Koi8R, KoiText, Koi8R},
        {"KOI8-R to Windows-1251", KoiText, Koi8R, 0, Windows1251, WindowsText, Windows1251},
        {"read as Windows-1251, really KOI8-R", KoiText, Windows1251, Koi8R, Windows1251, WindowsText, Windows1251},
    };
    for (const Case &c : cases) {
        const int n = open(c.text, c.viewCode);
        ASSERT_TRUE(recode([&](frmCode &dialog) {
            if (c.pickOld)
                pick(dialog.cmbCodeOld, c.pickOld - 1);
            pick(dialog.cmbCodeNew, c.pickNew - 1);
            EXPECT_EQ(dialog.txtCode->Text(), c.expected) << c.name << ": the sample shows the conversion";
            dialog.cmmCode->click();
        })) << c.name;

        EXPECT_EQ(text(n), c.expected) << c.name;
        EXPECT_EQ(record(n).ViewCode, c.expectedView) << c.name;
        EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged)
            << c.name << ": the document counts as changed";
        EXPECT_TRUE(converted) << c.name;
        EXPECT_EQ(main()->sttMain->PanelText(4), mdlLoad::Codes[c.viewCode].Title + " / " +
                                                     mdlLoad::Codes[c.expectedView].Title + ' ')
            << c.name;
        EXPECT_FALSE(forms::frmCode.isLoaded()) << c.name;

        document(n)->txtContent->Undo();
        EXPECT_EQ(text(n), c.text) << c.name << ": one undo brings the old text back";
    }
}

// Characters that the new page lacks become "?" only when the user agrees; No converts nothing and
// leaves the dialog open for another choice.
TEST_F(CodeDialog, ConvertAsksBeforeCharactersAreLost)
{
    const QString original = QStringLiteral("Тире — и номер №1, «кавычки», €5 — ещё раз\r\n");
    const int n = open(original, Windows1251);
    const QString question = QStringLiteral("В кодировке ") + mdlLoad::Codes[Koi8R].Name +
                             QStringLiteral(u" нет символов —\u00A0№\u00A0«\u00A0»\u00A0€ (в тексте их\u00A06).\r\n"
                                            "При переводе они будут заменены знаком \"?\".\r\nПеревести текст?");

    answers = {dialogs::vbNo};
    ASSERT_TRUE(recode([&](frmCode &dialog) {
        pick(dialog.cmbCodeNew, Koi8R - 1);
        dialog.cmmCode->click();
        EXPECT_TRUE(dialog.isVisible()) << "No keeps the dialog open";
        dialog.cmmCancel->click();
    }));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, question);
    EXPECT_EQ(boxes[0].buttons, dialogs::vbYesNo | dialogs::vbQuestion | dialogs::vbDefaultButton2);
    EXPECT_FALSE(converted);
    EXPECT_EQ(text(n), original);
    EXPECT_EQ(record(n).ViewCode, Windows1251);

    answers = {dialogs::vbYes};
    ASSERT_TRUE(recode([&](frmCode &dialog) {
        pick(dialog.cmbCodeNew, Koi8R - 1);
        dialog.cmmCode->click();
    }));
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_EQ(text(n), mdlFile::RecodeText(original, Windows1251, Koi8R, QStringLiteral("?")));
    EXPECT_EQ(text(n).count(u'?'), 6);
    EXPECT_EQ(record(n).ViewCode, Koi8R);
}

TEST_F(CodeDialog, CancelAndTheCloseBoxChangeNothing)
{
    struct Case {
        const char *name;
        std::function<void(frmCode &)> close;
    };
    const Case cases[] = {
        {"the cancel button", [](frmCode &dialog) { dialog.cmmCancel->click(); }},
        {"the close box", [](frmCode &dialog) { dialog.close(); }},
        {"Esc", [](frmCode &dialog) { QTest::keyClick(dialog.cmbCodeNew, Qt::Key_Escape); }},
    };
    for (const Case &c : cases) {
        const int n = open(WindowsText, Windows1251);
        ASSERT_TRUE(recode([&](frmCode &dialog) {
            pick(dialog.cmbCodeNew, Koi8R - 1);
            c.close(dialog);
        })) << c.name;
        EXPECT_EQ(text(n), WindowsText) << c.name;
        EXPECT_EQ(record(n).ViewCode, Windows1251) << c.name;
        EXPECT_EQ(record(n).State, mdlFile::DocumentState::Saved) << c.name;
        EXPECT_FALSE(document(n)->txtContent->CanUndo()) << c.name;
        EXPECT_FALSE(converted) << c.name;
        EXPECT_FALSE(forms::frmCode.isLoaded()) << c.name;
    }
}

// What the dialog hands back to its caller: the whole text converted and its page, only on Convert.
TEST_F(CodeDialog, OnlyConvertHandsTheWholeTextAndItsNewPageBack)
{
    mdlLoad::CodeMaxlen = 5; // a sample shorter than the text
    struct Case {
        const char *name;
        std::function<void(frmCode &)> act;
        std::optional<mdlFile::RecodedText> expected;
    };
    const Case cases[] = {
        {"convert",
         [](frmCode &dialog) {
             pick(dialog.cmbCodeNew, Koi8R - 1);
             dialog.cmmCode->click();
         },
         mdlFile::RecodedText{KoiText, Koi8R}},
        {"convert to the same page", [](frmCode &dialog) { dialog.cmmCode->click(); },
         mdlFile::RecodedText{WindowsText, Windows1251}},
        {"cancel after a pick",
         [](frmCode &dialog) {
             pick(dialog.cmbCodeNew, Koi8R - 1);
             dialog.cmmCancel->click();
         },
         std::nullopt},
        {"the close box", [](frmCode &dialog) { dialog.close(); }, std::nullopt},
        {"Esc", [](frmCode &dialog) { QTest::keyClick(dialog.cmbCodeNew, Qt::Key_Escape); }, std::nullopt},
    };
    for (const Case &c : cases) {
        dialogs::SetDialogHook([&](QDialog &dialog) {
            dialog.show();
            c.act(static_cast<frmCode &>(dialog));
            return dialog.result();
        });
        const std::optional<mdlFile::RecodedText> handed = forms::frmCode->ShowRecode(WindowsText, Windows1251);
        dialogs::SetDialogHook(nullptr);
        ASSERT_EQ(handed.has_value(), c.expected.has_value()) << c.name;
        if (handed) {
            EXPECT_EQ(handed->Text, c.expected->Text) << c.name;
            EXPECT_EQ(handed->Code, c.expected->Code) << c.name;
        }
        EXPECT_FALSE(forms::frmCode.isLoaded()) << c.name << ": the showing ends with the window unloaded";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CodeDialog, TheSamePageOnBothSidesHandsTheTextBackUnchanged)
{
    const int n = open(WindowsText, Windows1251);
    ASSERT_TRUE(recode([&](frmCode &dialog) {
        pick(dialog.cmbCodeOld, Koi8R - 1);
        EXPECT_EQ(dialog.txtCode->Text(), mdlFile::RecodeText(WindowsText, Koi8R, Windows1251));
        pick(dialog.cmbCodeNew, Koi8R - 1);
        EXPECT_EQ(dialog.txtCode->Text(), WindowsText);
        dialog.cmmCode->click();
    }));
    EXPECT_EQ(text(n), WindowsText);
    EXPECT_TRUE(converted);
    EXPECT_EQ(record(n).ViewCode, Koi8R);
}

TEST_F(CodeDialog, PickingThePageAlreadyPickedLeavesTheSampleAlone)
{
    open(WindowsText, Windows1251);
    ASSERT_TRUE(recode([&](frmCode &dialog) {
        pick(dialog.cmbCodeNew, Koi8R - 1);
        dialog.txtCode->SetText(QStringLiteral("edited"));
        pick(dialog.cmbCodeNew, Koi8R - 1);
        EXPECT_EQ(dialog.txtCode->Text(), "edited");
        pick(dialog.cmbCodeOld, Windows1251 - 1);
        EXPECT_EQ(dialog.txtCode->Text(), "edited");
        dialog.cmmCancel->click();
    }));
}

// The sample is the text's beginning, as long as the setting allows; Convert converts the whole text.
TEST_F(CodeDialog, TheSampleIsLimitedButTheWholeTextIsConverted)
{
    const QString line = QStringLiteral("Съешь же ещё этих мягких французских булок.\r\n");
    const QString whole = line.repeated(100);
    ASSERT_GT(whole.size(), 3000);
    struct Case {
        int maxlen;
        qsizetype sample;
    } cases[] = {{3000, 3000}, {0, whole.size()}, {-5, whole.size()}, {100000, whole.size()}};
    for (const Case &c : cases) {
        mdlLoad::CodeMaxlen = c.maxlen;
        const int n = open(whole, Windows1251, QStringLiteral("long%1.txt").arg(mdlFile::DocumentCount()));
        ASSERT_TRUE(recode([&](frmCode &dialog) {
            EXPECT_EQ(dialog.txtCode->Text(), whole.left(c.sample)) << c.maxlen;
            pick(dialog.cmbCodeNew, Koi8R - 1);
            EXPECT_EQ(dialog.txtCode->Text(), mdlFile::RecodeText(whole.left(c.sample), Windows1251, Koi8R))
                << c.maxlen;
            dialog.cmmCode->click();
        }));
        EXPECT_EQ(text(n), mdlFile::RecodeText(whole, Windows1251, Koi8R)) << c.maxlen;
    }
}

TEST_F(CodeDialog, TheWindowOpensAtItsStoredRectangleAndStoresItOnClosing)
{
    struct Case {
        const char *name;
        std::function<void(frmCode &)> close;
    };
    const Case cases[] = {
        {"convert", [](frmCode &dialog) { dialog.cmmCode->click(); }},
        {"cancel", [](frmCode &dialog) { dialog.cmmCancel->click(); }},
        {"the close box", [](frmCode &dialog) { dialog.close(); }},
    };
    for (const Case &c : cases) {
        mdlLoad::CodeLeft = 150 * 15;
        mdlLoad::CodeTop = 100 * 15;
        mdlLoad::CodeWidth = 500 * 15;
        mdlLoad::CodeHeight = 400 * 15;
        open(WindowsText, Windows1251, QStringLiteral("rect%1.html").arg(mdlFile::DocumentCount()));
        ASSERT_TRUE(recode([&](frmCode &dialog) {
            EXPECT_EQ(dialog.geometry(), QRect(150, 100, 500, 400)) << c.name;
            dialog.setGeometry(210, 130, 520, 410);
            c.close(dialog);
        }));
        EXPECT_EQ(mdlLoad::CodeLeft, 210 * 15) << c.name;
        EXPECT_EQ(mdlLoad::CodeTop, 130 * 15) << c.name;
        EXPECT_EQ(mdlLoad::CodeWidth, 520 * 15) << c.name;
        EXPECT_EQ(mdlLoad::CodeHeight, 410 * 15) << c.name;
    }
}

TEST_F(CodeDialog, TheLayoutFollowsTheWindowUntilItGetsTooSmall)
{
    mdlLoad::CodeWidth = 450 * 15;
    mdlLoad::CodeHeight = 330 * 15;
    open(WindowsText, Windows1251);
    ASSERT_TRUE(recode([&](frmCode &dialog) {
        // 60 twips are 4 pixels.
        EXPECT_EQ(dialog.picBox->geometry(), QRect(4, 4, 442, 322));
        const QRect cancel = dialog.cmmCancel->geometry();
        const QRect convert = dialog.cmmCode->geometry();
        EXPECT_EQ(cancel.bottomRight(), QPoint(441, 321)) << "cancel in the lower right corner";
        EXPECT_EQ(cancel.left() - convert.right() - 1, 8) << "convert 120 twips to its left";
        EXPECT_EQ(convert.top(), cancel.top());
        const QRect picture = dialog.imgPicture->geometry();
        EXPECT_EQ(picture.topLeft(), QPoint(0, 0));
        EXPECT_EQ(picture.bottom() + 1, cancel.top() - 4) << "the picture ends 60 twips above the buttons";

        const QRect oldList = dialog.cmbCodeOld->geometry();
        const QRect newList = dialog.cmbCodeNew->geometry();
        const QRect sample = dialog.txtCode->geometry();
        EXPECT_EQ(dialog.lblCodeOld->geometry().left(), picture.right() + 1 + 4);
        EXPECT_EQ(oldList.left(), dialog.lblCodeOld->geometry().left());
        EXPECT_EQ(oldList.top(), dialog.lblCodeOld->geometry().bottom() + 1) << "each list under its label";
        EXPECT_EQ(newList.top(), oldList.top());
        EXPECT_EQ(newList.width(), oldList.width());
        EXPECT_EQ(newList.left() - oldList.right() - 1, 4);
        EXPECT_EQ(sample.left(), oldList.left());
        EXPECT_EQ(sample.top(), oldList.bottom() + 1 + 4);
        EXPECT_EQ(sample.right(), 441) << "the sample reaches picBox's right edge";
        EXPECT_EQ(sample.bottom() + 1, convert.top() - 4);

        const QRect box = dialog.picBox->geometry();
        dialog.resize(39, 300);
        EXPECT_EQ(dialog.picBox->geometry(), box) << "under 600 twips the container stays";

        // Wide enough for the container, too narrow for the lists: they and the sample stay.
        dialog.resize(40, 300);
        EXPECT_EQ(dialog.picBox->geometry(), QRect(4, 4, 32, 292));
        EXPECT_EQ(dialog.cmbCodeOld->geometry(), oldList);
        EXPECT_EQ(dialog.txtCode->geometry(), sample);
        dialog.cmmCancel->click();
    }));
}

TEST_F(CodeDialog, WithoutCodePagesOnlyCancelWorks)
{
    const int n = open(WindowsText, Windows1251);
    mdlLoad::LoadCodes(files.path("none.ini"));
    ASSERT_TRUE(recode([&](frmCode &dialog) {
        EXPECT_EQ(dialog.cmbCodeOld->count(), 0);
        EXPECT_EQ(dialog.cmbCodeNew->count(), 0);
        EXPECT_FALSE(dialog.cmmCode->isEnabled());
        EXPECT_EQ(dialog.txtCode->Text(), WindowsText);
        dialog.cmmCancel->click();
    }));
    EXPECT_FALSE(converted);
    EXPECT_EQ(text(n), WindowsText);
    EXPECT_FALSE(forms::frmCode.isLoaded());
}

TEST_F(CodeDialog, WithoutAnActiveDocumentNothingShows)
{
    EXPECT_FALSE(recode([](frmCode &dialog) { dialog.cmmCode->click(); }));
    const int n = open(WindowsText, Windows1251);
    document(n)->subWindow->close();
    ASSERT_EQ(mdlFile::Documents[n], nullptr);
    EXPECT_FALSE(recode([](frmCode &dialog) { dialog.cmmCode->click(); }));
}

} // namespace
