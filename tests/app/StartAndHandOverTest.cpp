#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/ProgramFolder.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace windows = platform::windows;

namespace {

// Runs copies of the real program on a program folder of their own, offscreen.
class StartAndHandOver : public testing::Test {
protected:
    void SetUp() override
    {
        runTable = qgetenv("VELLICOR_WINDOW_TABLE");
        qputenv("VELLICOR_WINDOW_TABLE", folder.windowTable().toUtf8());
    }
    void TearDown() override
    {
        for (QProcess *process : {&first, &second})
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        // Back to the run's own table, never the one that real copies of the program share.
        qputenv("VELLICOR_WINDOW_TABLE", runTable);
    }

    // Waits until a window of `process` is listed whose title passes `accept`; its handle, or 0.
    windows::Handle WaitForWindow(const QProcess &process, const std::function<bool(const QString &)> &accept)
    {
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            for (const windows::WindowEntry &entry : windows::EnumWindows())
                if (entry.handle / 256 == process.processId() && !entry.application && accept(entry.title))
                    return entry.handle;
            QThread::msleep(20);
        }
        return 0;
    }

    windows::Handle WaitForMainWindow(const QProcess &process)
    {
        return WaitForWindow(process, [](const QString &) { return true; });
    }

    windows::Handle WaitForTitle(const QProcess &process, const QString &title)
    {
        return WaitForWindow(process, [&](const QString &t) { return t == title; });
    }

    void CloseAndWait(windows::Handle window)
    {
        ASSERT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
        ASSERT_TRUE(first.waitForFinished(30000));
        EXPECT_EQ(first.exitCode(), 0);
    }

    QString SettingIni() const { return QString::fromUtf8(folder.root.read("setting.ini")); }

    ProgramFolder folder;
    QByteArray runTable;
    QProcess first;
    QProcess second;
};

const QString Title = QStringLiteral("Marrowin Vellicor");

TEST_F(StartAndHandOver, AStartAndACloseLeaveBothSettingFilesWritten)
{
    folder.start(first);
    const windows::Handle window = WaitForMainWindow(first);
    ASSERT_NE(window, 0);
    folder.root.write("tmp/~1~new.html", "copy");
    folder.root.write("tmp/advice.htm", "page");
    folder.root.write("tmp/keep.txt", "mine");
    folder.root.write("tmp/send.txt", "");

    CloseAndWait(window);
    EXPECT_TRUE(SettingIni().startsWith("[open_file]\r\n\r\n[start_program]\r\n"));
    EXPECT_EQ(folder.root.read("user.ini"), QByteArray("start_count=1\r\nupdated=False\r\nviewform=True"));
    EXPECT_FALSE(QFile::exists(folder.path("tmp/~1~new.html")));
    EXPECT_FALSE(QFile::exists(folder.path("tmp/advice.htm")));
    EXPECT_TRUE(QFile::exists(folder.path("tmp/keep.txt")));
    EXPECT_TRUE(QFile::exists(folder.path("tmp/send.txt")));
}

TEST_F(StartAndHandOver, ASecondCopyHandsItsFileToTheRunningOneAndEnds)
{
    const QString page = folder.root.write("site/главная страница.html", "<html>\xcf\xf0\xe8\xe2\xe5\xf2</html>");
    const QString other = folder.root.write("site/other.html", "<p>");
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    folder.start(first);
    ASSERT_NE(WaitForTitle(first, Title), 0);

    // A quoted path, relative to the second copy's current folder.
    second.setWorkingDirectory(folder.path("site"));
    second.setProcessEnvironment(folder.environment());
    second.start(folder.executable(), {"\"главная страница.html\""});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_NE(WaitForTitle(first, "главная страница.html - " + Title), 0);
    EXPECT_EQ(folder.root.read("tmp/send.txt"), QByteArray());

    folder.start(second, {other});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_NE(WaitForTitle(first, "other.html - " + Title), 0);

    // Already open: activated, not opened again and not moved in the recent files.
    folder.start(second, {page});
    ASSERT_TRUE(second.waitForFinished(30000));
    const windows::Handle window = WaitForTitle(first, "главная страница.html - " + Title);
    ASSERT_NE(window, 0);

    CloseAndWait(window);
    const QString ini = SettingIni();
    EXPECT_TRUE(ini.startsWith("[open_file]\r\nfile=" + page + "\r\nfile=" + other + "\r\n\r\n")) << ini.toStdString();
}

TEST_F(StartAndHandOver, ASecondCopyWithoutAFileOnlyActivatesTheRunningOne)
{
    folder.start(first);
    const windows::Handle window = WaitForMainWindow(first);
    ASSERT_NE(window, 0);
    folder.start(second, {"/no/such/file.html"});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folder.path("tmp/send.txt")));
    CloseAndWait(window);
}

} // namespace
