#pragma once

#include "platform/windows/WindowTable.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

#include <deque>
#include <utility>

// Watching and driving programs from outside, as a user does, for the benchmarks that start the real
// program and geany as processes on a display.

// What `program` writes to its standard output, trimmed, once it has ended.
inline QByteArray CommandOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return process.readAllStandardOutput().trimmed();
}

inline QByteArray Xdotool(const QStringList &arguments)
{
    return CommandOutput(QStringLiteral("xdotool"), arguments);
}

// The first window that `xdotool search` finds by `criteria`; empty while there is none.
inline QByteArray XdotoolWindow(const QStringList &criteria)
{
    return Xdotool(QStringList{QStringLiteral("search")} + criteria).split('\n').value(0);
}

// The processor time of every thread of the process so far, to the nanosecond.
inline double ProcessorSeconds(qint64 processId)
{
    double seconds = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(processId));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task) + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            seconds += schedstat.readAll().split(' ').value(0).toDouble() / 1e9;
    }
    return seconds;
}

// Waits until the process has spent next to no processor time for a while (20 seconds at most): it has
// done what it was given. The processor time at which its work ended.
inline double WaitUntilIdle(qint64 processId)
{
    constexpr qint64 quietMs = 300;
    std::deque<std::pair<qint64, double>> samples;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        samples.emplace_back(timer.elapsed(), ProcessorSeconds(processId));
        while (samples.size() > 1 && samples.back().first - samples[1].first >= quietMs)
            samples.pop_front();
        if (samples.back().first - samples.front().first >= quietMs &&
            samples.back().second - samples.front().second < 0.002)
            return samples.front().second;
        QThread::msleep(10);
    }
    return samples.back().second;
}

// The program's main window, listed in the window table, once its title names the page `pageName` and its
// event loop answers a message.
inline bool VellicorShows(const QString &pageName)
{
    for (const platform::windows::WindowEntry &entry : platform::windows::EnumWindows())
        if (!entry.application && entry.title.startsWith(pageName + QStringLiteral(" - ")))
            return platform::windows::SendMessage(entry.handle, 0, 0, 0); // WM_NULL
    return false;
}

// Whether the display lists a window whose title starts with the page's name, as another editor's does.
inline bool XWindowShows(const QString &pageName)
{
    return CommandOutput(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")})
        .contains(("\"" + pageName + " - ").toUtf8());
}

// Makes the configuration folder `config` for geany, the reference editor; with `openEncoding`, geany
// opens every file in that encoding. Returns the folder.
inline QString MakeGeanyConfig(const QString &config, const QByteArray &openEncoding = {})
{
    QDir().mkpath(config);
    if (!openEncoding.isEmpty()) {
        QFile conf(config + QStringLiteral("/geany.conf"));
        conf.open(QIODevice::WriteOnly);
        conf.write("[geany]\npref_editor_default_open_encoding=" + openEncoding + "\n");
    }
    return config;
}

// geany's command line for `page`: the configuration in `config`, an instance of its own, no plugins, no
// session and no terminal.
inline QStringList GeanyArguments(const QString &config, const QString &page)
{
    return {QStringLiteral("-c"), config, QStringLiteral("-i"), QStringLiteral("-p"),
            QStringLiteral("-s"), QStringLiteral("-t"), page};
}
