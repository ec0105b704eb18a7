// Opens a 100 MB Windows-1251 HTML page as the command line would and times it to the first painted
// screen with colouring, then the first Ctrl+End to the painted end; prints the peak memory the open added
// and the recoding speed beside a plain memory copy of the same size. The same open timed from outside,
// as a process, is PageOpenBench. Run by hand: build/bench/DocumentOpenBench [megabytes [short | long] | page]
// With a size alone, the page of short lines and the page of minified markup's long lines are each opened
// in a process of their own, so that neither's memory counts in the other's figures. A page named instead
// of a size is opened as it is, such as the one that ../shared/bench/make-bigpage.py OUT 100 writes.
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileRecode.h"
#include "bench/InProcessProgram.h"
#include "bench/LargePage.h"
#include "platform/editor/Editor.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/ProcessStatus.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>

#include <cstdio>
#include <ctime>
#include <cstring>

namespace {

// Resets the peak to the present resident size, so that the next peak is the open's own.
void ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double Seconds(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e9; }

// Runs this benchmark on each kind of page in a process of its own, its figures passed on as they come.
int MeasureEachInItsOwnProcess(const QByteArray &megabytes)
{
    for (const char *lines : {"short", "long"}) {
        std::printf("== page of %s lines\n", lines);
        std::fflush(stdout);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(megabytes), QString::fromLatin1(lines)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    const QByteArray argument = argc > 1 ? QByteArray(argv[1]) : QByteArray("100");
    bool isSize = false;
    const qint64 megabytes = argument.toLongLong(&isSize);
    if (isSize && argc <= 2)
        return MeasureEachInItsOwnProcess(argument);
    const PageLines lines = argc > 2 && QByteArray(argv[2]) == "long" ? PageLines::Long : PageLines::Short;

    const InProcessProgram program;
    QTemporaryDir files;

    const QString path = files.filePath(QStringLiteral("big.html"));
    if (isSize)
        WriteLargePage(path, megabytes, lines);
    else
        QFile::copy(QString::fromLocal8Bit(argument), path);
    const qint64 fileSize = QFileInfo(path).size();
    // The editor control's floor: the text as UTF-8 and one style byte for each of its bytes.
    QFile page(path);
    page.open(QIODevice::ReadOnly);
    const double floor = 2.0 * double(platform::text::AnsiUtf8Length(page.readAll()));
    page.close();

    const qint64 self = QCoreApplication::applicationPid();
    const qint64 before = StatusBytes(self, "VmRSS:");
    ResetPeak();
    QElapsedTimer timer;
    timer.start();
    const std::clock_t openClock = std::clock();
    mdlFile::OpenDocumentFile(path, QStringLiteral("big.html"), 0, 0);
    const double readProcessor = double(std::clock() - openClock) / CLOCKS_PER_SEC;
    frmContent *document = mdlFile::Documents[mdlFile::DocumentCount()];
    document->txtContent->Control()->viewport()->repaint();
    const double openSeconds = Seconds(timer);
    const double openProcessor = double(std::clock() - openClock) / CLOCKS_PER_SEC;
    const qint64 peak = PeakBytes(self) - before;
    const qint64 kept = StatusBytes(self, "VmRSS:") - before;
    std::printf("file: %.1f MB\n", fileSize / 1048576.0);
    std::printf("open to first painted screen: %.3f s (goal <= 1.0 s); processor time %.3f s\n", openSeconds,
                openProcessor);
    std::printf("processor time of the open per MB of file: %.4f s; of the read alone, before the first paint, "
                "%.4f s\n",
                openProcessor / (fileSize / 1048576.0), readProcessor / (fileSize / 1048576.0));
    std::printf("peak memory added by the open: %.1f MiB; kept after it: %.1f MiB; peak %.3f x kept (goal <= 1.05)\n",
                peak / 1048576.0, kept / 1048576.0, double(peak) / double(kept));
    std::printf("the editor control's floor %.1f MiB; peak %.3f x the floor (goal <= 1.05)\n", floor / 1048576.0,
                double(peak) / floor);
    std::fflush(stdout);

    // The first Ctrl+End, as the user presses it, until the end is painted coloured; a paint that the
    // scrolling cut short is done again when the event loop comes back.
    QsciScintilla *control = document->txtContent->Control();
    timer.restart();
    const std::clock_t endClock = std::clock();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(control, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(control, &release);
    control->viewport()->repaint();
    QApplication::processEvents();
    const double endSeconds = Seconds(timer);
    const double endProcessor = double(std::clock() - endClock) / CLOCKS_PER_SEC;
    std::printf("first Ctrl+End, painted: %.3f s; processor time %.3f s (goal <= 0.05 s)\n", endSeconds,
                endProcessor);
    std::fflush(stdout);

    // Typing and recoding are timed on the page of short lines: at the end of a page of long lines every
    // repaint lays out again the long lines shown, a cost of the control's display that grows with the
    // length of a line and not with the text.
    if (lines == PageLines::Long)
        return 0;

    // Typing at the end: the lexer styles only what is shown, so the cost stays that of a screen. The first
    // key is timed alone: it would pay for growing the control's buffer if the open left it no room.
    timer.restart();
    control->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 1UL, "x");
    control->viewport()->repaint();
    const double firstKeySeconds = Seconds(timer);
    const qint64 peakAfterKey = PeakBytes(self) - before;
    timer.restart();
    for (int i = 0; i < 200; ++i) {
        control->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 1UL, "x");
        control->viewport()->repaint();
    }
    const double typeSeconds = Seconds(timer) / 200;

    // Recoding beside a plain copy of the same bytes.
    const QString text = document->txtContent->Text();
    timer.restart();
    const QString recoded = mdlFile::RecodeText(text, 1, 2, QStringLiteral("?"));
    const double recodeSeconds = Seconds(timer);
    // The copy goes to fresh memory, as the recoded text does.
    timer.restart();
    QString copy(text.size(), Qt::Uninitialized);
    std::memcpy(copy.data(), text.constData(), text.size() * sizeof(char16_t));
    const double copySeconds = Seconds(timer);

    std::printf("first key typed at the end, with repaint: %.2f ms; peak memory then %.2f x the file\n",
                firstKeySeconds * 1000, double(peakAfterKey) / fileSize);
    std::printf("typing at the end, per key with repaint: %.2f ms\n", typeSeconds * 1000);
    std::printf("recoding %lld characters: %.3f s; memory copy: %.3f s; ratio %.2f (goal >= 0.10)\n",
                static_cast<long long>(recoded.size()), recodeSeconds, copySeconds, copySeconds / recodeSeconds);
    return 0;
}
