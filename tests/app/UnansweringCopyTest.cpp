#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/CaseNames.h"
#include "tests/ProgramCopies.h"
#include "tests/ProgramFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace windows = platform::windows;

namespace {

const QString Title = QStringLiteral("Marrowin Vellicor");
constexpr unsigned WM_NULL = 0;

// Copies of the real program started on one program folder, each with its file, while the copy that runs
// before them does not answer: stopped (as a long command holds it), killed on the way, or a listener that
// takes every connection and never says a word.
class UnansweringCopy : public testing::Test {
protected:
    void SetUp() override
    {
        folder.root.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n[setting_common]\r\nmax_magazine=30\r\n");
        // As a program folder is once a copy has run there.
        QDir().mkpath(folder.path("tmp"));
    }

    void TearDown() override
    {
        for (auto &copy : copies) {
            if (copy->state() != QProcess::NotRunning)
                ::kill(pid_t(copy->processId()), SIGCONT);
            EndProcess(*copy);
        }
    }

    QProcess &startCopy(const QStringList &arguments = {})
    {
        QProcess &copy = *copies.emplace_back(std::make_unique<QProcess>());
        folder.start(copy, arguments);
        return copy;
    }

    // Starts the copy that runs before the others, without a file, and waits until it is up: its main
    // window answers, so its start is over, and with it its turn of the starts. Its main window; 0 when it
    // did not come up.
    windows::Handle startRunningCopy()
    {
        const windows::Handle window = WaitForCopyWindow(startCopy());
        return window != 0 && windows::SendMessage(window, WM_NULL, 0, 0) ? window : 0;
    }

    // The title of the copy's window numbered `number` (its application window is the first, its main window
    // the second). Read from the table without asking any copy: a stopped copy keeps every connection made
    // to it, and a test that looked through the table time and again would fill its queue, which the starts
    // alone do not.
    static QString TitleOf(const QProcess &copy, int number)
    {
        return windows::GetWindowText(windows::Handle(copy.processId() * 256 + number));
    }

    // Whether the copy's main window names a document.
    static bool ShowsDocument(const QProcess &copy)
    {
        const QString title = TitleOf(copy, 2);
        return title != Title && title.endsWith(" - " + Title);
    }

    // Closes the copy as the window system asks and returns the files it had opened, as its exit wrote them
    // into the recent files, oldest first. The copies share the program folder, so they are closed one at a
    // time; each read the recent files when it started, before any copy had ended.
    QStringList CloseAndReadRecentFiles(QProcess &copy)
    {
        const windows::Handle window = WaitForCopyWindow(copy);
        EXPECT_NE(window, 0);
        EXPECT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
        EXPECT_TRUE(copy.waitForFinished(60000));
        EXPECT_EQ(copy.exitCode(), 0);
        return folder.recentFiles();
    }

    ProgramFolder folder;
    const ScopedEnvironment table = folder.useWindowTable();
    std::vector<std::unique_ptr<QProcess>> copies;
};

// What became of one start: it ended, having handed its file over, or it came up as a first copy whose
// window names a document (the first one it opens is its own file).
struct StartWatch {
    QProcess *process;
    QString file;
    double seconds = -1;
    bool ownWindow = false;
    bool done() const { return seconds >= 0; }
};

struct Stop {
    const char *name;
    int seconds;
    // The stop outlasts a start's patience: no start may wait for the copy to go on.
    bool outlastsPatience;
};

void PrintTo(const Stop &stop, std::ostream *out)
{
    casenames::Print(out, stop.name, stop.seconds);
}

class StoppedRunningCopy : public UnansweringCopy, public testing::WithParamInterface<Stop> {};

// Five copies start with a file each while the running copy is stopped. Each file ends up open exactly
// once: in the running copy once it answers, or in a new first copy; no copy is left without a window.
TEST_P(StoppedRunningCopy, EveryStartsFileOpensExactlyOnce)
{
    const Stop stop = GetParam();
    const windows::Handle runningWindow = startRunningCopy();
    ASSERT_NE(runningWindow, 0);
    QProcess &running = *copies.front();
    std::vector<StartWatch> starts;
    QStringList files;
    for (int i = 1; i <= 5; ++i)
        files.append(folder.root.write(QStringLiteral("site/page%1.html").arg(i), "<p>"));

    ASSERT_EQ(::kill(pid_t(running.processId()), SIGSTOP), 0);
    QElapsedTimer clock;
    clock.start();
    for (const QString &file : files)
        starts.push_back({&startCopy({file}), file});

    const QDeadlineTimer deadline((stop.seconds + 90) * 1000);
    bool resumed = false;
    auto allDone = [&] {
        for (const StartWatch &start : starts)
            if (!start.done())
                return false;
        return true;
    };
    while (!(resumed && allDone()) && !deadline.hasExpired()) {
        if (!resumed && clock.elapsed() >= stop.seconds * 1000) {
            ASSERT_EQ(::kill(pid_t(running.processId()), SIGCONT), 0);
            resumed = true;
        }
        for (StartWatch &start : starts) {
            if (start.done())
                continue;
            const bool ended = start.process->state() == QProcess::NotRunning || start.process->waitForFinished(1);
            if (ended || ShowsDocument(*start.process)) {
                start.seconds = clock.elapsed() / 1000.0;
                start.ownWindow = !ended;
            }
        }
        QThread::msleep(50);
    }
    ASSERT_TRUE(allDone()) << "a start neither ended nor came up with its file";
    // Whatever the running copy took while it was stopped it has carried out once it answers again.
    ASSERT_TRUE(windows::SendMessage(runningWindow, WM_NULL, 0, 0));

    for (const StartWatch &start : starts) {
        if (start.ownWindow) {
            EXPECT_EQ(start.process->state(), QProcess::Running) << start.file.toStdString();
            EXPECT_TRUE(windows::SendMessage(WaitForCopyWindow(*start.process), WM_NULL, 0, 0))
                << "a copy left running has a main window that answers";
        } else {
            EXPECT_EQ(start.process->exitStatus(), QProcess::NormalExit) << start.file.toStdString();
            EXPECT_EQ(start.process->exitCode(), 0) << start.file.toStdString();
        }
        if (stop.outlastsPatience) {
            EXPECT_LT(start.seconds, stop.seconds) << start.file.toStdString() << " waited for the stopped copy";
        }
    }

    // Every copy that runs, the stopped one first, with the files it opened.
    QMap<QString, QStringList> openedIn;
    QStringList figures;
    auto close = [&](QProcess &copy, const QString &name) {
        const QStringList opened = CloseAndReadRecentFiles(copy);
        for (const QString &file : opened)
            openedIn[file].append(name);
        figures.append(QStringLiteral("%1: %2 file(s)").arg(name).arg(opened.size()));
    };
    close(running, "the stopped copy");
    int firstCopies = 0;
    for (size_t i = 0; i < starts.size(); ++i) {
        if (starts[i].ownWindow) {
            ++firstCopies;
            close(*starts[i].process, QStringLiteral("start %1's copy").arg(i + 1));
        }
    }
    for (const QString &file : files) {
        EXPECT_EQ(openedIn.value(file).size(), 1)
            << file.toStdString() << " is open in: " << openedIn.value(file).join(", ").toStdString();
    }
    if (!stop.outlastsPatience) {
        EXPECT_EQ(firstCopies, 0) << "a copy that answers in time takes every file";
    }

    std::cout << "Stopped " << stop.seconds << " s; " << firstCopies << " new first copies; "
              << figures.join("; ").toStdString() << "\n";
    for (size_t i = 0; i < starts.size(); ++i)
        std::cout << "  start " << i + 1 << ": " << (starts[i].ownWindow ? "its own window with its file" : "handed over")
                  << " after " << starts[i].seconds << " s\n";
}

INSTANTIATE_TEST_SUITE_P(, StoppedRunningCopy,
                         testing::Values(Stop{"For45Seconds", 45, true}, Stop{"For3Seconds", 3, false}),
                         casenames::Named(&Stop::name));

// A socket at `path` that takes every connection and never answers, and holds each until it goes.
class SilentListener {
public:
    explicit SilentListener(const QString &path)
    {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), std::min(size_t(name.size()), sizeof address.sun_path - 1));
        listening_ = ::bind(fd_, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
                     ::listen(fd_, 64) == 0;
        thread_ = std::thread([this] {
            while (true) {
                const int connection = ::accept(fd_, nullptr, nullptr);
                if (connection >= 0) {
                    held_.push_back(connection);
                    ++accepted_;
                } else if (errno != EINTR) {
                    return;
                }
            }
        });
    }
    ~SilentListener()
    {
        ::shutdown(fd_, SHUT_RDWR);
        thread_.join();
        ::close(fd_);
        for (const int connection : held_)
            ::close(connection);
    }
    bool listening() const { return listening_; }
    int accepted() const { return accepted_; }

private:
    int fd_ = -1;
    bool listening_ = false;
    std::atomic<int> accepted_ = 0;
    std::vector<int> held_;
    std::thread thread_;
};

// The table lists a copy whose socket takes the connection and never answers. The start gives up on it
// and comes up with its file itself, within about 15 seconds.
TEST_F(UnansweringCopy, AStartWhoseRunningCopyNeverAnswersComesUpWithItsFileItself)
{
    const QString page = folder.root.write("page.html", "<p>");
    QProcess holder;
    holder.start("sleep", {"300"});
    ASSERT_TRUE(holder.waitForStarted());
    const qint64 pid = holder.processId();
    folder.listWindow(pid, Title);
    const SilentListener listener(folder.path(QStringLiteral(".windows/%1.sock").arg(pid)));
    ASSERT_TRUE(listener.listening());

    QElapsedTimer clock;
    clock.start();
    QProcess &start = startCopy({page});
    const windows::Handle window = WaitForCopyWindow(
        start, [](const windows::WindowEntry &entry) { return entry.title == "page.html - " + Title; }, 180000);
    const double seconds = clock.elapsed() / 1000.0;
    ASSERT_NE(window, 0) << "the start came up with its file";
    std::cout << "A start against a listener that never answers reached its window with its file in " << seconds
              << " s (" << listener.accepted() << " connections taken)\n";
    EXPECT_LE(seconds, 15.0);
    EXPECT_GT(listener.accepted(), 0) << "the start asked the listed copy first";
    EXPECT_EQ(CloseAndReadRecentFiles(start), QStringList{page});
    holder.kill();
    holder.waitForFinished();
}

// The running copy is stopped while a start asks it, and killed then: the start opens its file itself as
// soon as the copy is gone, not only once its patience has run out.
TEST_F(UnansweringCopy, AStartWhoseRunningCopyIsKilledMeanwhileOpensItsFileItself)
{
    const QString page = folder.root.write("page.html", "<p>");
    ASSERT_NE(startRunningCopy(), 0);
    QProcess &running = *copies.front();
    ASSERT_EQ(::kill(pid_t(running.processId()), SIGSTOP), 0);

    QElapsedTimer clock;
    clock.start();
    QProcess &start = startCopy({page});
    // Its application window is listed as it begins to look for the running copy.
    const QDeadlineTimer asking(30000);
    while (TitleOf(start, 1).isEmpty() && !asking.hasExpired())
        QThread::msleep(20);
    ASSERT_EQ(TitleOf(start, 1), Title);
    QThread::msleep(1000);
    ASSERT_EQ(start.state(), QProcess::Running) << "the start still waits for the stopped copy";
    ::kill(pid_t(running.processId()), SIGKILL);
    ASSERT_TRUE(running.waitForFinished(10000));
    const double killedAt = clock.elapsed() / 1000.0;

    ASSERT_NE(WaitForCopyTitle(start, "page.html - " + Title), 0) << "the start came up with its file";
    const double seconds = clock.elapsed() / 1000.0;
    std::cout << "The running copy was killed " << killedAt << " s into a start, which reached its window with its file "
              << seconds << " s after it began\n";
    EXPECT_LT(seconds * 1000, mdlProgram::HandOverPatienceMs) << "it did not wait for a copy that had gone";
    EXPECT_EQ(CloseAndReadRecentFiles(start), QStringList{page});
}

} // namespace
