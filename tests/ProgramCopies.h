#pragma once

#include "platform/windows/WindowTable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <functional>

// Helpers for tests that start real copies of the program.

// The main window of the copy of the program that runs as `process`, once this process's window table lists
// it with a title that `accept` takes (any title when `accept` is empty); 0 when that does not happen within
// 30 seconds.
inline platform::windows::Handle WaitForCopyWindow(const QProcess &process,
                                                   const std::function<bool(const QString &)> &accept = {})
{
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        for (const platform::windows::WindowEntry &entry : platform::windows::EnumWindows())
            if (entry.handle / 256 == process.processId() && !entry.application && (!accept || accept(entry.title)))
                return entry.handle;
        QThread::msleep(20);
    }
    return 0;
}

inline platform::windows::Handle WaitForCopyTitle(const QProcess &process, const QString &title)
{
    return WaitForCopyWindow(process, [&](const QString &shown) { return shown == title; });
}

// Serves this process's events until `process` has ended (30 seconds at most), as a running copy answers
// the questions of a copy that starts while it runs.
inline void ServeUntilFinished(QProcess &process)
{
    const QDeadlineTimer deadline(30000);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        process.waitForFinished(10);
    }
}
