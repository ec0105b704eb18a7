#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadTesters.h"
#include "app/dialogs/frmTester.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/pages/FakePagePane.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/EnginePage.h"
#include "tests/LoadedProgram.h"
#include "tests/dialogs/FailingTmp.h"
#include "tests/TempFolder.h"

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

struct TesterRect {
    int left = mdlLoad::TesterLeft, top = mdlLoad::TesterTop, width = mdlLoad::TesterWidth,
        height = mdlLoad::TesterHeight;

    void Restore() const
    {
        mdlLoad::TesterLeft = left;
        mdlLoad::TesterTop = top;
        mdlLoad::TesterWidth = width;
        mdlLoad::TesterHeight = height;
        mdlLoad::TesterGroups.clear();
    }
};

// The testers page over a program folder of its own, with templates that show their markers plainly;
// its page pane is a recording one.
class Testers : public testing::Test {
protected:
    void SetUp() override
    {
        mdlLoad::InitPaths(folder.path());
        QDir().mkpath(folder.path("tmp"));
        folder.write("setting/tester_full.htm", "<page>[info]</page>");
        folder.write("setting/tester_group.htm", "<group>[group]:[man]</group>");
        folder.write("setting/tester_man.htm", "<man>[name];[email];[url]</man>");
        mdlLoad::TesterLeft = 1500;
        mdlLoad::TesterTop = 1500;
        mdlLoad::TesterWidth = 6525;
        mdlLoad::TesterHeight = 4245;
    }

    void TearDown() override
    {
        forms::frmTester.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs::SetDialogHook(nullptr);
        saved.Restore();
    }

    // The page that opening the window with this tester.ini makes, as the window wrote it.
    QString pageFor(const QByteArray &testers)
    {
        folder.write("setting/tester.ini", testers);
        forms::frmTester.get();
        const QString page = platform::text::AnsiToString(folder.read("tmp/tester.htm"));
        forms::frmTester.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return page;
    }

    // Shows the window modal as the Help command does; `act` is the user while it is shown.
    void show(const std::function<void(frmTester &)> &act)
    {
        dialogs::SetDialogHook([&](QDialog &dialog) {
            auto &tester = static_cast<frmTester &>(dialog);
            tester.show();
            act(tester);
            return 0;
        });
        dialogs::ShowModal(*forms::frmTester);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    pages::FakePagePane *pane() const { return panes.last(); }

    TesterRect saved;
    TempFolder folder;
    pages::FakePagePanes panes;
};

QString Mail(const QString &address)
{
    return "<A Href=\"mailto:" + address + "\">" + address + "</A>";
}

QString Web(const QString &href, const QString &text)
{
    return "<A Href=\"" + href + "\" Target=\"_blank\">" + text + "</A>";
}

TEST_F(Testers, ThePageIsBuiltFromTheThreeTemplates)
{
    struct Case {
        const char *name;
        QByteArray testers;
        QString page;
    };
    const QByteArray groups = "[group]\r\na|Первые\r\nb|Вторые\r\n[man]\r\n";
    const Case cases[] = {
        {"no groups", "", "<page></page>"},
        {"groups without people", groups, "<page><group>Первые:</group><group>Вторые:</group></page>"},
        {"people in their groups, in the list's order",
         groups + "b|Пётр|p@b.org|b.org/p\r\na|Анна|mailto:a@a.org|http://a.org/\r\nb|Ян|y@b.org|b.org/y\r\n",
         "<page><group>Первые:<man>Анна;" + Mail("a@a.org") + ";" + Web("http://a.org/", "a.org/") +
             "</man></group><group>Вторые:<man>Пётр;" + Mail("p@b.org") + ";" + Web("http://b.org/p", "b.org/p") +
             "</man><man>Ян;" + Mail("y@b.org") + ";" + Web("http://b.org/y", "b.org/y") + "</man></group></page>"},
        {"an address with a scheme of its own keeps it", groups + "a|Анна|a@a.org|https://a.org/\r\na|Ян|y@a.org|ftp://a.org/y\r\n",
         "<page><group>Первые:<man>Анна;" + Mail("a@a.org") + ";" + Web("https://a.org/", "https://a.org/") +
             "</man><man>Ян;" + Mail("y@a.org") + ";" + Web("ftp://a.org/y", "ftp://a.org/y") +
             "</man></group><group>Вторые:</group></page>"},
        {"no web address still gets both links", groups + "b|Пётр|p@b.org|\r\n",
         "<page><group>Первые:</group><group>Вторые:<man>Пётр;" + Mail("p@b.org") + ";" + Web("http://", "") +
             "</man></group></page>"},
        {"names and addresses are text, not markup",
         groups + "a|<b>Tom & \"Jerry\"</b>|a\"><script>x()</script>@a.org|a.org/?q=<i>&r=1\r\n",
         "<page><group>Первые:<man>&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;;" +
             Mail("a&quot;&gt;&lt;script&gt;x()&lt;/script&gt;@a.org") + ";" +
             Web("http://a.org/?q=&lt;i&gt;&amp;r=1", "a.org/?q=&lt;i&gt;&amp;r=1") +
             "</man></group><group>Вторые:</group></page>"},
        {"a group's title is text, not markup", "[group]\r\na|<b>Tom & \"Jerry\"</b>\r\n",
         "<page><group>&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;:</group></page>"},
        {"a scheme without // is no scheme of its own", groups + "a|Анна|a@a.org|javascript:x()\r\n",
         "<page><group>Первые:<man>Анна;" + Mail("a@a.org") + ";" + Web("http://javascript:x()", "javascript:x()") +
             "</man></group><group>Вторые:</group></page>"},
        {"a name holding a later marker gets its link", groups + "a|[url]|a@a.org|a.org\r\n",
         "<page><group>Первые:<man>" + Web("http://a.org", "a.org") + ";" + Mail("a@a.org") + ";" +
             Web("http://a.org", "a.org") +
             "</man></group><group>Вторые:</group></page>"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pageFor(platform::text::StringToAnsi(QString::fromUtf8(c.testers))), c.page) << c.name;
}

TEST_F(Testers, MissingTemplatesGiveEmptyTexts)
{
    const QByteArray testers = "[group]\r\na|A\r\n[man]\r\na|N|n@a.org|a.org\r\n";
    QFile::remove(folder.path("setting/tester_man.htm"));
    EXPECT_EQ(pageFor(testers), "<page><group>A:</group></page>");
    QFile::remove(folder.path("setting/tester_group.htm"));
    EXPECT_EQ(pageFor(testers), "<page></page>");
    QFile::remove(folder.path("setting/tester_full.htm"));
    EXPECT_EQ(pageFor(testers), "");
}

TEST_F(Testers, ThePageIsShownAgainstTheSettingFolderUnlessItCannotBeWritten)
{
    frmTester *tester = forms::frmTester.get();
    ASSERT_NE(pane(), nullptr);
    EXPECT_EQ(pane()->parentWidget(), tester->picBox);
    EXPECT_EQ(pane()->calls, (QList<Call>{{"LoadDocument", folder.path("tmp/tester.htm")},
                                          {"BaseURL", folder.path("setting") + '/'}}));
    forms::frmTester.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    for (const TmpFailure &failure : TmpFailures) {
        SCOPED_TRACE(failure.name);
        {
            const FailingTmp tmp(failure, folder);
            ASSERT_TRUE(tmp.ok());
            forms::frmTester.get();
            EXPECT_TRUE(pane()->calls.isEmpty()) << "the pane stays empty";
            tmp.ExpectReported("tester.htm");
            forms::frmTester.unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        FailingTmp::Mend(folder);
    }
}

TEST_F(Testers, TheWindowsTextsAndButton)
{
    frmTester *tester = forms::frmTester.get();
    EXPECT_EQ(tester->windowTitle(), "Тестеры-сподвижники");
    EXPECT_EQ(tester->cmmClose->text(), "Закрыть");
    EXPECT_TRUE(tester->cmmClose->isDefault());
    EXPECT_FALSE(tester->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(tester->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// However the window is closed, the rectangle is stored and the list let go; other keys do nothing.
// Shown without the window system activating it, the window has its focus where its activation puts it.
TEST_F(Testers, OnceShownThePageHasTheFocusEvenWithoutActivation)
{
    forms::frmTester->setAttribute(Qt::WA_ShowWithoutActivating);
    show([](frmTester &tester) {
        EXPECT_FALSE(tester.isActiveWindow());
        EXPECT_EQ(tester.focusWidget(), tester.wbbTester);
        tester.cmmClose->click();
    });
}

TEST_F(Testers, ClosingStoresTheRectangleAndLetsTheListGo)
{
    folder.write("setting/tester.ini", "[group]\r\na|A\r\n");
    const std::function<void(frmTester &)> closes[] = {
        [](frmTester &tester) { tester.cmmClose->click(); },
        [](frmTester &tester) { QTest::keyClick(tester.cmmClose, Qt::Key_Return); },
        [](frmTester &tester) { QTest::keyClick(&tester, Qt::Key_Escape); },
        [this](frmTester &) { pane()->PressKey(27); },
        [](frmTester &tester) { tester.close(); },
    };
    for (const auto &close : closes) {
        mdlLoad::TesterLeft = mdlLoad::TesterTop = 1500;
        show([&](frmTester &tester) {
            EXPECT_EQ(mdlLoad::TesterGroups.count(), 1);
            for (const int key : {13, 37, 39, 115})
                pane()->PressKey(key, true, true, true);
            EXPECT_TRUE(forms::frmTester.isLoaded());
            tester.setGeometry(120, 90, 500, 320);
            close(tester);
        });
        EXPECT_FALSE(forms::frmTester.isLoaded());
        EXPECT_EQ((QList<int>{mdlLoad::TesterLeft, mdlLoad::TesterTop, mdlLoad::TesterWidth, mdlLoad::TesterHeight}),
                  (QList<int>{1800, 1350, 7500, 4800}));
        EXPECT_EQ(mdlLoad::TesterGroups.count(), 0);
    }
}

TEST_F(Testers, TheStoredRectangleOpensTheWindowAndTheLayoutFollowsIt)
{
    mdlLoad::TesterLeft = 3000;
    frmTester *tester = forms::frmTester.get();
    EXPECT_EQ(tester->geometry(), QRect(200, 100, 435, 283));
    EXPECT_EQ(tester->picBox->geometry(), QRect(4, 4, 427, 275));
    const QRect close = tester->cmmClose->geometry();
    EXPECT_EQ(close.bottomRight(), QPoint(426, 274));
    const QRect shown = tester->wbbTester->geometry();
    EXPECT_EQ(shown.topLeft(), QPoint(0, 0));
    EXPECT_EQ(shown.right(), 426);
    EXPECT_EQ(close.top() - shown.bottom() - 1, 5) << "80 twips above the button";

    tester->show();
    tester->resize(700, 500);
    EXPECT_EQ(tester->cmmClose->geometry().bottomRight(), QPoint(691, 491));
    EXPECT_EQ(tester->wbbTester->geometry().right(), 691);

    const QList<QRect> before = {tester->picBox->geometry(), tester->wbbTester->geometry()};
    tester->resize(400, 39);
    EXPECT_EQ((QList<QRect>{tester->picBox->geometry(), tester->wbbTester->geometry()}), before)
        << "under 600 twips the arrangement stays";
}

// The shipped templates on the real page engine: the people show as text, with their links.
TEST_F(Testers, TheEngineShowsTheShippedPage)
{
    pages::SetPagePaneFactory({});
    for (const char *file : {"setting/tester_full.htm", "setting/tester_group.htm", "setting/tester_man.htm"})
        QFile::remove(folder.path(file));
    TempFolder::CopyTree(QStringLiteral(VELLICOR_SOURCE_DIR "/data/setting"), folder.path("setting"));
    folder.write("setting/tester.ini",
                 platform::text::StringToAnsi(QStringLiteral("[group]\r\nt|Тестеры\r\n[man]\r\n"
                                                             "t|<i>Аня</i>|a@a.org|https://a.org/\r\n")));
    frmTester *tester = forms::frmTester.get();
    tester->show();
    ASSERT_TRUE(IsEnginePane(tester->wbbTester));
    QWidget *shown = EngineView(tester->wbbTester);
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(WaitForPage(*shown)) << EngineLoadedNothing;
    EXPECT_EQ(RunScript(*shown, "document.querySelector('h2').textContent").toString(), "Тестеры");
    EXPECT_EQ(RunScript(*shown, "document.querySelector('td').textContent").toString(), "<i>Аня</i>");
    EXPECT_EQ(RunScript(*shown, "Array.from(document.links).map(l => l.href).join(' ')").toString(),
              "mailto:a@a.org https://a.org/ mailto:author@vellicor.example.org");
}

// The Help command, with the whole program loaded.
class TestersCommand : public LoadedProgram {
protected:
    void TearDown() override
    {
        forms::frmTester.unload();
        LoadedProgram::TearDown();
        saved.Restore();
    }

    TesterRect saved;
    pages::FakePagePanes panes;
};

TEST_F(TestersCommand, ThePageComesOverTheMainWindowAndTheDocumentGetsTheFocusBack)
{
    for (const bool closeIt : {false, true}) {
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        const int active = main()->ActiveFileIndex;
        QWidget *owner = nullptr;
        QString page;
        dialogs::SetDialogHook([&](QDialog &dialog) {
            owner = dialog.parentWidget();
            page = platform::text::AnsiToString(folder.read("tmp/tester.htm"));
            if (closeIt)
                main()->mnuFile_Close_Click();
            mdlFile::ActivateDocument(active - 1, true, false);
            static_cast<frmTester &>(dialog).cmmClose->click();
            return 0;
        });
        main()->mnuHelp_Tester_Click();
        EXPECT_EQ(owner, main());
        EXPECT_TRUE(page.contains("Тестирование и предложения")) << "the shipped list and templates";
        EXPECT_EQ(main()->ActiveFileIndex, closeIt ? active - 1 : active) << closeIt;
    }
}

} // namespace
