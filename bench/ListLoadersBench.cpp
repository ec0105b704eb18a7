// Times the list loaders, and the file list of a type's filter, on lists shaped the way that once made
// them take time growing with the square of their length: a tip of 100 000 lines, 50 000 tester groups
// each named by people after them, 100 000 tag buttons each of its own id, and the file list of a type
// with 200 000 extensions. Each is timed at a tenth of its size too, so that the growth shows: about 10
// times for a loader that grows with the list, 100 times for one that grows with its square. Goal: every
// loader grows with its list. Run by hand:
//   build/bench/ListLoadersBench
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadAdvices.h"
#include "app/core/mdlLoadButtons.h"
#include "app/core/mdlLoadTesters.h"
#include "app/mainwindow/ImageList.h"
#include "controls/MwFSOFiles.h"
#include "tests/TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>

#include <cstdio>
#include <functional>

namespace {

QByteArray Repeated(int count, const std::function<QByteArray(int)> &line)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += line(i);
    return text;
}

struct Loader {
    const char *name;
    // The file for a list of `count` entries, and what reads it.
    std::function<QByteArray(int count)> file;
    std::function<void(const QString &path)> read;
    int count;
};

double Seconds(const TempFolder &folder, const Loader &loader, int count)
{
    const QString path = folder.write(QStringLiteral("list.ini"), loader.file(count));
    QElapsedTimer timer;
    timer.start();
    loader.read(path);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TempFolder folder;
    mdlLoad::InitPaths(folder.path());
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QDir().mkpath(folder.path(QStringLiteral("buttons")));
    picture.save(folder.path(QStringLiteral("buttons/b.png")));
    for (int i = 0; i < 20; ++i)
        folder.write(QStringLiteral("files/page%1.html").arg(i), "x");

    const Loader loaders[] = {
        {"advice.ini, one tip of n lines",
         [](int n) {
             return "Tip\r\n" + Repeated(n, [](int) { return QByteArray("\tA line of the tip, as long as a tip's line is.\r\n"); });
         },
         [](const QString &path) { mdlLoad::LoadAdviceIni(path); }, 100000},
        {"tester.ini, n/2 groups, n/2 people",
         [](int n) {
             return "[group]\r\n" + Repeated(n / 2, [](int i) { return "g" + QByteArray::number(i) + "|Group\r\n"; }) +
                    "[man]\r\n" +
                    Repeated(n / 2, [n](int i) { return "g" + QByteArray::number(n / 2 - 1 - i) + "|Name|a@b.org|b.org\r\n"; });
         },
         [](const QString &path) { mdlLoad::LoadTesterIni(path); }, 100000},
        {"button.ini, n buttons",
         [](int n) { return Repeated(n, [](int i) { return QByteArray::number(1000 + i) + "|b.png|Tip|<b>| |</b>\r\n"; }); },
         [](const QString &path) {
             ImageList pictures;
             mdlLoad::LoadButtons(path, pictures);
         },
         100000},
        {"file list of a type of n extensions",
         [](int n) { return Repeated(n, [](int i) { return "*.e" + QByteArray::number(i) + ";"; }) + "*.html"; },
         [&folder](const QString &path) {
             QFile file(path);
             file.open(QIODevice::ReadOnly);
             MwFSO::PatternFiles(folder.path(QStringLiteral("files")), QString::fromLatin1(file.readAll()));
         },
         200000},
    };
    std::printf("%-38s %12s %12s %8s\n", "list", "n/10 (s)", "n (s)", "growth");
    for (const Loader &loader : loaders) {
        const double tenth = Seconds(folder, loader, loader.count / 10);
        const double whole = Seconds(folder, loader, loader.count);
        std::printf("%-38s %12.3f %12.3f %8.1f   (n = %d)\n", loader.name, tenth, whole, whole / tenth, loader.count);
    }
    return 0;
}
