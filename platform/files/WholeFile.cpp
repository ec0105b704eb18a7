#include "platform/files/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform::files {

bool IsFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool IsFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool CanRead(const QString &path)
{
    if (!IsFile(path))
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

ReadResult ReadWhole(const QString &path)
{
    if (!IsFile(path))
        return {{}, FileError::Missing};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileError::Unreadable};
    ReadResult result;
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, FileError::Unreadable};
    return result;
}

FileError WriteWhole(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return FileError::Unwritable;
    const QFileInfo info(path);
    if (info.isDir() || (info.exists() && !info.isWritable()))
        return FileError::Unwritable;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileError::Unwritable;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return FileError::Unwritable;
    }
    return file.commit() ? FileError::None : FileError::Unwritable;
}

} // namespace platform::files
