#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstring>

// A value of /proc/PID/status that the kernel gives in kB ("VmRSS:", "VmHWM:"), in bytes; 0 when the
// process or the value is not there.
inline qint64 StatusBytes(qint64 processId, const char *key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(processId));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(std::strlen(key))).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

// The most memory the process has held so far, in bytes.
inline qint64 PeakBytes(qint64 processId)
{
    return StatusBytes(processId, "VmHWM:");
}
