#include "app/core/mdlLoad.h"
#include "app/dialogs/frmAbout.h"
#include "app/dialogs/frmMoney.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/pages/FakePagePane.h"
#include "tests/TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace dialogs = platform::dialogs;

namespace {

// Twips of the design as pixels, 15 twips a pixel.
int Px(int twips)
{
    return qRound(twips / 15.0);
}

// The window over a program folder of its own holding the shipped logo, or one of another size.
class AboutBox : public testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(folder.path("setting"));
        // The working folder, as the start makes it: the support page is shown from a copy there.
        QDir().mkpath(folder.path("tmp"));
        QFile::copy(QStringLiteral(VELLICOR_SOURCE_DIR "/data/setting/logo.png"), folder.path("setting/logo.png"));
        platform::application::SetPath(folder.path());
        mdlLoad::InitPaths(folder.path());
    }

    void TearDown() override
    {
        forms::frmAbout.unload();
        forms::frmMoney.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs::SetDialogHook(nullptr);
        platform::application::SetPath(QString());
        mdlLoad::ProgramLoaded = false;
    }

    void useLogo(int width, int height)
    {
        QImage logo(width, height, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        logo.save(folder.path("setting/logo.png"));
    }

    // Shows the about box; `act` answers it as the user would.
    void showAbout(const std::function<void(frmAbout &)> &act)
    {
        mdlLoad::ProgramLoaded = true;
        owner.show();
        dialogs::SetDialogHook([&](QDialog &dialog) {
            if (auto *about = qobject_cast<frmAbout *>(&dialog)) {
                about->show();
                act(*about);
            }
            return 0;
        });
        forms::frmAbout->ShowAbout(&owner);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TempFolder folder;
    QWidget owner;
};

TEST_F(AboutBox, TheWindowTakesTheLogosSizeAndItsDesignedTexts)
{
    ASSERT_EQ(QImage(folder.path("setting/logo.png")).size(), QSize(348, 248)) << "the shipped logo";
    frmAbout *about = forms::frmAbout.get();
    EXPECT_EQ(about->size(), QSize(348, 248));
    EXPECT_EQ(about->imgLogo->geometry(), QRect(0, 0, 348, 248));
    EXPECT_EQ(about->windowTitle(), "О программе");
    EXPECT_EQ(about->cmbUser->text(), "Автор ждет...");
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about->prgLoading->minimum(), 0);
    EXPECT_EQ(about->prgLoading->maximum(), 100);
}

TEST_F(AboutBox, TheSplashShowsTheBarWithTheDisabledButtonUnderIt)
{
    frmAbout *splash = forms::frmAbout.get();
    splash->ShowSplash(&owner);

    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->parentWidget(), &owner);
    EXPECT_EQ(splash->cursor().shape(), Qt::WaitCursor);
    // The designed bar: left 1670, top 2306, 2401 by 186 twips.
    EXPECT_EQ(splash->prgLoading->geometry(), QRect(QPoint(Px(1670), Px(2306)), QPoint(Px(4071) - 1, Px(2492) - 1)));
    EXPECT_TRUE(splash->prgLoading->isVisible());
    EXPECT_FALSE(splash->cmbUser->isEnabled());
    EXPECT_EQ(splash->cmbUser->geometry().top(), Px(2552));
    EXPECT_EQ(splash->cmbUser->geometry().right(), splash->prgLoading->geometry().right());

    for (int value : {10, 40, 50, 80, 100}) {
        splash->SetLoadingValue(value);
        EXPECT_EQ(splash->prgLoading->value(), value);
    }
}

TEST_F(AboutBox, NoClickOrKeyClosesTheSplash)
{
    frmAbout *splash = forms::frmAbout.get();
    splash->ShowSplash(&owner);
    QTest::mouseClick(splash->imgLogo, Qt::LeftButton);
    QTest::mouseDClick(splash, Qt::LeftButton);
    QTest::keyClick(splash, Qt::Key_Escape);
    QTest::mouseClick(splash->cmbUser, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_TRUE(forms::frmAbout.isLoaded());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(forms::frmMoney.isLoaded()) << "the disabled button opens nothing";
}

TEST_F(AboutBox, TheAboutBoxHidesTheBarAndLinesTheButtonUpWithIt)
{
    showAbout([](frmAbout &about) {
        EXPECT_FALSE(about.prgLoading->isVisible());
        EXPECT_TRUE(about.cmbUser->isEnabled());
        EXPECT_EQ(about.cmbUser->geometry().top(), Px(2306));
        EXPECT_EQ(about.cmbUser->geometry().right(), Px(1670 + 2401) - 1);
    });
    EXPECT_TRUE(forms::frmAbout.isLoaded()) << "nothing closed it";
}

TEST_F(AboutBox, EscAClickOrADoubleClickClosesTheAboutBox)
{
    const std::function<void(frmAbout &)> closers[] = {
        [](frmAbout &about) {
            about.cmbUser->setFocus();
            QTest::keyClick(about.cmbUser, Qt::Key_Escape);
        },
        [](frmAbout &about) { QTest::mouseClick(about.imgLogo, Qt::LeftButton); },
        [](frmAbout &about) { QTest::mouseDClick(about.imgLogo, Qt::LeftButton); },
    };
    for (const auto &close : closers) {
        showAbout(close);
        EXPECT_FALSE(forms::frmAbout.isLoaded());
    }
}

TEST_F(AboutBox, OtherKeysLeaveTheAboutBoxOpen)
{
    showAbout([](frmAbout &about) {
        QTest::keyClick(&about, Qt::Key_Return);
        QTest::keyClick(&about, Qt::Key_Space);
        QTest::keyClick(&about, Qt::Key_Q, Qt::AltModifier);
    });
    EXPECT_TRUE(forms::frmAbout.isLoaded());
    EXPECT_FALSE(forms::frmMoney.isLoaded());
}

TEST_F(AboutBox, ALogoOfAnotherSizeMovesBarAndButtonInProportion)
{
    useLogo(500, 300);
    frmAbout *splash = forms::frmAbout.get();
    EXPECT_EQ(splash->size(), QSize(500, 300));
    // 7500 by 4500 twips: bar at 2400, 2790 with 3450 by 225.
    EXPECT_EQ(splash->prgLoading->geometry(), QRect(QPoint(160, 186), QPoint(Px(5850) - 1, Px(3015) - 1)));
    EXPECT_EQ(splash->cmbUser->geometry().right(), Px(5850) - 1);
    EXPECT_EQ(splash->cmbUser->geometry().top(), Px(3015 + 60));
}

TEST_F(AboutBox, TheButtonOpensTheSupportPageOverTheAboutBoxWhichStaysOpen)
{
    platform::pages::FakePagePanes panes;
    QWindow *moneyOwner = nullptr;
    QWindow *aboutWindow = nullptr;
    showAbout([&](frmAbout &about) {
        dialogs::SetDialogHook([&](QDialog &dialog) {
            if (auto *money = qobject_cast<frmMoney *>(&dialog)) {
                if (QWindow *window = money->windowHandle())
                    moneyOwner = window->transientParent();
                money->cmmClose->click();
            }
            return 0;
        });
        aboutWindow = about.windowHandle();
        QTest::mouseClick(about.cmbUser, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(forms::frmAbout.isLoaded());
    });
    EXPECT_NE(moneyOwner, nullptr);
    EXPECT_EQ(moneyOwner, aboutWindow);
    EXPECT_FALSE(forms::frmMoney.isLoaded());
    EXPECT_TRUE(forms::frmAbout.isLoaded());
}

} // namespace
