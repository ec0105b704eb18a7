#pragma once

#include "platform/files/FileError.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// The system calls under the file layer, each retried when a signal interrupts it. Internal to
// platform/files.
namespace platform::files::posix {

QByteArray NativePath(const QString &path);
FileStamp StampOfStat(const struct stat &info);

// Opens the regular file at `path` for reading; -1 with the reason in `error` otherwise. Anything but a
// regular file counts as missing and is never opened: opening a FIFO would wait for a writer.
int OpenRegularForReading(const QString &path, FileError &error, struct stat *info = nullptr);

// Writes all `size` bytes; the error number of the failure, or 0.
int WriteAll(int fd, const char *data, qint64 size);
// Copies what is left of `in` to `out`; the error number of the failure, or 0.
int CopyRest(int in, int out);
// Closes `fd`; the error number of a failed close (a late write error), or 0.
int Close(int fd);
// Forces a folder's entries (a new name, a rename) to the disk; failures are left to the file system.
void SyncFolder(const QString &folder);

} // namespace platform::files::posix
