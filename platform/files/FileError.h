#pragma once

#include <QString>
#include <QtGlobal>

// What the file calls report: why an access failed, and the mark by which a file's content is known again.
namespace platform::files {

enum class FileError {
    None,
    Missing,          // no such file; a reader also counts a folder, FIFO, device or socket as missing
    NotRegular,       // a writer found a folder, FIFO, device or socket where the file should be
    NoFolder,         // the folder that is to hold the file does not exist
    NoPermission,     // the file, its folder or the file system refuses the access
    NoSpace,          // the disk, or the user's share of it, is full
    NoSpaceForBackup, // the folder that takes a save's backup of the old content is full
    NameTooLong,      // a name on the path, or the whole path, is longer than the file system takes
    TooManyLinks,     // the path's symbolic links go round in a circle or run too deep
    TooLarge,         // the file would outgrow what the file system or this process may write, or is
                      // larger than its reader takes
    Failed,           // any other failure of the system: an input or output error
};

// The reason that the system's error number `error` gives.
FileError ErrorFromErrno(int error);

// A file's size and modification time as the program last read or wrote them: a file whose stamp differs
// now has been changed by someone else since. Unknown (size -1) for a file that is not there.
struct FileStamp {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    bool known() const { return size >= 0; }
    bool operator==(const FileStamp &) const = default;
};

// The stamp of the regular file at `path` (a symbolic link is followed); unknown for anything else.
FileStamp StampOf(const QString &path);

} // namespace platform::files
