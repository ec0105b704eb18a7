// Times the start of a first copy: from the start command to the main window shown with the splash gone
// and the event loop running, on the shipped data. Each run starts the real program on a program folder
// of its own; the time ends when the main window answers a message, which it can only do once its load
// handler has finished. Goal: 0.4 s. Run by hand: build/bench/StartupBench [runs]
#include "bench/ProgramCopy.h"
#include "platform/windows/WindowTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The main window of the copy being started, once it is listed; 0 until then.
platform::windows::Handle MainWindow()
{
    for (const platform::windows::WindowEntry &entry : platform::windows::EnumWindows())
        if (!entry.application && entry.title.contains(QLatin1String("Marrowin Vellicor")))
            return entry.handle;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 10;

    const ProgramCopy program;

    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        QProcess copy;
        QElapsedTimer timer;
        timer.start();
        copy.start(program.executable(), {});
        platform::windows::Handle window = 0;
        while (!(window = MainWindow()) && timer.elapsed() < 20000)
            QThread::msleep(1);
        // WM_NULL: answered only by the running event loop.
        if (!window || !platform::windows::SendMessage(window, 0, 0, 0)) {
            std::printf("run %d: the main window never answered\n", run + 1);
            copy.kill();
            copy.waitForFinished();
            continue;
        }
        seconds.push_back(timer.nsecsElapsed() / 1e9);
        platform::windows::SendMessage(window, 0x10, 0, 0); // WM_CLOSE
        copy.waitForFinished(20000);
    }
    if (seconds.empty())
        return 1;
    std::sort(seconds.begin(), seconds.end());
    std::printf("start to main window ready, %zu runs: median %.3f s, min %.3f s, max %.3f s (goal <= 0.4 s)\n",
                seconds.size(), seconds[seconds.size() / 2], seconds.front(), seconds.back());
    return 0;
}
