#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadAdvices.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/frmAdvice.h"
#include "app/dialogs/frmFileNew.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/pages/FakePagePane.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/EnginePage.h"
#include "tests/dialogs/FailingTmp.h"
#include "tests/dialogs/FileDialogFixture.h"
#include "tests/TempFolder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace dialogs = platform::dialogs;
namespace pages = platform::pages;

namespace {

using Call = pages::FakePagePane::Call;

// The shared settings that the window reads and writes, kept and put back around every test.
struct AdviceSettings {
    int now = mdlLoad::AdviceNow;
    bool atStart = mdlLoad::DialogAdvice;
    int left = mdlLoad::AdviceLeft, top = mdlLoad::AdviceTop, width = mdlLoad::AdviceWidth,
        height = mdlLoad::AdviceHeight;

    void Restore() const
    {
        mdlLoad::AdviceNow = now;
        mdlLoad::DialogAdvice = atStart;
        mdlLoad::AdviceLeft = left;
        mdlLoad::AdviceTop = top;
        mdlLoad::AdviceWidth = width;
        mdlLoad::AdviceHeight = height;
        mdlLoad::Advices.clear();
    }
};

// The tips window over a program folder of its own, with a template that shows its two markers plainly
// and three tips; its page pane is a recording one.
class Tips : public testing::Test {
protected:
    void SetUp() override
    {
        mdlLoad::InitPaths(folder.path());
        QDir().mkpath(folder.path("tmp"));
        folder.write("setting/advice.htm", "title=[advice_title] text=[advice_text]");
        folder.write("setting/advice.ini", "One\r\n\tfirst\r\nTwo\r\n\tsecond\r\n\tline\r\nThree\r\n\tthird\r\n");
        mdlLoad::AdviceNow = 0;
        mdlLoad::DialogAdvice = false;
        mdlLoad::AdviceLeft = 1500;
        mdlLoad::AdviceTop = 1500;
        mdlLoad::AdviceWidth = 6510;
        mdlLoad::AdviceHeight = 4215;
    }

    void TearDown() override
    {
        forms::frmAdvice.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs::SetDialogHook(nullptr);
        saved.Restore();
    }

    // Shows the window modal as the Service command does; `act` is the user while it is shown.
    void show(const std::function<void(frmAdvice &)> &act)
    {
        dialogs::SetDialogHook([&](QDialog &dialog) {
            auto &advice = static_cast<frmAdvice &>(dialog);
            advice.show();
            act(advice);
            return 0;
        });
        dialogs::ShowModal(*forms::frmAdvice);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString page() const { return QString::fromLatin1(folder.read("tmp/advice.htm")); }
    pages::FakePagePane *pane() const { return panes.last(); }

    AdviceSettings saved;
    TempFolder folder;
    pages::FakePagePanes panes;
};

// Each step is a button or a key in the page; the ring closes both ways.
TEST_F(Tips, NextAndPreviousGoRoundTheTipsBothWays)
{
    struct Step {
        char action; // N, P: the buttons; >, <: Right and Left in the page
        int tip;
    };
    struct Case {
        const char *name;
        int startAt;
        QList<Step> steps;
    };
    const Case cases[] = {
        {"the first opening shows tip 1", 0, {{'N', 2}, {'N', 3}, {'N', 1}, {'P', 3}, {'P', 2}, {'P', 1}}},
        {"after the last tip comes the first", 3, {{'<', 3}, {'>', 1}, {'>', 2}}},
        {"a number past a shorter list starts again", 7, {{'P', 3}}},
    };
    const QString tipPage[] = {"", "title=One text=first", "title=Two text=second\r\nline", "title=Three text=third"};
    for (const Case &c : cases) {
        mdlLoad::AdviceNow = c.startAt;
        QList<int> shown;
        show([&](frmAdvice &advice) {
            shown << mdlLoad::AdviceNow;
            EXPECT_EQ(page(), tipPage[1]) << c.name;
            for (const Step &step : c.steps) {
                switch (step.action) {
                case 'N': advice.cmmNext->click(); break;
                case 'P': advice.cmmPreview->click(); break;
                case '>': pane()->PressKey(39); break;
                case '<': pane()->PressKey(37, false, true); break;
                }
                shown << mdlLoad::AdviceNow;
                EXPECT_EQ(page(), tipPage[step.tip]) << c.name << " at tip " << step.tip;
            }
            EXPECT_EQ(pane()->calls.size(), c.steps.size() + 1) << c.name;
            EXPECT_EQ(pane()->calls.last(), (Call{"LoadDocument", folder.path("tmp/advice.htm")}))
                << "the tips pane gets no base folder";
            advice.cmmClose->click();
        });
        QList<int> expected{1};
        for (const Step &step : c.steps)
            expected << step.tip;
        EXPECT_EQ(shown, expected) << c.name;
        EXPECT_EQ(mdlLoad::AdviceNow, expected.last()) << c.name << ": the last tip shown is kept";
    }
}

// Without tips the template shows with its markers; a step back reaches the empty element before tip 1.
TEST_F(Tips, AnEmptyOrMissingListShowsTheTemplate)
{
    for (const bool missing : {false, true}) {
        if (missing)
            QFile::remove(folder.path("setting/advice.ini"));
        else
            folder.write("setting/advice.ini", "\r\n   \r\n");
        mdlLoad::AdviceNow = 2;
        show([&](frmAdvice &advice) {
            EXPECT_EQ(mdlLoad::AdviceNow, 1) << missing;
            EXPECT_EQ(page(), "title=[advice_title] text=[advice_text]") << missing;
            advice.cmmPreview->click();
            EXPECT_EQ(mdlLoad::AdviceNow, 0) << missing;
            EXPECT_EQ(page(), "title= text=") << missing;
            advice.cmmNext->click();
            EXPECT_EQ(mdlLoad::AdviceNow, 1) << missing;
            advice.cmmClose->click();
        });
    }
}

TEST_F(Tips, WithoutItsTemplateThePageIsEmptyAndTheListUnread)
{
    QFile::remove(folder.path("setting/advice.htm"));
    mdlLoad::AdviceNow = 2;
    frmAdvice *advice = forms::frmAdvice.get();
    EXPECT_EQ(folder.read("tmp/advice.htm"), QByteArray());
    EXPECT_EQ(mdlLoad::Advices.count(), 0);
    EXPECT_EQ(mdlLoad::AdviceNow, 1);
    advice->cmmNext->click();
    EXPECT_EQ(mdlLoad::AdviceNow, 1) << "no tips: every step shows the first";
}

// Every step that cannot write the page says why: at the opening, at Next and at Previous.
TEST_F(Tips, APageThatCannotBeWrittenKeepsTheTipShown)
{
    for (const TmpFailure &failure : TmpFailures) {
        SCOPED_TRACE(failure.name);
        {
            const FailingTmp tmp(failure, folder);
            ASSERT_TRUE(tmp.ok());
            mdlLoad::AdviceNow = 2;
            frmAdvice *advice = forms::frmAdvice.get();
            advice->cmmNext->click();
            advice->cmmPreview->click();
            EXPECT_EQ(mdlLoad::AdviceNow, 2);
            EXPECT_TRUE(pane()->calls.isEmpty()) << "the pane keeps what it showed";
            tmp.ExpectReported("advice.htm", 3);
            forms::frmAdvice.unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        FailingTmp::Mend(folder);
    }
}

// The tip's text and title go in as the list writes them: the tips hold markup of their own.
TEST_F(Tips, TheTitleGoesInFirstAndMarkupStays)
{
    folder.write("setting/advice.ini", "<b>[advice_text]</b>\r\n\t&laquo;x&raquo;\r\n");
    forms::frmAdvice.get();
    EXPECT_EQ(page(), "title=<b>&laquo;x&raquo;</b> text=&laquo;x&raquo;");
}

TEST_F(Tips, TheWindowsTextsAndButtons)
{
    frmAdvice *advice = forms::frmAdvice.get();
    EXPECT_EQ(advice->windowTitle(), "Полезные советы");
    EXPECT_EQ(advice->chcOpenStart->text(), "Открывать окно при запуске программы");
    EXPECT_EQ(advice->cmmPreview->text(), "Предыдущий");
    EXPECT_EQ(advice->cmmNext->text(), "Следующий");
    EXPECT_EQ(advice->cmmClose->text(), "Закрыть");
    EXPECT_TRUE(advice->cmmNext->isDefault());
    EXPECT_FALSE(advice->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(advice->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (QWidget *control : {advice->imgPicture, static_cast<QWidget *>(advice->wbbAdvice),
                             static_cast<QWidget *>(advice->chcOpenStart), static_cast<QWidget *>(advice->cmmClose)})
        EXPECT_EQ(control->parentWidget(), advice->picBox);
}

// However the window is closed, the box decides about the start, the rectangle is stored and the tips
// are let go.
// Shown without the window system activating it, the window has its focus where its activation puts it.
TEST_F(Tips, OnceShownNextHasTheFocusEvenWithoutActivation)
{
    forms::frmAdvice->setAttribute(Qt::WA_ShowWithoutActivating);
    show([](frmAdvice &advice) {
        EXPECT_FALSE(advice.isActiveWindow());
        EXPECT_EQ(advice.focusWidget(), advice.cmmNext);
        advice.cmmClose->click();
    });
}

TEST_F(Tips, ClosingStoresTheBoxAndTheRectangle)
{
    struct Case {
        const char *name;
        bool atStart;
        Qt::CheckState set;
        std::function<void(frmAdvice &)> close;
        bool expected;
    };
    const auto button = [](frmAdvice &advice) { advice.cmmClose->click(); };
    const auto windowEsc = [](frmAdvice &advice) { QTest::keyClick(advice.chcOpenStart, Qt::Key_Escape); };
    const auto pageEsc = [this](frmAdvice &) { pane()->PressKey(27); };
    const auto closeBox = [](frmAdvice &advice) { advice.close(); };
    const Case cases[] = {
        {"ticked by the user, closed by the button", false, Qt::Checked, button, true},
        {"cleared by the user, closed by Esc in the window", true, Qt::Unchecked, windowEsc, false},
        {"left ticked, closed by Esc in the page", true, Qt::Checked, pageEsc, true},
        {"left clear, closed by the close box", false, Qt::Unchecked, closeBox, false},
        {"grey counts as ticked", false, Qt::PartiallyChecked, button, true},
    };
    for (const Case &c : cases) {
        mdlLoad::DialogAdvice = c.atStart;
        mdlLoad::AdviceLeft = mdlLoad::AdviceTop = 1500;
        bool shownTicked = false;
        show([&](frmAdvice &advice) {
            shownTicked = advice.chcOpenStart->isChecked();
            advice.chcOpenStart->setCheckState(c.set);
            advice.setGeometry(120, 90, 500, 320);
            c.close(advice);
        });
        EXPECT_EQ(shownTicked, c.atStart) << c.name;
        EXPECT_EQ(mdlLoad::DialogAdvice, c.expected) << c.name;
        EXPECT_EQ((QList<int>{mdlLoad::AdviceLeft, mdlLoad::AdviceTop, mdlLoad::AdviceWidth, mdlLoad::AdviceHeight}),
                  (QList<int>{1800, 1350, 7500, 4800}))
            << c.name;
        EXPECT_EQ(mdlLoad::Advices.count(), 0) << c.name;
        EXPECT_FALSE(forms::frmAdvice.isLoaded()) << c.name;
    }
}

TEST_F(Tips, OtherKeysInThePageAreIgnored)
{
    show([this](frmAdvice &advice) {
        for (const int key : {13, 38, 40, 115})
            pane()->PressKey(key);
        EXPECT_EQ(mdlLoad::AdviceNow, 1);
        EXPECT_TRUE(forms::frmAdvice.isLoaded());
        advice.cmmClose->click();
    });
}

TEST_F(Tips, TheStoredRectangleOpensTheWindowAndTheLayoutFollowsIt)
{
    mdlLoad::AdviceLeft = 3000;
    mdlLoad::AdviceTop = 1500;
    frmAdvice *advice = forms::frmAdvice.get();
    EXPECT_EQ(advice->geometry(), QRect(200, 100, 434, 281));
    // The designed inner area less 60 twips on every side.
    EXPECT_EQ(advice->picBox->geometry(), QRect(4, 4, 426, 273));
    const QRect close = advice->cmmClose->geometry();
    EXPECT_EQ(close.bottomRight(), QPoint(425, 272));
    const QRect next = advice->cmmNext->geometry();
    const QRect previous = advice->cmmPreview->geometry();
    EXPECT_EQ(next.top(), close.top());
    EXPECT_EQ(close.left() - next.right() - 1, 8) << "120 twips between the buttons";
    EXPECT_EQ(next.left() - previous.right() - 1, 8);
    const QRect picture = advice->imgPicture->geometry();
    EXPECT_EQ(picture.topLeft(), QPoint(0, 0));
    EXPECT_EQ(close.top() - picture.bottom() - 1, 4) << "the picture ends 60 twips above the buttons";
    const QRect check = advice->chcOpenStart->geometry();
    EXPECT_EQ(check.left() - picture.right() - 1, 8);
    EXPECT_EQ(check.right(), 425) << "the box reaches the container's right edge";
    EXPECT_EQ(close.top() - check.bottom() - 1, 4);
    const QRect shown = advice->wbbAdvice->geometry();
    EXPECT_EQ(shown.left(), check.left() - 4);
    EXPECT_EQ(shown.top(), 0);
    EXPECT_EQ(shown.right(), 425);
    EXPECT_EQ(shown.bottom() + 1, check.top());

    advice->show();
    advice->resize(700, 500);
    EXPECT_EQ(advice->cmmClose->geometry().bottomRight(), QPoint(691, 491));
    EXPECT_EQ(advice->wbbAdvice->geometry().right(), 691);

    const QList<QRect> before = {advice->picBox->geometry(), advice->wbbAdvice->geometry()};
    advice->resize(39, 400);
    EXPECT_EQ((QList<QRect>{advice->picBox->geometry(), advice->wbbAdvice->geometry()}), before)
        << "under 600 twips the arrangement stays";
}

// The shipped template and tips on the real page engine: the page shows the tip in Cyrillic, and the
// arrow keys in the page step through the tips.
TEST_F(Tips, TheEngineShowsTheShippedPageAndItsKeysStep)
{
    pages::SetPagePaneFactory({});
    for (const char *file : {"setting/advice.htm", "setting/advice.ini"})
        QFile::remove(folder.path(file));
    TempFolder::CopyTree(QStringLiteral(VELLICOR_SOURCE_DIR "/data/setting"), folder.path("setting"));
    mdlLoad::LoadAdviceIni(mdlLoad::AdviceIni);
    const StringPair first = mdlLoad::Advices[1];
    const StringPair second = mdlLoad::Advices[2];
    frmAdvice *advice = forms::frmAdvice.get();
    advice->show();
    ASSERT_TRUE(IsEnginePane(advice->wbbAdvice));
    QWidget *shown = EngineView(advice->wbbAdvice);
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(WaitForPage(*shown)) << EngineLoadedNothing;
    const auto heading = [&] { return RunScript(*shown, "document.querySelector('h1').textContent"); };
    EXPECT_EQ(heading().toString(), first.First);
    EXPECT_FALSE(RunScript(*shown, "document.body.innerText").toString().contains("[advice_"));

    QWidget *input = shown->focusProxy();
    ASSERT_NE(input, nullptr);
    QTest::keyClick(input, Qt::Key_Right);
    ASSERT_TRUE(WaitForPage(*shown));
    EXPECT_EQ(mdlLoad::AdviceNow, 2);
    EXPECT_EQ(heading().toString(), second.First);
    QTest::keyClick(input, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::frmAdvice.isLoaded()) << "Esc in the page closes the window";
}

// The Service command and the start, with the whole program loaded.
class TipsCommand : public FileDialogFixture {
protected:
    void SetUp() override
    {
        FileDialogFixture::SetUp();
        mdlLoad::AdviceNow = 0;
    }

    void TearDown() override
    {
        forms::frmAdvice.unload();
        FileDialogFixture::TearDown();
        saved.Restore();
    }

    AdviceSettings saved;
    pages::FakePagePanes panes;
};

// The window belongs to the main window; afterwards the document that was active has the focus again,
// unless it was closed meanwhile.
TEST_F(TipsCommand, TheTipsComeOverTheMainWindowAndTheDocumentGetsTheFocusBack)
{
    for (const bool closeIt : {false, true}) {
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        const int active = main()->ActiveFileIndex;
        QWidget *owner = nullptr;
        dialogs::SetDialogHook([&](QDialog &dialog) {
            owner = dialog.parentWidget();
            if (closeIt)
                main()->mnuFile_Close_Click();
            mdlFile::ActivateDocument(active - 1, true, false);
            static_cast<frmAdvice &>(dialog).cmmClose->click();
            return 0;
        });
        main()->mnuServis_Advice_Click();
        EXPECT_EQ(owner, main());
        EXPECT_EQ(main()->ActiveFileIndex, closeIt ? active - 1 : active) << closeIt;
    }
}

// The tips open at start before the New and the Open dialog when so set; never with a command-line file.
TEST_F(TipsCommand, TheStartShowsTheTipsFirstWhenSoSet)
{
    struct Case {
        bool atStart;
        bool commandFile;
        QStringList shown;
    };
    const Case cases[] = {
        {true, false, {"frmAdvice", "frmFileNew", "frmFileOpen"}},
        {false, false, {"frmFileNew", "frmFileOpen"}},
        {true, true, {}},
    };
    const QString file = folder.write("docs/a.txt", "a");
    mdlLoad::Viewform = false;
    mdlLoad::DialogNew = mdlLoad::DialogOpen = true;
    for (const Case &c : cases) {
        mdlLoad::DialogAdvice = c.atStart;
        QStringList shown;
        dialogs::SetDialogHook([&](QDialog &dialog) {
            shown << QString::fromLatin1(dialog.metaObject()->className());
            if (auto *advice = qobject_cast<frmAdvice *>(&dialog))
                advice->cmmClose->click();
            if (auto *created = qobject_cast<frmFileNew *>(&dialog))
                created->cmmCancel->click();
            return int(QDialog::Rejected);
        });
        mdlLoad::OpenOnStart(c.commandFile ? QStringList{file} : QStringList());
        dialogs::SetDialogHook(nullptr);
        EXPECT_EQ(shown, c.shown) << c.atStart << c.commandFile;
        EXPECT_EQ(mdlLoad::DialogAdvice, c.atStart) << "the window left its box as it found it";
    }
}

} // namespace
