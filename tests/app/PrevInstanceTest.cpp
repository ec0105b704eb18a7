#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"
#include "tests/LoadedProgram.h"
#include "tests/ProgramCopies.h"
#include "tests/ProgramFolder.h"

#include <QApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

namespace windows = platform::windows;

namespace {

const QString Title = QStringLiteral("Marrowin Vellicor");

// Copies of the real program that share this process's window table, so that this process meets them
// as another copy of the program does. The table lists windows process by process, a later process after
// an earlier one: the starting copy's own application window comes after the running copy's main window
// when the copy starts and this process runs, and before it when this process starts and the copy runs.
QProcessEnvironment SharedTableEnvironment(const ProgramFolder &folder)
{
    QProcessEnvironment environment = folder.environment();
    environment.insert("VELLICOR_WINDOW_TABLE", windows::TableFolder());
    return environment;
}

void StartCopy(QProcess &process, const ProgramFolder &folder, const QStringList &arguments = {})
{
    process.setProcessEnvironment(SharedTableEnvironment(folder));
    process.setWorkingDirectory(folder.path());
    process.start(folder.executable(), arguments);
    process.waitForStarted();
}

// This process starts while a copy with a page open runs: it finds that copy's main window, whose title
// holds the program's title after the page's name.
TEST(PrevInstance, AStartingCopyFindsTheRunningCopysMainWindowAndNeverItsOwn)
{
    ProgramFolder folder;
    const QString page = folder.root.write("page.html", "<p>");
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    QProcess running;
    StartCopy(running, folder, {page});
    const QString runningTitle = "page.html - " + Title;
    const windows::Handle runningWindow = WaitForCopyTitle(running, runningTitle);
    ASSERT_NE(runningWindow, 0);

    struct Case {
        const char *title;
        bool found;
    } cases[] = {
        {"Marrowin Vellicor", true},
        {"mARROWIN vELLICOR", true},        // letter case does not count
        {"Marrowin Vellicor 2", false},     // the running copy's title is only a part of it
    };
    for (const Case &c : cases) {
        // As the start does: this copy's application window bears the title it looks for.
        const windows::Handle own = windows::RegisterApplicationWindow(c.title);
        mdlProgram::PrevInstanceWnd = -1;
        EXPECT_EQ(mdlProgram::FindPrevInstance(c.title), c.found) << c.title;
        EXPECT_EQ(mdlProgram::PrevInstanceWnd, c.found ? runningWindow : 0) << c.title;
        EXPECT_EQ(mdlProgram::PrevInstanceTitle, c.found ? runningTitle : QString()) << c.title;
        EXPECT_TRUE(mdlProgram::WindowTitles.contains(c.title)) << "its own window is listed too";
        windows::UnregisterWindow(own);
    }
    EndProcess(running);
}

// This process runs with its main window in the given state; a copy started without a file brings it
// back when it is minimised and leaves it as it is otherwise.
class PrevInstanceRunning : public LoadedProgram {
protected:
    void TearDown() override
    {
        EndProcess(second);
        LoadedProgram::TearDown();
    }

    // Serves the starting copy's questions while it runs.
    void RunSecondCopy()
    {
        StartCopy(second, copyFolder);
        ServeUntilFinished(second);
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    ProgramFolder copyFolder;
    QProcess second;
};

TEST_F(PrevInstanceRunning, ASecondStartRestoresAMinimisedCopyAndKeepsAnyOtherState)
{
    struct Case {
        const char *name;
        std::function<void(QWidget &)> set;
        Qt::WindowState after;
    } cases[] = {
        {"minimised", [](QWidget &w) { w.showMinimized(); }, Qt::WindowNoState},
        {"maximised", [](QWidget &w) { w.showMaximized(); }, Qt::WindowMaximized},
        {"normal", [](QWidget &w) { w.showNormal(); }, Qt::WindowNoState},
    };
    for (const Case &c : cases) {
        main()->showNormal();
        c.set(*main());
        QApplication::processEvents();
        RunSecondCopy();
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(second.exitCode(), 0) << c.name;
        EXPECT_EQ(main()->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), c.after) << c.name;
        EXPECT_TRUE(main()->isVisible()) << c.name;
    }
}

} // namespace
