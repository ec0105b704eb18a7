#pragma once

#include "platform/files/SaveStream.h"

#include <QByteArray>
#include <QString>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Saves the first half of `content` to `path` in a child process that is killed there, as a save is
// killed part way; the child's wait status, or -1 when it could not be started.
inline int KillSaveHalfWay(const QString &path, const QString &backups, const QByteArray &content)
{
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        platform::files::SaveStream stream(path, backups);
        if (stream.Open() != platform::files::FileError::None)
            _exit(1);
        stream.Write(QByteArrayView(content).first(content.size() / 2));
        ::raise(SIGKILL);
        _exit(2);
    }
    int status = -1;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}
