#pragma once

#include "platform/files/FileError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <limits>

// Whole-file access. Only regular files are read: a FIFO, a device or a socket counts as missing, so that
// a reader never waits on one or reads one without end.
namespace platform::files {

struct ReadResult {
    QByteArray bytes;
    FileError error = FileError::None;
    bool ok() const { return error == FileError::None; }
};

// Whether `path` names a regular file (a symbolic link is followed).
bool IsFile(const QString &path);
bool IsFolder(const QString &path);

// Whether the regular file opens for reading; the content is not examined.
bool CanRead(const QString &path);

// The whole file; one of more than `maxSize` bytes is not read (TooLarge), so that a reader of small files
// is never given a huge one whole.
ReadResult ReadWhole(const QString &path, qint64 maxSize = std::numeric_limits<qint64>::max());

// Reads the whole file a slice of at most `sliceSize` bytes at a time, handing each to `take` in turn, so
// that a large file is never held whole. The slice is valid only during the call: one buffer serves every
// slice. `stamp`, when given, receives the stamp of the file as it was opened for this read. May run on any
// thread; what `take` throws ends the read and passes on, the file closed.
FileError ReadSlices(const QString &path, qint64 sliceSize, const std::function<void(QByteArrayView)> &take,
                     FileStamp *stamp = nullptr);

// Makes `to` a copy of the file `from`, byte for byte, replacing what was there. Meant for working copies:
// the copy is not atomic and not forced to the disk, as a save is. May run on any thread.
FileError CopyWhole(const QString &from, const QString &to);

// Writes `bytes` as the whole file the way every save does (SaveStream, with `backupFolder` for the backup
// of a file written in place): the file keeps what it is, and a failure at any point leaves its old content.
FileError WriteWhole(const QString &path, QByteArrayView bytes, const QString &backupFolder = QString());

} // namespace platform::files
