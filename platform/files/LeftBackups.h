#pragma once

#include "platform/files/FileError.h"

#include <QList>
#include <QString>

// The backups that in-place saves killed part way left in the backup folder, and putting their old content
// back. Backups and their records are named as SaveBackups.h says.
namespace platform::files {

struct LeftBackup {
    // The backup's full path.
    QString backup;
    // The full path of the file whose old content the backup keeps; empty when no sound record says it
    // (backups of older versions have none).
    QString file;
};

// The backups in `folder` that no save runs on any more, in the order of their names, each with the file
// its record names. A save holds a lock on its backup while it runs (SaveStream), so a backup still in use
// by another copy of the program is never taken for one left behind. Only regular files count; a symbolic
// link is passed by. A backup without a sound record (ReadBackupRecord) names no file.
QList<LeftBackup> FindLeftBackups(const QString &folder);

// Writes the backup's bytes over its file the way every save does (SaveStream, which keeps its own
// backup in `backupFolder` while it writes in place), then removes the backup and its record. On failure
// the file is as it was and both stay; the reason is the write's.
FileError PutBack(const LeftBackup &left, const QString &backupFolder);

} // namespace platform::files
