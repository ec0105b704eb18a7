#include "app/core/mdlLoad.h"
#include "app/dialogs/frmMoney.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/pages/FakePagePane.h"
#include "tests/TempFolder.h"
#include "tests/dialogs/FailingTmp.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace dialogs = platform::dialogs;
namespace pages = platform::pages;

namespace {

using Call = pages::FakePagePane::Call;

// The support page over a program folder of its own, its page pane a recording one.
class SupportPage : public testing::Test {
protected:
    void SetUp() override
    {
        savedViewform = mdlLoad::Viewform;
        mdlLoad::InitPaths(folder.path());
        QDir().mkpath(folder.path("tmp"));
    }

    void TearDown() override
    {
        forms::frmMoney.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs::SetDialogHook(nullptr);
        mdlLoad::Viewform = savedViewform;
    }

    // Shows the page modal; `act` answers it as the user would.
    void show(const std::function<void(frmMoney &)> &act)
    {
        owner.show();
        dialogs::SetDialogHook([&](QDialog &dialog) {
            auto &money = static_cast<frmMoney &>(dialog);
            money.show();
            act(money);
            return 0;
        });
        forms::frmMoney->ShowMoney(&owner);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    pages::FakePagePane *pane() const { return panes.last(); }

    TempFolder folder;
    QWidget owner;
    pages::FakePagePanes panes;
    bool savedViewform = true;
};

TEST_F(SupportPage, OpeningShowsACopyOfThePageAgainstTheSettingFolder)
{
    const QByteArray page = "<html><body>\xC0\xE2\xF2\xEE\xF0 \x98 \xFF</body></html>\r\n";
    folder.write("setting/money.htm", page);
    frmMoney *money = forms::frmMoney.get();

    EXPECT_EQ(folder.read("tmp/money.htm"), page) << "the copy keeps every byte";
    ASSERT_NE(pane(), nullptr);
    EXPECT_EQ(pane()->parentWidget(), money->picBox);
    EXPECT_EQ(pane()->calls, (QList<Call>{{"LoadDocument", folder.path("tmp/money.htm")},
                                          {"BaseURL", folder.path("setting") + '/'}}));
}

TEST_F(SupportPage, AMissingPageGivesAnEmptyCopy)
{
    folder.write("tmp/money.htm", "old page");
    forms::frmMoney.get();
    EXPECT_EQ(folder.read("tmp/money.htm"), QByteArray());
    EXPECT_EQ(pane()->calls.value(0), (Call{"LoadDocument", folder.path("tmp/money.htm")}));
}

// A copy that cannot be written is reported with its reason; the pane shows whatever tmp/ holds.
TEST_F(SupportPage, ACopyThatCannotBeWrittenSaysWhyAndTheOldCopyIsShown)
{
    folder.write("setting/money.htm", "<html>new page</html>");
    for (const TmpFailure &failure : TmpFailures) {
        SCOPED_TRACE(failure.name);
        folder.write("tmp/money.htm", "old page");
        {
            const FailingTmp tmp(failure, folder);
            ASSERT_TRUE(tmp.ok());
            forms::frmMoney.get();
            tmp.ExpectReported("money.htm");
            EXPECT_EQ(pane()->calls.value(0), (Call{"LoadDocument", folder.path("tmp/money.htm")}));
            forms::frmMoney.unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (failure.way != TmpFailure::FileInItsPlace) {
            EXPECT_EQ(folder.read("tmp/money.htm"), "old page");
        }
        FailingTmp::Mend(folder);
    }
}

TEST_F(SupportPage, TheWindowsTextsAndButtons)
{
    frmMoney *money = forms::frmMoney.get();
    EXPECT_EQ(money->windowTitle(), "Автор ждет...");
    EXPECT_EQ(money->chcView->text(), "Больше никогда не показывать это окно");
    EXPECT_EQ(money->cmmClose->text(), "Закрыть");
    EXPECT_TRUE(money->cmmClose->isDefault());
    EXPECT_FALSE(money->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(money->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// The box shows whether the page is switched off; however the window is closed, the box decides.
// Shown without the window system activating it, the window has its focus where its activation puts it.
TEST_F(SupportPage, OnceShownThePageHasTheFocusEvenWithoutActivation)
{
    forms::frmMoney->setAttribute(Qt::WA_ShowWithoutActivating);
    show([](frmMoney &money) {
        EXPECT_FALSE(money.isActiveWindow());
        EXPECT_EQ(money.focusWidget(), money.wbbMoney);
        money.cmmClose->click();
    });
}

TEST_F(SupportPage, TheBoxSwitchesTheShowingAtStartOnAndOff)
{
    struct Case {
        const char *name;
        bool viewform;
        Qt::CheckState set; // what the user leaves the box at
        std::function<void(frmMoney &)> close;
        bool expected;
    };
    const auto button = [](frmMoney &money) { money.cmmClose->click(); };
    const auto enter = [](frmMoney &money) { QTest::keyClick(&money, Qt::Key_Return); };
    const auto windowEsc = [](frmMoney &money) { QTest::keyClick(money.chcView, Qt::Key_Escape); };
    const auto pageEsc = [this](frmMoney &) { pane()->PressKey(27); };
    const auto closeBox = [](frmMoney &money) { money.close(); };
    const Case cases[] = {
        {"ticked by the user, closed by the button", true, Qt::Checked, button, false},
        {"cleared by the user, closed by Enter", false, Qt::Unchecked, enter, true},
        {"left ticked, closed by Esc in the window", false, Qt::Checked, windowEsc, false},
        {"left clear, closed by Esc in the page", true, Qt::Unchecked, pageEsc, true},
        {"ticked, closed by the close box", true, Qt::Checked, closeBox, false},
        {"grey counts as not ticked", false, Qt::PartiallyChecked, button, true},
    };
    for (const Case &c : cases) {
        mdlLoad::Viewform = c.viewform;
        bool shownTicked = false;
        show([&](frmMoney &money) {
            shownTicked = money.chcView->checkState() == Qt::Checked;
            money.chcView->setCheckState(c.set);
            c.close(money);
        });
        EXPECT_EQ(shownTicked, !c.viewform) << c.name;
        EXPECT_EQ(mdlLoad::Viewform, c.expected) << c.name;
        EXPECT_FALSE(forms::frmMoney.isLoaded()) << c.name;
    }
}

TEST_F(SupportPage, OtherKeysInThePageAreIgnored)
{
    mdlLoad::Viewform = true;
    show([this](frmMoney &money) {
        pane()->PressKey(13);
        pane()->PressKey(115, false, false, true);
        money.chcView->setCheckState(Qt::Checked);
    });
    EXPECT_TRUE(forms::frmMoney.isLoaded());
    EXPECT_TRUE(mdlLoad::Viewform) << "the state is stored only when the window closes";
}

// The window's page pane holds the page engine's view. Made a child of its owner, the window would mark
// the owner as a window of engine-drawn parts, and the owner would stop repainting what closing menus
// and dialogs uncover; it is tied to the owner's window by the window system alone.
TEST_F(SupportPage, TheWindowStaysOverItsOwnerWithoutBecomingItsChild)
{
    QWidget *parent = &owner;
    QWindow *ownerWindow = nullptr;
    show([&](frmMoney &money) {
        parent = money.parentWidget();
        ownerWindow = money.windowHandle()->transientParent();
        money.cmmClose->click();
    });
    EXPECT_EQ(parent, nullptr);
    ASSERT_NE(owner.windowHandle(), nullptr);
    EXPECT_EQ(ownerWindow, owner.windowHandle());
}

TEST_F(SupportPage, TheLayoutFollowsTheWindowAndATinyWindowKeepsIt)
{
    frmMoney *money = forms::frmMoney.get();
    money->show();
    // The designed inner area, 7485 by 4710 twips, less 60 twips on every side.
    EXPECT_EQ(money->size(), QSize(499, 314));
    EXPECT_EQ(money->picBox->geometry(), QRect(4, 4, 491, 306));
    const QRect close = money->cmmClose->geometry();
    EXPECT_EQ(close.right(), 490);
    EXPECT_EQ(close.bottom(), 305);
    const QRect check = money->chcView->geometry();
    EXPECT_EQ(check.left(), 0);
    EXPECT_EQ(check.width(), 491);
    EXPECT_LT(check.bottom(), close.top());
    const QRect page = money->wbbMoney->geometry();
    EXPECT_EQ(page.topLeft(), QPoint(0, 0));
    EXPECT_EQ(page.width(), 491);
    EXPECT_LT(page.bottom(), check.top());

    money->resize(700, 500);
    EXPECT_EQ(money->picBox->geometry(), QRect(4, 4, 692, 492));
    EXPECT_EQ(money->cmmClose->geometry().bottomRight(), QPoint(691, 491));

    const QRect before = money->picBox->geometry();
    money->resize(30, 400);
    EXPECT_EQ(money->picBox->geometry(), before) << "under 600 twips the arrangement stays";
}

} // namespace
