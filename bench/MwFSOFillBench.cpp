// How long the file list takes to show the first screen of a folder of 100 000 files (names, then the
// details view) and the folder tree to show a folder of 10 000 subfolders. Goal: the first screen of
// 100 000 names within 1.0 s. Run by hand: MwFSOFillBench [files] [folders]

#include "controls/MwFSOFiles.h"
#include "controls/MwFSOFolders.h"
#include "controls/MwFSOList.h"
#include "controls/MwFSOTree.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cstdio>

namespace {

void MakeFiles(const QString &folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/file%2.txt").arg(folder).arg(i, 6, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
    }
}

void MakeFolders(const QString &folder, int count)
{
    for (int i = 0; i < count; ++i)
        QDir().mkpath(QStringLiteral("%1/folder%2").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
}

// Milliseconds that `step` takes, up to a painted first screen of `widget`.
template <typename Step>
double Timed(QWidget *widget, Step &&step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    widget->grab();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Report(const char *what, double ms)
{
    std::printf("%-52s %9.1f ms\n", what, ms);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int folders = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10000;

    QTemporaryDir temp;
    const QString root = QDir(temp.path()).canonicalPath();
    const QString many = root + QStringLiteral("/many/");
    const QString deep = root + QStringLiteral("/deep/");
    QElapsedTimer setup;
    setup.start();
    MakeFiles(many, files);
    MakeFolders(deep, folders);
    std::printf("MwFSO fill: %d files, %d subfolders (set up in %.1f s)\n", files, folders,
                static_cast<double>(setup.elapsed()) / 1000.0);

    {
        MwFSO::MwFSOList list;
        list.resize(1000, 700);
        list.show();
        list.SetTypeView(MwFSO::ElementTypeViewList);
        Report("list: names, list view, first screen", Timed(&list, [&] { list.SetPath(many); }));
        list.SetPath(root);
        list.SetTypeView(MwFSO::ElementTypeViewIcon);
        Report("list: names, large icons, first screen", Timed(&list, [&] { list.SetPath(many); }));
        Report("list: switch to the details view, first screen",
               Timed(&list, [&] { list.SetTypeView(MwFSO::ElementTypeViewReport); }));
        list.SetPath(root);
        Report("list: names in the details view, first screen", Timed(&list, [&] { list.SetPath(many); }));
        Report("list: the pattern *.txt on the same folder", Timed(&list, [&] { list.SetPattern(QStringLiteral("*.txt")); }));
        QElapsedTimer all;
        all.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 60000);
        Report("list: the rest of the batched layout", static_cast<double>(all.nsecsElapsed()) / 1e6);
        std::printf("list: %d items\n", list.Model()->Count());
    }

    {
        MwFSO::MwFSOTree tree;
        tree.resize(400, 700);
        tree.show();
        Report("tree: path put to the folder", Timed(&tree, [&] { tree.SetPath(deep); }));
        QTreeWidgetItem *node = nullptr;
        for (QTreeWidgetItemIterator it(tree.Tree()); *it; ++it) {
            if (MwFSO::NodeKey(*it) == deep)
                node = *it;
        }
        if (node) {
            Report("tree: expand the folder of subfolders, first screen",
                   Timed(&tree, [&] { tree.Tree()->expandItem(node); }));
            std::printf("tree: %d children\n", node->childCount());
        }
    }
    return 0;
}
