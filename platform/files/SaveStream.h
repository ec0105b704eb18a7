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
    // to a backup first (see SaveBackups.h), which is removed once the new ones are complete and on the
    // disk; a failed write puts them back, and a killed save leaves the backup and its record. The save
    // holds a lock on the backup while it runs (LeftBackups), which the system drops with a killed process.
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

    // Chooses the way and gets ready to write; in place, the old bytes are copied to the backup, whole
    // and on the disk. Nothing of the file changes yet, in either way.
    FileError Open();
    SaveWay Way() const { return way_; }
    // In place, makes sure before any old byte is given up that `size` bytes can be written: within this
    // process's file-size limit, and with the disk's room taken ahead. Nothing to do for the other way,
    // whose failures leave the file as it was.
    FileError Reserve(qint64 size);
    // In place, the bytes go over the old ones from the start; what is left of the old ones past the new
    // end goes at Commit.
    void Write(QByteArrayView bytes);
    // The reason of the first failure so far.
    FileError Error() const { return error_; }
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
    // Writes the record of the backup `backup` and takes its name; false, with errno set, when it cannot.
    bool WriteRecord(const QString &backup);
    // Copies the old bytes from the open file to a new backup with its record.
    FileError MakeBackup();
    // Removes the backup, then its record.
    void RemoveBackup();
    bool RestoreFromBackup();

    QString path_;
    QString backupFolder_;
    // The file that is written: the path with its links followed.
    QString target_;
    QString tempPath_;
    QString backupPath_;
    QString recordPath_;
    SaveWay way_ = SaveWay::Replace;
    int fd_ = -1;
    int backupFd_ = -1;
    bool started_ = false;
    bool reserved_ = false;
    bool finished_ = false;
    FileError error_ = FileError::None;
    FileStamp stamp_;
};

} // namespace platform::files
