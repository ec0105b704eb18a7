#include "app/core/mdlProgram.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileLimit.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/windows/WindowTable.h"

#include "tests/CaseNames.h"
#include "tests/LoadedProgram.h"
#include "tests/ProgramCopies.h"
#include "tests/ProgramDriver.h"
#include "tests/ProgramFolder.h"
#include "tests/ScopedEnvironment.h"
#include "tests/SmallFileSystem.h"
#include "tests/SparseFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace dialogs = platform::dialogs;
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
        if (loadedHere) {
            UnloadProgramWindows();
            dialogs::SetMessageBoxHook(nullptr);
            platform::application::SetPath(QString());
        }
        for (QProcess *process : {&first, &second, &third})
            EndProcess(*process);
        // Back to the run's own table, never the one that real copies of the program share.
        qputenv("VELLICOR_WINDOW_TABLE", runTable);
    }

    void CloseAndWait(windows::Handle window, QProcess &copy)
    {
        ASSERT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
        ASSERT_TRUE(copy.waitForFinished(30000));
        EXPECT_EQ(copy.exitCode(), 0);
    }
    void CloseAndWait(windows::Handle window) { CloseAndWait(window, first); }

    QString SettingIni() const { return QString::fromUtf8(folder.root.read("setting.ini")); }

    // Whether the test runs the program's windows in this process.
    bool loadedHere = false;
    ProgramFolder folder;
    QByteArray runTable;
    QProcess first;
    QProcess second;
    QProcess third;
};

const QString Title = QStringLiteral("Marrowin Vellicor");

// Whether `holds` comes true while this process serves its events, within five seconds.
bool Eventually(const std::function<bool()> &holds)
{
    const QDeadlineTimer deadline(5000);
    while (!holds() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return holds();
}

TEST_F(StartAndHandOver, AStartAndACloseLeaveBothSettingFilesWritten)
{
    folder.start(first);
    const windows::Handle window = WaitForCopyWindow(first);
    ASSERT_NE(window, 0);
    folder.root.write("tmp/~1~new.html", "copy");
    folder.root.write("tmp/advice.htm", "page");
    folder.root.write("tmp/keep.txt", "mine");

    CloseAndWait(window);
    EXPECT_TRUE(SettingIni().startsWith("[open_file]\r\n\r\n[start_program]\r\n"));
    EXPECT_EQ(folder.root.read("user.ini"), QByteArray("start_count=1\r\nupdated=False\r\nviewform=True"));
    EXPECT_FALSE(QFile::exists(folder.path("tmp/~1~new.html")));
    EXPECT_FALSE(QFile::exists(folder.path("tmp/advice.htm")));
    EXPECT_TRUE(QFile::exists(folder.path("tmp/keep.txt")));
}

TEST_F(StartAndHandOver, ASecondCopyHandsItsFileToTheRunningOneAndEnds)
{
    const QString page = folder.root.write("site/главная страница.html", "<html>\xcf\xf0\xe8\xe2\xe5\xf2</html>");
    const QString other = folder.root.write("site/other.html", "<p>");
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    folder.start(first);
    ASSERT_NE(WaitForCopyTitle(first, Title), 0);

    // A quoted path, relative to the second copy's current folder.
    second.setWorkingDirectory(folder.path("site"));
    second.setProcessEnvironment(folder.environment());
    second.start(folder.executable(), {"\"главная страница.html\""});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_NE(WaitForCopyTitle(first, "главная страница.html - " + Title), 0);

    folder.start(second, {other});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_NE(WaitForCopyTitle(first, "other.html - " + Title), 0);

    // Already open: activated, not opened again and not moved in the recent files.
    folder.start(second, {page});
    ASSERT_TRUE(second.waitForFinished(30000));
    const windows::Handle window = WaitForCopyTitle(first, "главная страница.html - " + Title);
    ASSERT_NE(window, 0);

    CloseAndWait(window);
    const QString ini = SettingIni();
    EXPECT_TRUE(ini.startsWith("[open_file]\r\nfile=" + page + "\r\nfile=" + other + "\r\n\r\n")) << ini.toStdString();
}

// The running copy is this process, whose main window the second start must bring to the front: from
// behind another window of its copy, and out of the minimised state.
TEST_F(StartAndHandOver, ASecondCopyWithoutAFileOnlyActivatesTheRunningOne)
{
    // Windows of this process are served on the run's own table, which they were first listed in.
    qputenv("VELLICOR_WINDOW_TABLE", runTable);
    platform::application::SetPath(folder.path());
    dialogs::SetMessageBoxHook([](const dialogs::MessageBoxCall &) { return int(dialogs::vbOK); });
    loadedHere = true;
    frmMain *main = LoadProgramWindows();
    struct Case {
        const char *name;
        bool minimised;
    } cases[] = {{"behind another window of its copy", false}, {"minimised", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget other;
        other.resize(200, 100);
        other.show();
        other.activateWindow();
        ASSERT_TRUE(Eventually([&] { return other.isActiveWindow(); }));
        if (c.minimised) {
            main->showMinimized();
            ASSERT_TRUE(Eventually([&] { return main->isMinimized(); }));
        }
        ASSERT_FALSE(main->isActiveWindow());

        QProcessEnvironment environment = folder.environment();
        environment.insert("VELLICOR_WINDOW_TABLE", windows::TableFolder());
        second.setProcessEnvironment(environment);
        second.setWorkingDirectory(folder.path());
        second.start(folder.executable(), {"/no/such/file.html"});
        ServeUntilFinished(second);
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_TRUE(Eventually([&] { return main->isActiveWindow(); })) << "the running copy was activated";
        EXPECT_FALSE(main->isMinimized());
        EXPECT_EQ(mdlFile::DocumentCount(), 0) << "nothing was handed over";
    }
}

// The paths travel with the hand-over's message, so a full disk under tmp/ does not keep them from the
// running copy.
TEST_F(StartAndHandOver, ASecondCopyHandsItsFileOverAlsoWhenTmpIsFull)
{
    const SmallFileSystem disk(64);
    if (!disk.ok())
        GTEST_SKIP() << "mounting a small file system needs root, as the test machines run";
    ASSERT_TRUE(QDir().mkpath(disk.path("tmp")));
    QFile filler(disk.path("tmp/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    filler.write(QByteArray(128 * 1024, 'x'));
    filler.close();
    ASSERT_TRUE(QDir(folder.path("tmp")).removeRecursively());
    ASSERT_TRUE(QFile::link(disk.path("tmp"), folder.path("tmp")));
    const QString page = folder.root.write("page.txt", "text");
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");

    folder.start(first);
    ASSERT_NE(WaitForCopyTitle(first, Title), 0);
    folder.start(second, {page});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0) << "the second copy handed its file over and ended";
    const windows::Handle window = WaitForCopyTitle(first, "page.txt - " + Title);
    ASSERT_NE(window, 0) << "the running copy opened it";
    CloseAndWait(window);
}

// A file manager's "open with" on several files gives each as an argument of its own: each opens, in
// order, in a first copy as in the copy that runs already, and a path with blanks is one path.
struct SeveralFiles {
    const char *name;
    bool copyRuns;
};

void PrintTo(const SeveralFiles &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class StartWithSeveralFiles : public StartAndHandOver, public testing::WithParamInterface<SeveralFiles> {};

TEST_P(StartWithSeveralFiles, EachFileOpensInOrder)
{
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=True\r\nnew_file=1\r\n");
    const QString one = folder.root.write("a/one.html", "<p>1</p>");
    const QString two = folder.root.write("a/две страницы.html", "<p>2</p>");
    if (GetParam().copyRuns) {
        folder.start(first);
        ASSERT_NE(WaitForCopyWindow(first), 0);
        folder.start(second, {one, two});
        ASSERT_TRUE(second.waitForFinished(30000));
        EXPECT_EQ(second.exitCode(), 0) << "the second copy handed both over and ended";
    } else {
        folder.start(first, {one, two});
    }
    const windows::Handle window = WaitForCopyTitle(first, "две страницы.html - " + Title);
    ASSERT_NE(window, 0) << "the last file is the active document";
    CloseAndWait(window);
    EXPECT_EQ(folder.recentFiles(), QStringList({one, two}));
}

INSTANTIATE_TEST_SUITE_P(, StartWithSeveralFiles,
                         testing::Values(SeveralFiles{"InAFirstCopy", false}, SeveralFiles{"ThroughTheCopyThatRuns", true}),
                         casenames::Named(&SeveralFiles::name));

// A first copy whose command line names a file too large to open, laid out sparse: before any of it is
// read, the copy says so in a message box on its screen, and once the user has answered, the start goes on
// to its window, with the file after it open or else with the new document the settings ask for.
struct TooLargeOnTheCommandLine {
    const char *name;
    bool pageAfter;
    const char *activeDocument;
};

void PrintTo(const TooLargeOnTheCommandLine &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class StartWithATooLargeFile : public StartAndHandOver,
                               public testing::WithParamInterface<TooLargeOnTheCommandLine> {};

TEST_P(StartWithATooLargeFile, TheFileIsRefusedAndTheStartGoesOnToItsWindow)
{
    constexpr qint64 size = qint64(2) << 30;
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=True\r\nnew_file=1\r\n");
    const QString big = WriteSparse(folder.root, "site/big.html", size);
    ASSERT_FALSE(big.isEmpty());
    QStringList arguments{big};
    if (GetParam().pageAfter)
        arguments << folder.root.write("site/page.html", "<p>");
    QProcessEnvironment environment = folder.environment();
    ProgramDriver user(folder.path(".driver"));
    user.AddTo(environment);
    first.setProcessEnvironment(environment);
    first.setWorkingDirectory(folder.path());
    first.start(folder.executable(), arguments);

    const QList<ProgramDriver::Box> boxes = user.WaitForBoxes(30000);
    ASSERT_EQ(boxes.size(), 1) << "no message: " << user.problem.toStdString();
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_EQ(boxes[0].text, mdlFile::TooLargeMessage(big, size));
    ASSERT_TRUE(user.Click(QStringLiteral("ОК"))) << user.problem.toStdString();
    const windows::Handle window = WaitForCopyTitle(first, GetParam().activeDocument + QStringLiteral(" - ") + Title);
    ASSERT_NE(window, 0) << "the start went on to its window";
    CloseAndWait(window);
    EXPECT_EQ(folder.recentFiles(), arguments.mid(1)) << "a refused file is not a recent file";
}

INSTANTIATE_TEST_SUITE_P(, StartWithATooLargeFile,
                         testing::Values(TooLargeOnTheCommandLine{"AsItsOnlyFile", false, "new1.html"},
                                         TooLargeOnTheCommandLine{"BeforeAPage", true, "page.html"}),
                         casenames::Named(&TooLargeOnTheCommandLine::name));

// A FIFO, a device and a folder among the arguments of a first copy: none holds the start up, and the file
// after them opens. The copy then tells about them in a message box, which a real copy keeps on screen.
TEST_F(StartAndHandOver, WhatIsNoFileDoesNotHoldUpAFirstCopysStart)
{
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=True\r\nnew_file=1\r\n");
    const QString fifo = folder.path("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString page = folder.root.write("a/page.html", "<p>");
    folder.start(first, {fifo, "/dev/zero", folder.path("a"), page});
    EXPECT_NE(WaitForCopyTitle(first, "page.html - " + Title), 0);
}

// Leaves a socket file at `path` that nobody listens on, as a copy that was killed leaves its socket.
void LeaveDeadSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(size_t(name.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
}

// A list left by a copy that ended without unlisting names a process id that another process, here a
// sleeping one, has been given since. That process takes no connection on the copy's socket: it is no
// running copy, and a start goes on as a first copy and opens its file.
TEST_F(StartAndHandOver, AListedProcessThatTakesNoConnectionIsNoRunningCopy)
{
    const QString page = folder.root.write("page.html", "<p>");
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    struct Case {
        const char *name;
        bool socketLeft;
    } cases[] = {{"its socket is gone", false}, {"its socket is left and nobody listens", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QProcess sleeper;
        sleeper.start("sleep", {"60"});
        ASSERT_TRUE(sleeper.waitForStarted());
        const qint64 pid = sleeper.processId();
        folder.listWindow(pid, "page.html - " + Title);
        if (c.socketLeft)
            LeaveDeadSocket(folder.path(QStringLiteral(".windows/%1.sock").arg(pid)));

        folder.start(first, {page});
        const windows::Handle window = WaitForCopyTitle(first, "page.html - " + Title);
        ASSERT_NE(window, 0) << "the start reached its main window with the file open";
        CloseAndWait(window);
        sleeper.kill();
        sleeper.waitForFinished();
    }
}

// One window table for each display. A copy started on another display opens its file in a window of its
// own; one started on the same display (another screen of it) hands its file over.
TEST_F(StartAndHandOver, ACopyHandsItsFileOnlyToACopyOnItsOwnDisplay)
{
    const QString page = folder.root.write("page.html", "<p>");
    const QString other = folder.root.write("other.html", "<p>");
    folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    const TempFolder runtime;
    const QByteArray runtimePath = QFile::encodeName(runtime.path());
    auto start = [&](QProcess &copy, const char *display, const QStringList &arguments) {
        QProcessEnvironment environment = folder.environment();
        environment.remove("VELLICOR_WINDOW_TABLE");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("DISPLAY", display);
        copy.setProcessEnvironment(environment);
        copy.setWorkingDirectory(folder.path());
        copy.start(folder.executable(), arguments);
    };
    // This process looks into the table of a display as a copy on that display names it.
    auto lookAt = [&](const char *display) {
        QString table;
        {
            const ScopedEnvironment onDisplay({{"VELLICOR_WINDOW_TABLE", nullptr}, {"WAYLAND_DISPLAY", nullptr},
                                               {"XDG_RUNTIME_DIR", runtimePath.constData()}, {"DISPLAY", display}});
            table = windows::TableFolder();
        }
        qputenv("VELLICOR_WINDOW_TABLE", table.toUtf8());
    };

    start(first, ":71", {});
    lookAt(":71");
    const windows::Handle firstWindow = WaitForCopyWindow(first);
    ASSERT_NE(firstWindow, 0);

    start(second, ":72", {other});
    lookAt(":72");
    const windows::Handle secondWindow = WaitForCopyTitle(second, "other.html - " + Title);
    ASSERT_NE(secondWindow, 0) << "the copy on the other display runs with its file";

    start(third, ":71.0", {page});
    ASSERT_TRUE(third.waitForFinished(30000));
    EXPECT_EQ(third.exitCode(), 0);
    lookAt(":71");
    EXPECT_NE(WaitForCopyTitle(first, "page.html - " + Title), 0) << "handed over on its own display";

    CloseAndWait(firstWindow);
    lookAt(":72");
    CloseAndWait(secondWindow, second);
}

} // namespace
