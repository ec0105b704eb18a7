#pragma once

#include "platform/files/FileError.h"

#include <QByteArrayView>
#include <QString>

struct stat;

// Writing a file's new content as it comes, slice by slice, so that it is never held whole, without ever
// losing both the old content and the new.
namespace platform::files {

// How the new bytes take the old ones' place.
enum class SaveWay {
    // Into a new file beside the old one, renamed over it at the end: a failure or a kill at any moment
    // leaves the old file as it was. Mode, owner, group and extended attributes are carried over.
    Replace,
    // Into the file itself, where a new file would not be what the file is: another hard link shares it,
    // its owner or group cannot be given to a new file, or its folder takes no new file. The old bytes go
    // to a backup first, which is removed once the new ones are complete and on the disk; a failed write
    // puts them back, and a killed save leaves the backup.
    InPlace,
};

// A symbolic link is followed: its target is written and the link stays. A stream may be used on any
// thread, by one at a time: the open writes its preview copy on its reader thread.
//
//     SaveStream stream(path, backups);
//     if (stream.Open() == FileError::None) { stream.Write(a); stream.Write(b); error = stream.Commit(); }
class SaveStream {
public:
    // `backupFolder` takes the in-place way's backup (named after the file); empty: the system's
    // temporary folder.
    explicit SaveStream(const QString &path, const QString &backupFolder = QString());
    // A stream neither committed nor cancelled is cancelled.
    ~SaveStream();
    SaveStream(const SaveStream &) = delete;
    SaveStream &operator=(const SaveStream &) = delete;

    // Chooses the way and gets ready to write; nothing of the file changes yet, in either way.
    FileError Open();
    SaveWay Way() const { return way_; }
    // The first bytes written in place copy the old ones to the backup and empty the file.
    void Write(QByteArrayView bytes);
    // Makes the bytes written the file's content, on the disk; on failure the old content stays (put
    // back from the backup in place) and the reason of the first failure is returned.
    FileError Commit();
    // Drops what was written: the file keeps its old content.
    void Cancel();

    // The stamp of the file as written, after a successful Commit.
    FileStamp Stamp() const { return stamp_; }
    // The backup of the in-place way while the save runs; empty otherwise.
    QString BackupPath() const { return backupPath_; }

private:
    FileError OpenForReplace(bool exists, const struct stat &info);
    FileError OpenInPlace();
    // Copies the old bytes to the backup, then empties the file.
    FileError StartInPlace();
    bool RestoreFromBackup();

    QString path_;
    QString backupFolder_;
    // The file that is written: the path with its links followed.
    QString target_;
    QString tempPath_;
    QString backupPath_;
    SaveWay way_ = SaveWay::Replace;
    int fd_ = -1;
    int backupFd_ = -1;
    bool started_ = false;
    bool finished_ = false;
    FileError error_ = FileError::None;
    FileStamp stamp_;
};

} // namespace platform::files
