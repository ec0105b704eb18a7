#include "platform/pages/FakePagePane.h"
#include "platform/pages/WebPagePane.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/TempFolder.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

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

// Runs `script` in the view's page and returns its result, or nothing when the engine did not answer.
QVariant RunScript(QWebEngineView &view, const QString &script)
{
    QVariant result;
    bool answered = false;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        answered = true;
    });
    return QTest::qWaitFor([&] { return answered; }, 20000) ? result : QVariant();
}

// Waits for the view to finish a load; false when the engine never finished one well.
bool WaitForPage(QWebEngineView &view)
{
    QSignalSpy finished(&view, &QWebEngineView::loadFinished);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (finished.isEmpty() && !finished.wait(20000))
            return false;
        if (finished.takeFirst().at(0).toBool())
            return true;
    }
    return false;
}

} // namespace

TEST(PagePane, TheEngineStartsOnlyWithTheFirstPage)
{
    pages::WebPagePane pane;
    pane.SetBaseURL("/tmp/");
    pane.SetBrowseMode(QString());
    EXPECT_EQ(pane.View(), nullptr) << "a window holding a pane must open without the page engine";
}

TEST(PagePane, KeysPressedInThePaneAreReportedWithWindowsCodesAndModifiers)
{
    pages::WebPagePane pane;
    QSignalSpy keys(&pane, &pages::PagePane::onkeydown);
    QTest::keyClick(&pane, Qt::Key_Escape);
    QTest::keyClick(&pane, Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&pane, Qt::Key_A, Qt::AltModifier);

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
    EXPECT_NE(dynamic_cast<pages::WebPagePane *>(real.get()), nullptr) << "the engine's pane is back";
}

// The one test on the real engine: a windows-1251 page without a declared charset, shown from its own
// folder and against another base folder.
TEST(PagePane, TheEngineShowsAWindows1251PageAndResolvesAgainstTheBaseFolder)
{
    TempFolder folder;
    const QString text = QStringLiteral("Привет, мир");
    const QString page = folder.write("tmp/page.htm", "<html><body><p id=t>" +
                                                          platform::text::StringToAnsi(text) +
                                                          "</p><img src=\"dot.png\"></body></html>");
    pages::WebPagePane pane;
    pane.resize(300, 200);
    pane.show();
    QSignalSpy changed(&pane, &pages::PagePane::DisplayChanged);
    pane.LoadDocument(page);
    ASSERT_NE(pane.View(), nullptr);
    if (!WaitForPage(*pane.View()))
        GTEST_SKIP() << "Qt WebEngine did not load a page here (offscreen, without a GPU); the real engine "
                        "is not tested on this machine";

    EXPECT_EQ(RunScript(*pane.View(), "document.getElementById('t').textContent").toString(), text);
    EXPECT_FALSE(changed.isEmpty()) << "a finished load counts as a change of the display";

    QSignalSpy keys(&pane, &pages::PagePane::onkeydown);
    QWidget *input = pane.View()->focusProxy();
    ASSERT_NE(input, nullptr);
    QTest::keyClick(input, Qt::Key_Escape);
    ASSERT_EQ(keys.count(), 1) << "the key is reported on its way into the page";
    EXPECT_EQ(keys[0][0].toInt(), 27);

    const QString base = folder.path("setting") + '/';
    pane.SetBaseURL(base);
    ASSERT_TRUE(WaitForPage(*pane.View()));
    EXPECT_EQ(QUrl(RunScript(*pane.View(), "document.images[0].src").toString()).toLocalFile(), base + "dot.png");
    EXPECT_EQ(RunScript(*pane.View(), "document.getElementById('t').textContent").toString(), text);
}
