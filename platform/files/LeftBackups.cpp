#include "platform/files/LeftBackups.h"

#include "platform/files/PosixFile.h"
#include "platform/files/SaveBackups.h"
#include "platform/files/SaveStream.h"
#include "platform/files/WholeFile.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform::files {
namespace {

constexpr qint64 PutBackSlice = 1 << 20;

// Whether `path` is a regular file that no running save holds: the lock is free.
bool IsLeftBehind(const QString &path)
{
    int fd;
    do
        fd = ::open(posix::NativePath(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat info;
    bool free = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (free) {
        int locked;
        do
            locked = ::flock(fd, LOCK_SH | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        free = locked == 0;
    }
    ::close(fd);
    return free;
}

} // namespace

QList<LeftBackup> FindLeftBackups(const QString &folder)
{
    QList<LeftBackup> left;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.bak")}, QDir::Files | QDir::Hidden | QDir::System,
                                            QDir::Name);
    for (const QString &name : names) {
        const QString backup = dir.absoluteFilePath(name);
        if (IsLeftBehind(backup))
            left.append({backup, ReadBackupRecord(BackupRecordPath(backup))});
    }
    return left;
}

FileError PutBack(const LeftBackup &left, const QString &backupFolder)
{
    if (left.file.isEmpty())
        return FileError::Missing;
    SaveStream stream(left.file, backupFolder);
    if (const FileError error = stream.Open(); error != FileError::None)
        return error;
    // In place, the room is made sure of before the first of the file's bytes is given up.
    if (const FileError error = stream.Reserve(std::max<qint64>(0, StampOf(left.backup).size)); error != FileError::None)
        return error;
    const FileError read = ReadSlices(left.backup, PutBackSlice, [&](QByteArrayView slice) { stream.Write(slice); });
    if (read != FileError::None) {
        stream.Cancel();
        return FileError::Failed;
    }
    if (const FileError error = stream.Commit(); error != FileError::None)
        return error;
    // As a completed save leaves them: the backup first, then its record.
    ::unlink(posix::NativePath(left.backup).constData());
    ::unlink(posix::NativePath(BackupRecordPath(left.backup)).constData());
    return FileError::None;
}

} // namespace platform::files
