#pragma once

#include "platform/shell/Shell.h"

#include <QList>
#include <QStringList>

// Records what is handed to the shell while it lives; nothing is opened. The shell answers `started`.
class ShellRecorder {
public:
    ShellRecorder()
    {
        platform::shell::SetShellHook([this](const platform::shell::ShellCall &call) {
            calls.append(call);
            opened.append(call.file);
            return started;
        });
    }
    ~ShellRecorder() { platform::shell::SetShellHook(nullptr); }
    ShellRecorder(const ShellRecorder &) = delete;
    ShellRecorder &operator=(const ShellRecorder &) = delete;

    QList<platform::shell::ShellCall> calls;
    // The targets alone.
    QStringList opened;
    bool started = true;
};
