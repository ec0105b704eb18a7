#pragma once

#include "tests/TempFolder.h"

#include <QFile>

#include <unistd.h>

// A file of `size` bytes in `folder` that takes no room on the disk, as `truncate -s` makes one: its
// bytes read as zeros.
inline QString WriteSparse(const TempFolder &folder, const QString &name, qint64 size)
{
    const QString path = folder.write(name, QByteArray());
    return ::truncate(QFile::encodeName(path).constData(), size) == 0 ? path : QString();
}
