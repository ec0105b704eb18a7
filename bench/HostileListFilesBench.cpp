// Starts the real program once for every list file and language file in every hostile form (empty, cut
// off, binary, a 1 MB line, 100 000 lines, a folder, a FIFO, unreadable, numbers out of range), one start
// at a time so that the times are the program's alone, and prints the table: the seconds from the start
// to the main window naming the opened page, or why it never came or never closed. Then the slowest
// starts with their peak memory. Goal: every start reaches its window and closes. Run by hand:
//   build/bench/HostileListFilesBench [file name part ...]
// (as root, the unreadable forms run as the user "nobody"; a start that takes more than 120 s counts as
// hung)
#include "tests/HostileStart.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList wanted;
    for (int i = 1; i < argc; ++i)
        wanted << QString::fromLocal8Bit(argv[i]);

    std::vector<hostile::Case> cases;
    for (const hostile::ListFile &file : hostile::ListFiles()) {
        const QString path = QString::fromLatin1(file.path);
        if (!wanted.isEmpty() &&
            std::none_of(wanted.begin(), wanted.end(), [&](const QString &part) { return path.contains(part); }))
            continue;
        for (const hostile::KindName &kind : hostile::Kinds)
            if (hostile::Applies(file, kind.kind))
                cases.push_back({&file, kind.kind});
    }

    hostile::HostileStarts starts(120000);
    std::vector<hostile::StartResult> results;
    for (const hostile::Case &c : cases) {
        results.push_back(starts.Run({c}, 1).front());
        std::fprintf(stderr, "%s, %s: %s\n", c.file->path, hostile::NameOf(c.kind),
                     results.back().ok() ? qPrintable(QString::number(results.back().toWindow, 'f', 2) + " s")
                                         : qPrintable(results.back().problem));
    }

    std::printf("seconds from the start to the main window, each file in each form (- no such form, "
                "FAIL see below):\n%-24s", "");
    for (const hostile::KindName &kind : hostile::Kinds)
        std::printf(" %13s", kind.name);
    std::printf("\n");
    size_t at = 0;
    int failed = 0;
    for (const hostile::ListFile &file : hostile::ListFiles()) {
        if (at >= cases.size() || cases[at].file != &file)
            continue;
        std::printf("%-24s", file.path);
        for (const hostile::KindName &kind : hostile::Kinds) {
            if (at < cases.size() && cases[at].file == &file && cases[at].kind == kind.kind) {
                const hostile::StartResult &r = results[at++];
                if (r.ok())
                    std::printf(" %13.2f", r.toWindow);
                else
                    std::printf(" %13s", "FAIL"), ++failed;
            } else {
                std::printf(" %13s", "-");
            }
        }
        std::printf("\n");
    }

    std::vector<size_t> order(cases.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return results[a].toWindow > results[b].toWindow; });
    std::printf("\nslowest starts (seconds to the window, peak memory then, seconds from the close to the end):\n");
    for (size_t i = 0; i < std::min<size_t>(10, order.size()); ++i) {
        const hostile::StartResult &r = results[order[i]];
        if (r.toWindow >= 0)
            std::printf("  %-24s %-14s %6.2f s %7.1f MiB %6.2f s\n", cases[order[i]].file->path,
                        hostile::NameOf(cases[order[i]].kind), r.toWindow, r.peakMiB, r.toClose);
    }
    double peak = 0, close = 0;
    for (const hostile::StartResult &r : results) {
        peak = std::max(peak, r.peakMiB);
        close = std::max(close, r.toClose);
    }
    std::printf("largest peak memory of any start: %.1f MiB; longest close: %.2f s\n", peak, close);
    std::printf("%zu starts, %zu reached their main window and closed, %d failed\n", cases.size(),
                cases.size() - failed, failed);
    for (size_t i = 0; i < cases.size(); ++i)
        if (!results[i].ok())
            std::printf("  FAIL %s, %s: %s\n", cases[i].file->path, hostile::NameOf(cases[i].kind),
                        qPrintable(results[i].problem));
    return failed == 0 ? 0 : 1;
}
