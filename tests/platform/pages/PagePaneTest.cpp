#include "platform/pages/FakePagePane.h"
#include "platform/shell/Shell.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/EnginePage.h"
#include "tests/ShellRecorder.h"
#include "tests/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace pages = platform::pages;

namespace {

using KeyArguments = std::tuple<int, bool, bool, bool>;

KeyArguments KeyOf(const QList<QVariant> &signal)
{
    return {signal[0].toInt(), signal[1].toBool(), signal[2].toBool(), signal[3].toBool()};
}

// A real pane, as the windows make it.
std::unique_ptr<pages::PagePane> EnginePane()
{
    std::unique_ptr<pages::PagePane> pane(pages::CreatePagePane(nullptr));
    EXPECT_TRUE(IsEnginePane(pane.get()));
    return pane;
}

} // namespace

TEST(PagePane, TheEngineStartsOnlyWithTheFirstPage)
{
    const auto pane = EnginePane();
    pane->SetBaseURL("/tmp/");
    pane->SetBrowseMode(QString());
    EXPECT_EQ(EngineView(pane.get()), nullptr) << "a window holding a pane must open without the page engine";
}

TEST(PagePane, KeysPressedInThePaneAreReportedWithWindowsCodesAndModifiers)
{
    const auto pane = EnginePane();
    QSignalSpy keys(pane.get(), &pages::PagePane::onkeydown);
    QTest::keyClick(pane.get(), Qt::Key_Escape);
    QTest::keyClick(pane.get(), Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(pane.get(), Qt::Key_A, Qt::AltModifier);

    // As in a page, the modifier keys are reported when they go down, each with its own state.
    QList<KeyArguments> reported;
    for (const QList<QVariant> &key : keys)
        reported.append(KeyOf(key));
    EXPECT_EQ(reported, (QList<KeyArguments>{{27, false, false, false}, {16, true, false, false},
                                             {17, true, true, false}, {116, true, true, false},
                                             {18, false, false, true}, {65, false, false, true}}));
}

TEST(PagePane, WhileFakePanesAreInstalledEveryPaneMadeRecordsItsCalls)
{
    QWidget window;
    {
        pages::FakePagePanes fakes;
        pages::PagePane *pane = pages::CreatePagePane(&window);
        ASSERT_EQ(pane, fakes.last());
        EXPECT_EQ(pane->parentWidget(), &window);
        pane->LoadDocument("/p/tmp/money.htm");
        pane->SetBaseURL("/p/setting/");
        EXPECT_EQ(fakes.last()->calls, (QList<pages::FakePagePane::Call>{{"LoadDocument", "/p/tmp/money.htm"},
                                                                         {"BaseURL", "/p/setting/"}}));
    }
    std::unique_ptr<pages::PagePane> real(pages::CreatePagePane(nullptr));
    EXPECT_TRUE(IsEnginePane(real.get())) << "the engine's pane is back";
}

TEST(PagePane, LinksBetweenLocalPagesStayAndEveryOtherLinkGoesToTheShell)
{
    ShellRecorder shell;
    const struct {
        const char *link;
        bool newWindow;
        bool followed; // by the pane itself
        bool opened;   // by the shell
    } cases[] = {
        {"file:///p/tmp/b.htm#part", false, true, false},
        {"file:///p/tmp/b.htm", true, false, true},
        {"http://example.com/a%20b", false, false, true},
        {"https://example.com/", true, false, true},
        {"ftp://example.com/pub/", false, false, true},
        {"mailto:info@example.com", false, false, true},
        // Nothing the desktop could open: the engine keeps its own, and no window opens.
        {"about:blank", false, true, false},
        {"about:blank", true, false, false},
    };
    for (const auto &c : cases) {
        pages::FakePagePane pane;
        shell.opened.clear();
        pane.ClickLink(QUrl(c.link), c.newWindow);
        const QString link = QString::fromUtf8(c.link);
        using Calls = QList<pages::FakePagePane::Call>;
        EXPECT_EQ(pane.calls, (c.followed ? Calls{{"Link", link}} : Calls{})) << c.link << ' ' << c.newWindow;
        EXPECT_EQ(shell.opened, c.opened ? QStringList{link} : QStringList{}) << c.link << ' ' << c.newWindow;
        for (const platform::shell::ShellCall &call : shell.calls)
            EXPECT_EQ(call.kind, platform::shell::ShellKind::Open) << "a linked page is never run";
    }
}

namespace {

// Writes a picture `width` pixels wide into the folder, so that a page shows which file it got.
void WritePicture(const TempFolder &folder, const QString &name, int width)
{
    QImage picture(width, 1, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir().mkpath(QFileInfo(folder.path(name)).path());
    picture.save(folder.path(name), "PNG");
}

} // namespace

// The first test on the real engine: a windows-1251 page without a declared charset, shown from its own
// folder and against another base folder, where its pictures are taken from, also one a level up; then
// shown again as it has changed on disk.
TEST(PagePane, TheEngineShowsAWindows1251PageAndResolvesAgainstTheBaseFolder)
{
    TempFolder folder;
    const QString text = QStringLiteral("Привет, мир");
    const QString page = folder.write("tmp/page.htm", "<html><body><p id=t>" +
                                                          platform::text::StringToAnsi(text) +
                                                          "</p><img src=\"dot.png\"><img src=\"../up.png\"></body></html>");
    WritePicture(folder, "tmp/dot.png", 3);
    WritePicture(folder, "site/pages/dot.png", 7);
    WritePicture(folder, "site/up.png", 5);
    const auto pane = EnginePane();
    pane->resize(300, 200);
    pane->show();
    QSignalSpy changed(pane.get(), &pages::PagePane::DisplayChanged);
    pane->LoadDocument(page);
    QWidget *view = EngineView(pane.get());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(WaitForPage(*view)) << EngineLoadedNothing;

    EXPECT_EQ(RunScript(*view, "document.getElementById('t').textContent").toString(), text);
    EXPECT_EQ(RunScript(*view, "document.images[0].naturalWidth").toInt(), 3) << "from the page's own folder";
    EXPECT_FALSE(changed.isEmpty()) << "a finished load counts as a change of the display";

    QSignalSpy keys(pane.get(), &pages::PagePane::onkeydown);
    QWidget *input = view->focusProxy();
    ASSERT_NE(input, nullptr);
    QTest::keyClick(input, Qt::Key_Escape);
    ASSERT_EQ(keys.count(), 1) << "the key is reported on its way into the page";
    EXPECT_EQ(keys[0][0].toInt(), 27);

    pane->SetBaseURL(folder.path("site/pages") + '/');
    ASSERT_TRUE(WaitForPage(*view));
    const auto widths = [&] {
        return RunScript(*view, "Array.from(document.images).map(i => i.naturalWidth).join(' ')").toString();
    };
    EXPECT_EQ(widths(), "7 5") << "the pictures of the base folder and of the folder above it";
    EXPECT_EQ(RunScript(*view, "document.getElementById('t').textContent").toString(), text);

    folder.write("tmp/page.htm", "<html><body><p id=t>" + platform::text::StringToAnsi(QStringLiteral("Пока")) +
                                     "</p><img src=\"dot.png\"></body></html>");
    pane->Reload();
    ASSERT_TRUE(WaitForPage(*view));
    EXPECT_EQ(RunScript(*view, "document.getElementById('t').textContent").toString(), QStringLiteral("Пока"));
    EXPECT_EQ(widths(), "7") << "still against the base folder";
}

// The second test on the real engine: links clicked in a local page, shown from its own folder and
// against the folder of its links.
TEST(PagePane, TheEngineFollowsALocalLinkAndHandsAnAddressToTheShell)
{
    for (const bool based : {false, true}) {
        SCOPED_TRACE(based ? "shown against a base folder" : "shown from its own folder");
        TempFolder folder;
        const QString first = folder.write(based ? "tmp/a.htm" : "site/a.htm",
                                           "<html><body>"
                                           "<p><a id=web href=\"http://example.invalid/page\">web</a></p>"
                                           "<p><a id=blank href=\"b.htm\" target=\"_blank\">blank</a></p>"
                                           "<p><a id=here href=\"#end\">here</a></p>"
                                           "<p><a id=local href=\"b.htm\">local</a></p><p id=end>end</p></body></html>");
        const QString second = folder.write("site/b.htm", "<html><body><p id=t>b</p></body></html>");
        ShellRecorder shell;
        const auto pane = EnginePane();
        pane->resize(400, 300);
        pane->show();
        pane->LoadDocument(first);
        if (based)
            pane->SetBaseURL(folder.path("site") + '/');
        QWidget *view = EngineView(pane.get());
        ASSERT_NE(view, nullptr);
        QList<QUrl> requested;
        {
            const RequestRecorder requests(*view);
            QSignalSpy started(view, SIGNAL(loadStarted()));
            ASSERT_TRUE(WaitForPage(*view)) << EngineLoadedNothing;
            EXPECT_EQ(started.count(), 1) << "the page is loaded once, against its base";
            requested = requests.urls;
        }
        ASSERT_EQ(requested.size(), 1);
        EXPECT_EQ(requested[0].path(), folder.path("site/a.htm")) << "the address stands in the base folder";
        QWidget *input = view->focusProxy();
        ASSERT_NE(input, nullptr);
        // Clicks the link as the user does, with the mouse.
        const auto click = [&](const QString &id) {
            const QString script = "(function() { const r = document.getElementById('" + id +
                                   "').getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()";
            const QVariantList centre = RunScript(*view, script).toList();
            ASSERT_EQ(centre.size(), 2) << id.toStdString();
            QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(centre[0].toInt(), centre[1].toInt()));
        };
        const auto shown = [&] { return QUrl(RunScript(*view, "location.href").toString()); };
        const QUrl start = shown();

        click("web");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shell.opened.isEmpty(); }, 20000))
            << "the address never reached the shell";
        EXPECT_EQ(shell.opened, QStringList{"http://example.invalid/page"});
        EXPECT_EQ(shown(), start) << "the address is not loaded in the pane";

        click("blank");
        ASSERT_TRUE(QTest::qWaitFor([&] { return shell.opened.size() == 2; }, 20000))
            << "the new window never reached the shell";
        EXPECT_EQ(QUrl(shell.opened[1]).toLocalFile(), second);
        EXPECT_EQ(shown(), start);

        click("here");
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown().fragment() == "end"; }, 20000))
            << "a link within the page stays in it";
        EXPECT_EQ(shown().adjusted(QUrl::RemoveFragment), start);

        click("local");
        ASSERT_TRUE(WaitForPage(*view));
        EXPECT_EQ(shown().toLocalFile(), second) << "a link to a local page stays in the pane";
        EXPECT_EQ(shell.opened.size(), 2);
    }
}
