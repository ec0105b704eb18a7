// Opens a 100 MB Windows-1251 HTML page black box, as a user does: each run starts the real program with
// the page on its command line and times it until its main window shows the page and answers a message;
// the peak memory of that process is read before it is closed. When geany is installed and a display is
// there, the same page is timed in geany, runs taken in turn, from its start until a window titled with
// the page's name is listed, as the reference; geany is told that the page is Windows-1251, as it is.
// Goals: at most 0.35 of geany's time; peak memory at most 3 x the file. The open timed inside the
// process, and the first Ctrl+End, are DocumentOpenBench.
// Run by hand on a display of its own: xvfb-run -a build/bench/PageOpenBench [runs] [megabytes]
// (geany and xwininfo, which finds its window: apt-get install geany x11-utils)
#include "bench/LargePage.h"
#include "bench/ProgramCopy.h"
#include "platform/windows/WindowTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int WaitMs = 120000;

struct Run {
    double seconds = 0;
    qint64 peakBytes = 0;
};

// The most memory the process has held so far.
qint64 PeakOf(qint64 processId)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(processId));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

// Starts `program` and waits until `shown` says its window shows the page; false when it never does.
bool TimeOpen(const QString &program, const QStringList &arguments, const std::function<bool()> &shown,
              Run &run)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    bool done = false;
    while (!(done = shown()) && timer.elapsed() < WaitMs && process.state() != QProcess::NotRunning)
        QThread::msleep(1);
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.peakBytes = PeakOf(process.processId());
    process.kill();
    process.waitForFinished();
    return done;
}

// The main window of the program, once its title names the page and its event loop answers.
bool VellicorShows(const QString &pageName)
{
    for (const platform::windows::WindowEntry &entry : platform::windows::EnumWindows())
        if (!entry.application && entry.title.startsWith(pageName + QStringLiteral(" - ")))
            return platform::windows::SendMessage(entry.handle, 0, 0, 0); // WM_NULL
    return false;
}

bool XWindowShows(const QString &pageName)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    xwininfo.waitForFinished();
    return xwininfo.readAllStandardOutput().contains(("\"" + pageName + " - ").toUtf8());
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const qint64 megabytes = argc > 2 ? QByteArray(argv[2]).toLongLong() : 100;

    const ProgramCopy scratch;
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");

    const QString pageName = QStringLiteral("big.html");
    const QString page = scratch.filePath(pageName);
    WriteLargePage(page, megabytes);
    const qint64 fileSize = QFileInfo(page).size();

    const QString geany = QStandardPaths::findExecutable(QStringLiteral("geany"));
    const bool withGeany = display && !geany.isEmpty();
    const QString geanyConfig = scratch.filePath(QStringLiteral("geany"));
    QDir().mkpath(geanyConfig);
    QFile geanyConf(geanyConfig + QStringLiteral("/geany.conf"));
    geanyConf.open(QIODevice::WriteOnly);
    geanyConf.write("[geany]\npref_editor_default_open_encoding=WINDOWS-1251\n");
    geanyConf.close();

    std::vector<double> seconds, peaks, geanySeconds, geanyPeaks, ratios;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!TimeOpen(scratch.executable(), {page}, [&] { return VellicorShows(pageName); }, run)) {
            std::printf("run %d: the program never showed the page\n", i + 1);
            continue;
        }
        seconds.push_back(run.seconds);
        peaks.push_back(double(run.peakBytes));
        if (!withGeany)
            continue;
        Run reference;
        const QStringList arguments = {QStringLiteral("-c"), geanyConfig, QStringLiteral("-i"), QStringLiteral("-p"),
                                       QStringLiteral("-s"), QStringLiteral("-t"), page};
        if (!TimeOpen(geany, arguments, [&] { return XWindowShows(pageName); }, reference)) {
            std::printf("run %d: geany never showed the page\n", i + 1);
            continue;
        }
        geanySeconds.push_back(reference.seconds);
        geanyPeaks.push_back(double(reference.peakBytes));
        ratios.push_back(run.seconds / reference.seconds);
    }
    if (seconds.empty())
        return 1;
    const double megabyte = 1048576.0;
    std::printf("page: %.1f MB; medians of %zu runs\n", fileSize / megabyte, seconds.size());
    std::printf("Vellicor: start to the page shown %.3f s; peak memory %.1f MB = %.2f x the file (goal <= 3 x)\n",
                Median(seconds), Median(peaks) / megabyte, Median(peaks) / fileSize);
    if (geanySeconds.empty()) {
        std::printf("geany: not timed (it needs to be installed and a display: run under xvfb-run)\n");
        return 0;
    }
    std::printf("geany: start to the page shown %.3f s; peak memory %.1f MB\n", Median(geanySeconds),
                Median(geanyPeaks) / megabyte);
    std::printf("Vellicor / geany, run by run: %.3f (goal <= 0.35)\n", Median(ratios));
    return 0;
}
