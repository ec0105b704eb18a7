// Saves a 100 MB Windows-1251 HTML page black box, as a user does: each run starts the real program with
// the page on its command line, waits for its window, types one character at the top of the page and
// presses Ctrl+S (real key events through the X server), and times from the key to the complete new file
// on the disk (the file's size is the new text's and it is another file, or the same one written again).
// The process's peak memory is read after the typing and again after the save. When geany is installed,
// the same is timed in geany, runs taken in turn, as the reference; geany is told that the page is
// Windows-1251, as it is. Every saved file is compared with the page and its typed character, byte for
// byte.
// Goals: the save's peak at most 1.05 x the peak before it; the time at most 0.6 x geany's.
// Run by hand on a display of its own:
//     xvfb-run -a build/bench/PageSaveBench [runs] [megabytes | a page file]
// (geany, xdotool and xwininfo: apt-get install geany xdotool x11-utils; a page of random Cyrillic words
// and tags: python3 make-bigpage.py OUT 100)
#include "bench/BlackBox.h"
#include "bench/LargePage.h"
#include "bench/Median.h"
#include "bench/ProgramCopy.h"
#include "tests/ProcessStatus.h"
#include "tests/ProgramCopies.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int WaitMs = 120000;

struct Run {
    double seconds = 0;
    qint64 peakBeforeSave = 0;
    qint64 peakAfterSave = 0;
    bool identical = false;
};

struct FileState {
    qint64 size = -1;
    ino_t inode = 0;
    qint64 modified = 0;
    bool operator==(const FileState &) const = default;
};

FileState StateOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {qint64(info.st_size), info.st_ino, qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// Starts `program`, waits for `shown`, types a character into the window titled `titlePattern` and saves;
// false when a step never happens.
bool TimeSave(const QString &program, const QStringList &arguments, const std::function<bool()> &shown,
              const QString &titlePattern, const QString &page, const QByteArray &expected, Run &run)
{
    QProcess process;
    process.start(program, arguments);
    QElapsedTimer timer;
    timer.start();
    bool ok = false;
    while (!(ok = shown()) && timer.elapsed() < WaitMs && process.state() != QProcess::NotRunning)
        QThread::msleep(5);
    QByteArray window;
    if (ok) {
        WaitUntilIdle(process.processId());
        window = XdotoolWindow({QStringLiteral("--name"), titlePattern});
        ok = !window.isEmpty();
    }
    if (ok) {
        Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(window)});
        Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+Home")});
        Xdotool({QStringLiteral("type"), QStringLiteral("x")});
        WaitUntilIdle(process.processId());
        run.peakBeforeSave = PeakBytes(process.processId());
        const FileState before = StateOf(page);
        timer.restart();
        Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+s")});
        FileState now;
        while (timer.elapsed() < WaitMs) {
            now = StateOf(page);
            if (now.size == expected.size() && !(now == before))
                break;
            QThread::usleep(200);
        }
        run.seconds = timer.nsecsElapsed() / 1e9;
        ok = now.size == expected.size() && !(now == before);
        WaitUntilIdle(process.processId());
        run.peakAfterSave = PeakBytes(process.processId());
        QFile saved(page);
        saved.open(QIODevice::ReadOnly);
        run.identical = saved.readAll() == expected;
    }
    EndProcess(process);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const QString pageSource = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        std::printf("needs a display and xdotool: xvfb-run -a %s\n", argv[0]);
        return 1;
    }

    const ProgramCopy scratch;
    const QString pageName = QStringLiteral("big.html");
    const QString page = scratch.filePath(pageName);
    QByteArray original;
    if (QFileInfo(pageSource).isFile()) {
        QFile source(pageSource);
        source.open(QIODevice::ReadOnly);
        original = source.readAll();
    } else {
        original = MakeLargePage((pageSource.isEmpty() ? 100 : pageSource.toLongLong()) * 1024 * 1024);
    }
    const QByteArray expected = "x" + original;
    const auto freshPage = [&] {
        QFile out(page);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(original);
    };

    const QString geany = QStandardPaths::findExecutable(QStringLiteral("geany"));
    const QString geanyConfig = MakeGeanyConfig(scratch.filePath(QStringLiteral("geany")), "WINDOWS-1251");
    const QString title = QStringLiteral("^big\\.html - ");

    std::vector<double> seconds, peakRatios, before, after, geanySeconds, geanyBefore, geanyAfter, ratios;
    int identical = 0, geanyIdentical = 0;
    for (int i = 0; i < runs; ++i) {
        freshPage();
        Run run;
        if (!TimeSave(scratch.executable(), {page}, [&] { return VellicorShows(pageName); }, title, page, expected,
                      run)) {
            std::printf("run %d: the program never saved the page\n", i + 1);
            continue;
        }
        seconds.push_back(run.seconds);
        before.push_back(double(run.peakBeforeSave));
        after.push_back(double(run.peakAfterSave));
        peakRatios.push_back(double(run.peakAfterSave) / double(run.peakBeforeSave));
        identical += run.identical;
        if (geany.isEmpty())
            continue;
        freshPage();
        Run reference;
        if (!TimeSave(geany, GeanyArguments(geanyConfig, page), [&] { return XWindowShows(pageName); }, title, page, expected, reference)) {
            std::printf("run %d: geany never saved the page\n", i + 1);
            continue;
        }
        geanySeconds.push_back(reference.seconds);
        geanyBefore.push_back(double(reference.peakBeforeSave));
        geanyAfter.push_back(double(reference.peakAfterSave));
        geanyIdentical += reference.identical;
        ratios.push_back(run.seconds / reference.seconds);
    }
    if (seconds.empty())
        return 1;
    const double mib = 1048576.0;
    std::printf("page: %.1f MiB; medians of %zu runs\n", original.size() / mib, seconds.size());
    std::printf("Vellicor: Ctrl+S to the complete file %.3f s; peak %.0f MiB before the save, %.0f MiB after: "
                "%.3f x (goal <= 1.05); %d of %zu saved files identical to the edited page\n",
                Median(seconds), Median(before) / mib, Median(after) / mib, Median(peakRatios), identical,
                seconds.size());
    if (geanySeconds.empty()) {
        std::printf("geany: not timed (it needs to be installed)\n");
        return 0;
    }
    std::printf("geany: Ctrl+S to the complete file %.3f s; peak %.0f MiB before the save, %.0f MiB after; "
                "%d of %zu saved files identical\n",
                Median(geanySeconds), Median(geanyBefore) / mib, Median(geanyAfter) / mib, geanyIdentical,
                geanySeconds.size());
    std::printf("Vellicor / geany, run by run: %.3f (goal <= 0.6)\n", Median(ratios));
    return 0;
}
