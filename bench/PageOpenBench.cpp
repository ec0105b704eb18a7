// Opens a 100 MB Windows-1251 HTML page black box, as a user does, beside geany: each run starts the real
// program with the page on its command line and times it until its main window shows the page and answers
// a message, reads the peak memory of the process, then presses Ctrl+End in the window and takes the
// processor time the program spends until it is idle again, the end painted. geany is timed the same way,
// runs taken in turn, from its start until a window titled with the page's name is listed; it is told that
// the page is Windows-1251, as it is. The start's own peak is that of a start with a small page.
// Goals: the open at most 0.30 of geany's time, run by run; the peak memory after the open at most 5 % over
// the editor control's floor (the text as UTF-8 and one style byte for each of its bytes) and the start's own
// peak together; the first Ctrl+End at most 0.05 s of processor time.
// Run by hand on a display of its own:
//   xvfb-run -a build/bench/PageOpenBench [runs] [megabytes] [page ...]
// The page of bench/LargePage.h is always timed; each page named after the megabytes is timed too, such as
// the one that ../shared/bench/make-bigpage.py OUT 100 writes (random Cyrillic words and tags).
// (geany, xwininfo and xdotool: apt-get install geany x11-utils xdotool)
#include "bench/BlackBox.h"
#include "bench/LargePage.h"
#include "bench/Median.h"
#include "bench/ProgramCopy.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/ProcessStatus.h"
#include "tests/ProgramCopies.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int WaitMs = 120000;
constexpr double MiB = 1048576.0;

struct Run {
    double seconds = 0;
    qint64 peakBytes = 0;
    // Processor seconds from Ctrl+End until the program is idle again; negative when not measured.
    double endSeconds = -1;
};

// Presses Ctrl+End in the process's window that shows `pageName`, once the process is idle; the processor
// time that the key costs it, or -1 when there is no such window.
double CtrlEndSeconds(qint64 processId, const QString &pageName)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return -1;
    // A window is listed before it is shown.
    QByteArray window;
    QElapsedTimer timer;
    timer.start();
    while (window.isEmpty() && timer.elapsed() < 20000) {
        window = XdotoolWindow({QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(processId),
                                QStringLiteral("--name"), QRegularExpression::escape(pageName)});
        QThread::msleep(20);
    }
    if (window.isEmpty())
        return -1;
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(window)});
    const double before = WaitUntilIdle(processId);
    Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+End")});
    return WaitUntilIdle(processId) - before;
}

// Starts `program` and waits until `shown` says its window shows the page; false when it never does. With
// `pageName` given, Ctrl+End is then pressed in that window.
bool TimeOpen(const QString &program, const QStringList &arguments, const std::function<bool()> &shown,
              const QString &pageName, Run &run)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    bool done = false;
    while (!(done = shown()) && timer.elapsed() < WaitMs && process.state() != QProcess::NotRunning)
        QThread::msleep(1);
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.peakBytes = PeakBytes(process.processId());
    if (done && !pageName.isEmpty())
        run.endSeconds = CtrlEndSeconds(process.processId(), pageName);
    EndProcess(process);
    return done;
}

struct Figures {
    std::vector<double> seconds, peaks, ends;
    void Add(const Run &run)
    {
        seconds.push_back(run.seconds);
        peaks.push_back(double(run.peakBytes));
        if (run.endSeconds >= 0)
            ends.push_back(run.endSeconds);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const qint64 megabytes = argc > 2 ? QByteArray(argv[2]).toLongLong() : 100;

    const ProgramCopy scratch;
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");

    QStringList pages = {scratch.filePath(QStringLiteral("big.html"))};
    WriteLargePage(pages.front(), megabytes);
    for (int i = 3; i < argc; ++i) {
        // Each page goes into the scratch folder under a name of its own, so that window titles tell them apart.
        const QString copy = scratch.filePath(QStringLiteral("page%1.html").arg(i - 2));
        QFile::copy(QString::fromLocal8Bit(argv[i]), copy);
        pages.append(copy);
    }
    const QString small = scratch.filePath(QStringLiteral("small.html"));
    {
        QFile out(small);
        out.open(QIODevice::WriteOnly);
        out.write(MakeLargePage(4096));
    }

    const QString geany = QStandardPaths::findExecutable(QStringLiteral("geany"));
    const bool withGeany = display && !geany.isEmpty();
    const QString geanyConfig = MakeGeanyConfig(scratch.filePath(QStringLiteral("geany")), "WINDOWS-1251");

    // The start's own peak: a start with a small page.
    Figures start;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (TimeOpen(scratch.executable(), {small}, [&] { return VellicorShows(QStringLiteral("small.html")); },
                     QString(), run))
            start.Add(run);
    }
    const double startPeak = Median(start.peaks);
    std::printf("start with a small page: %.3f s; its own peak memory %.1f MiB (medians of %zu runs)\n",
                Median(start.seconds), startPeak / MiB, start.seconds.size());

    bool met = true;
    for (const QString &page : pages) {
        const QString pageName = QFileInfo(page).fileName();
        QFile file(page);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        file.close();
        const qsizetype high = std::count_if(bytes.cbegin(), bytes.cend(), [](char c) { return c & 0x80; });
        const double floor = 2.0 * double(platform::text::AnsiUtf8Length(bytes));

        Figures vellicor, reference;
        std::vector<double> ratios;
        for (int i = 0; i < runs; ++i) {
            Run run;
            if (!TimeOpen(scratch.executable(), {page}, [&] { return VellicorShows(pageName); }, pageName, run)) {
                std::printf("run %d: the program never showed %s\n", i + 1, qPrintable(pageName));
                continue;
            }
            vellicor.Add(run);
            if (!withGeany)
                continue;
            Run other;
            if (!TimeOpen(geany, GeanyArguments(geanyConfig, page), [&] { return XWindowShows(pageName); }, pageName, other)) {
                std::printf("run %d: geany never showed %s\n", i + 1, qPrintable(pageName));
                continue;
            }
            reference.Add(other);
            ratios.push_back(run.seconds / other.seconds);
        }
        if (vellicor.seconds.empty())
            return 1;
        const double peak = Median(vellicor.peaks);
        const double peakGoal = 1.05 * (floor + startPeak);
        std::printf("\n%s: %.1f MiB, %.0f %% of its bytes above ASCII; the editor control's floor %.1f MiB; "
                    "medians of %zu runs\n",
                    qPrintable(pageName), bytes.size() / MiB, 100.0 * double(high) / double(bytes.size()),
                    floor / MiB, vellicor.seconds.size());
        std::printf("  Vellicor: start to the page shown %.3f s; peak memory after the open %.1f MiB "
                    "(goal <= 1.05 x (%.1f + %.1f) = %.1f MiB)\n",
                    Median(vellicor.seconds), peak / MiB, floor / MiB, startPeak / MiB, peakGoal / MiB);
        met = met && peak <= peakGoal;
        if (!vellicor.ends.empty()) {
            std::printf("  Vellicor: first Ctrl+End to the painted end, processor time %.3f s (goal <= 0.05 s)\n",
                        Median(vellicor.ends));
            met = met && Median(vellicor.ends) <= 0.05;
        } else {
            std::printf("  Ctrl+End not timed (xdotool needs to be installed and a display)\n");
        }
        if (reference.seconds.empty()) {
            std::printf("  geany: not timed (it needs to be installed and a display: run under xvfb-run)\n");
            continue;
        }
        std::printf("  geany: start to the page shown %.3f s; peak memory %.1f MiB; first Ctrl+End %.3f s\n",
                    Median(reference.seconds), Median(reference.peaks) / MiB, Median(reference.ends));
        std::printf("  Vellicor / geany, run by run: %.3f (goal <= 0.30)\n", Median(ratios));
        met = met && Median(ratios) <= 0.30;
    }
    std::printf("\n%s\n", met ? "every goal met" : "a goal is not met");
    return 0;
}
