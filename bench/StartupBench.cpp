// Starts the program black box with a small page on its command line, beside geany on the same page, runs
// taken in turn, as a user sees them: each start is timed from the start command until a window titled
// with the page's name is viewable on the display (the program's must also answer a message, which it does
// once its load handler has finished), and the peak memory of the process is read then. After each of
// the program's starts, F12 is pressed in its window and the first preview is timed until the display
// shows the page (a page of one colour, looked for at the window's centre): the page engine is loaded then.
// Goals: the start at most 1.0 x geany's time with a peak of at most 80 MiB; the first preview at most
// 0.6 s. Run by hand on a display of its own:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/StartupBench [runs]
// (geany and xdotool: apt-get install geany xdotool)
#include "bench/BlackBox.h"
#include "bench/Median.h"
#include "bench/ProgramCopy.h"
#include "tests/ProcessStatus.h"
#include "tests/ProgramCopies.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int WaitMs = 30000;
const QString PageName = QStringLiteral("small.html");
const QColor PageColour(0xd0, 0x20, 0x30);

// The viewable window whose title starts with the page's name; empty while there is none.
QByteArray ViewableWindow()
{
    return XdotoolWindow({QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^small\\.html - ")});
}

// Polls `done` until it holds; the seconds since `timer` started, or a negative number when it never did.
double WaitFor(const QElapsedTimer &timer, const std::function<bool()> &done)
{
    while (!done()) {
        if (timer.elapsed() > WaitMs)
            return -1;
        QThread::msleep(1);
    }
    return timer.nsecsElapsed() / 1e9;
}

QRect GeometryOf(const QByteArray &window)
{
    QRect rect;
    for (const QByteArray &line : Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                           QString::fromLatin1(window)})
                                      .split('\n')) {
        const int value = line.mid(line.indexOf('=') + 1).toInt();
        if (line.startsWith("X="))
            rect.moveLeft(value);
        else if (line.startsWith("Y="))
            rect.moveTop(value);
        else if (line.startsWith("WIDTH="))
            rect.setWidth(value);
        else if (line.startsWith("HEIGHT="))
            rect.setHeight(value);
    }
    return rect;
}

bool DisplayShows(const QPoint &at, const QColor &colour)
{
    const QImage pixel = QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage();
    return !pixel.isNull() && QColor(pixel.pixel(0, 0)) == colour;
}

struct Run {
    double start = -1;   // to the viewable window
    double peak = 0;     // MiB, when the window was there
    double preview = -1; // from F12 to the shown page
};

Run StartVellicor(const QString &executable, const QString &page)
{
    Run run;
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(executable, {page});
    QByteArray window;
    run.start = WaitFor(timer, [&] { return VellicorShows(PageName) && !(window = ViewableWindow()).isEmpty(); });
    run.peak = PeakBytes(process.processId()) / 1048576.0;
    if (run.start < 0) {
        EndProcess(process);
        return run;
    }
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(window)});
    const QPoint centre = GeometryOf(window).center();
    QElapsedTimer preview;
    preview.start();
    Xdotool({QStringLiteral("key"), QStringLiteral("F12")});
    run.preview = WaitFor(preview, [&] { return DisplayShows(centre, PageColour); });
    EndProcess(process);
    return run;
}

Run StartGeany(const QString &geany, const QString &config, const QString &page)
{
    Run run;
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(geany, GeanyArguments(config, page));
    run.start = WaitFor(timer, [] { return !ViewableWindow().isEmpty(); });
    run.peak = PeakBytes(process.processId()) / 1048576.0;
    EndProcess(process);
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("needs a display: run under xvfb-run\n");
        return 1;
    }
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 9;
    const QString geany = QStandardPaths::findExecutable(QStringLiteral("geany"));
    if (geany.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        std::printf("needs geany and xdotool\n");
        return 1;
    }

    const ProgramCopy scratch;
    const QString page = scratch.filePath(PageName);
    QFile file(page);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("<html><head><title>Small</title></head><body style=\"background:%1\">"
                              "<p>A small page.</p></body></html>\r\n")
                   .arg(PageColour.name())
                   .toLatin1());
    file.close();
    const QString geanyConfig = MakeGeanyConfig(scratch.filePath(QStringLiteral("geany")));

    std::vector<double> starts, peaks, previews, geanyStarts, geanyPeaks, ratios;
    for (int i = 0; i < runs; ++i) {
        const Run own = StartVellicor(scratch.executable(), page);
        const Run reference = StartGeany(geany, geanyConfig, page);
        if (own.start < 0 || reference.start < 0) {
            std::printf("run %d: %s never showed the page\n", i + 1, own.start < 0 ? "the program" : "geany");
            continue;
        }
        starts.push_back(own.start);
        peaks.push_back(own.peak);
        geanyStarts.push_back(reference.start);
        geanyPeaks.push_back(reference.peak);
        ratios.push_back(own.start / reference.start);
        if (own.preview < 0)
            std::printf("run %d: the first preview never showed the page\n", i + 1);
        else
            previews.push_back(own.preview);
    }
    if (starts.empty())
        return 1;
    std::printf("start with a small page to its window, medians of %zu runs in turn:\n", starts.size());
    std::printf("  Vellicor %.3f s, peak %.1f MiB (goal <= 80 MiB)\n", Median(starts), Median(peaks));
    std::printf("  geany    %.3f s, peak %.1f MiB\n", Median(geanyStarts), Median(geanyPeaks));
    std::printf("  Vellicor / geany, run by run: %.2f (min %.2f, max %.2f; goal <= 1.0)\n", Median(ratios),
                *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));
    if (!previews.empty())
        std::printf("first preview after such a start (F12 to the shown page), %zu runs: median %.3f s, max %.3f s "
                    "(goal <= 0.6 s)\n",
                    previews.size(), Median(previews), *std::max_element(previews.begin(), previews.end()));
    return 0;
}
