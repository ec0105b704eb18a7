// Switches a changed 1 MB Windows-1251 page with a picture from the editor to the preview and back, as
// F12 does, after the page engine has started once, and times each way: until the display shows the
// changed page, and until the editor is painted again. The preview from the document's file and the one
// from its copy (against the document's folder) are both timed.
// Needs a display that can be read back: xvfb-run -a -s "-screen 0 1280x900x24" with QT_QPA_PLATFORM=xcb
// QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
// build/bench/PreviewSwitchBench [megabytes] [rounds]
#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "bench/InProcessProgram.h"
#include "bench/Median.h"
#include "platform/editor/Editor.h"
#include "platform/text/AnsiCodePage.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Runs the event loop until `done` holds or `milliseconds` have passed; whether it holds.
template <typename Predicate>
bool WaitFor(Predicate done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    return true;
}

QString MakePage(qint64 size)
{
    const QString line = QStringLiteral(
        "<p class=\"text\">Съешь же ещё этих мягких французских булок, да выпей чаю. <b>Line</b> &amp; more</p>\r\n");
    QString page = QStringLiteral("<html><head><title>Проба</title></head><body>\r\n<img src=\"pictures/dot.png\">\r\n");
    while (page.size() < size)
        page += line;
    page += QStringLiteral("</body></html>\r\n");
    return page;
}

// The page's first line: a square of `colour` in the page's top left corner, by which the display shows
// that the changed page is there.
QString Marker(const QColor &colour)
{
    return QStringLiteral("<div style=\"position:fixed;left:0;top:0;width:40px;height:40px;background:%1\"></div>\r\n")
        .arg(colour.name());
}

double Milliseconds()
{
    return double(QDateTime::currentMSecsSinceEpoch());
}

// Whether the display shows `colour` at the point `at` of `widget`.
bool Shows(QWidget *widget, const QPoint &at, const QColor &colour)
{
    const QPoint point = widget->mapToGlobal(at);
    const QImage pixel = widget->screen()->grabWindow(0, point.x(), point.y(), 1, 1).toImage();
    return !pixel.isNull() && pixel.pixel(0, 0) == colour.rgb();
}

struct Times {
    double there = -1; // to the shown preview
    double own = -1;   // of that, the switch itself before the engine takes over
    double back = -1;  // to the painted editor
};

// One switch of document `n` to the preview of its text with a square of `colour`, and back.
Times Switch(int n, const QColor &colour, const QString &file)
{
    frmContent *document = mdlFile::Documents[n];
    platform::editor::Editor *editor = document->txtContent;
    editor->SetSel({0, 0, 1, 0});
    editor->SetSelText(Marker(colour));
    // The preview from the file shows what was saved.
    QFile saved(file);
    if (!mdlLoad::ViewTmpfile && saved.open(QIODevice::WriteOnly))
        saved.write(platform::text::StringToAnsi(editor->Text()));
    saved.close();
    QCoreApplication::processEvents();

    Times times;
    const double start = Milliseconds();
    forms::frmMain->mnuView_EditBrowser_Click();
    times.own = Milliseconds() - start;
    if (WaitFor([&] { return Shows(document->picBrowser, QPoint(20, 20), colour); }, 20000))
        times.there = Milliseconds() - start;
    WaitFor([] { return false; }, 300);

    const double leave = Milliseconds();
    forms::frmMain->mnuView_EditBrowser_Click();
    editor->Control()->viewport()->repaint();
    times.back = Milliseconds() - leave;
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1;
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 9;

    InProcessProgram program(QSize(1000, 700));
    QTemporaryDir files;

    const QString path = files.filePath(QStringLiteral("page.html"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(platform::text::StringToAnsi(Marker(Qt::black) + MakePage(megabytes * 1024 * 1024)));
    out.close();
    QDir().mkpath(files.filePath(QStringLiteral("pictures")));
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    picture.save(files.filePath(QStringLiteral("pictures/dot.png")), "PNG");
    mdlFile::OpenDocumentFile(path, QStringLiteral("page.html"), 0, 0);
    const int n = mdlFile::DocumentCount();
    QApplication::processEvents();

    // The engine starts with the first preview; that start is not what is timed.
    const Times first = Switch(n, Qt::black, path);
    std::printf("page %lld MB; the first preview, with the engine's start: %.0f ms\n", megabytes, first.there);

    for (const bool fromCopy : {false, true}) {
        mdlLoad::ViewTmpfile = fromCopy;
        std::vector<double> there, own, back;
        for (int round = 1; round <= rounds; ++round) {
            const Times times = Switch(n, QColor::fromHsv(round * 40 % 360, 255, 200), path);
            there.push_back(times.there);
            own.push_back(times.own);
            back.push_back(times.back);
        }
        std::printf("%s, %d rounds: to the shown preview %.0f ms median, %.0f fastest, %.0f slowest (the switch "
                    "itself %.0f ms median); back to the painted editor %.0f ms median, %.0f slowest\n",
                    fromCopy ? "from the copy, against the document's folder" : "from the file", rounds,
                    Median(there), *std::min_element(there.begin(), there.end()),
                    *std::max_element(there.begin(), there.end()), Median(own), Median(back),
                    *std::max_element(back.begin(), back.end()));
    }
    mdlLoad::ProgramLoaded = false;
    std::fflush(stdout);
    // Straight out, the page engine's teardown left aside; the folders go first.
    files.remove();
    program.RemoveFolder();
    std::_Exit(0);
}
