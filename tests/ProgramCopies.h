#pragma once

#include "platform/windows/WindowTable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <functional>

// Helpers for tests that start real copies of the program.

// The environment of a copy started offscreen: the window table and the component registry of its own.
inline QProcessEnvironment CopyEnvironment(const QString &windowTable, const QString &registry)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    environment.insert(QStringLiteral("VELLICOR_WINDOW_TABLE"), windowTable);
    environment.insert(QStringLiteral("VELLICOR_COMPONENT_REGISTRY"), registry);
    return environment;
}

// The main window of the copy of the program that runs as `process`, once this process's window table lists
// it and `accept` takes it (any when `accept` is empty); 0 when the copy ends first or `timeoutMs` pass.
inline platform::windows::Handle
WaitForCopyWindow(const QProcess &process, const std::function<bool(const platform::windows::WindowEntry &)> &accept = {},
                  int timeoutMs = 30000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        for (const platform::windows::WindowEntry &entry : platform::windows::EnumWindows())
            if (entry.handle / 256 == process.processId() && !entry.application && (!accept || accept(entry)))
                return entry.handle;
        QThread::msleep(20);
    }
    return 0;
}

inline platform::windows::Handle WaitForCopyTitle(const QProcess &process, const QString &title)
{
    return WaitForCopyWindow(process,
                             [&](const platform::windows::WindowEntry &window) { return window.title == title; });
}

// Ends the process at once, if it still runs.
inline void EndProcess(QProcess &process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
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
