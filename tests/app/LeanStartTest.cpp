#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/ProgramCopies.h"
#include "tests/ProgramFolder.h"

#include <QTest>

#include <gtest/gtest.h>

namespace windows = platform::windows;

namespace {

// The libraries mapped into the process `id`, one path a line.
QByteArray MappedLibraries(qint64 id)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(id));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

// The real program: the page engine is loaded only with the first page pane. A start with a small page
// leaves the engine out; a start that shows the tips loads it late, after the application exists, and
// goes on running.
TEST(LeanStart, ThePageEngineIsLoadedOnlyWhenAPagePaneIsMade)
{
    const struct {
        const char *setting;
        bool withPage; // on the command line
        bool tips;
    } cases[] = {
        {"[start_program]\r\nfile_creat=False\r\n", true, false},
        {"[start_program]\r\nfile_creat=False\r\ndialog_advice=True\r\n", false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tips ? "the tips shown at the start" : "no page shown");
        ProgramFolder folder;
        const ScopedEnvironment table = folder.useWindowTable();
        folder.root.write("setting.ini", c.setting);
        const QString page = folder.root.write("site/small.html", "<html><body>small</body></html>");
        QProcess program;
        folder.start(program, c.withPage ? QStringList{page} : QStringList{});
        const QString title = QStringLiteral("Marrowin Vellicor");
        const QString shown = c.withPage ? "small.html - " + title : title;
        // The main window with that title, once its event loop answers.
        const windows::Handle window = WaitForCopyWindow(program, [&](const windows::WindowEntry &entry) {
            return entry.title == shown && windows::SendMessage(entry.handle, 0, 0, 0);
        });
        ASSERT_NE(window, 0);

        const auto engineLoaded = [&] {
            const QByteArray libraries = MappedLibraries(program.processId());
            return libraries.contains("/PageEngine.so") && libraries.contains("libQt6WebEngineCore");
        };
        if (c.tips) {
            EXPECT_TRUE(QTest::qWaitFor(engineLoaded, 30000)) << "the tips' pane loads the engine";
            QTest::qWait(1000);
            EXPECT_EQ(program.state(), QProcess::Running) << "the engine loaded late ended the program";
            EXPECT_TRUE(windows::SendMessage(window, 0, 0, 0));
        } else {
            EXPECT_FALSE(MappedLibraries(program.processId()).contains("WebEngine"));
            EXPECT_FALSE(MappedLibraries(program.processId()).contains("/PageEngine.so"));
        }
        // The tips are modal: the main window closes once they are; this copy is simply ended.
        if (!c.tips) {
            EXPECT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
            EXPECT_TRUE(program.waitForFinished(30000));
        }
        EndProcess(program);
    }
}

} // namespace
