#pragma once

#include <QByteArray>
#include <QString>

// Whole-file access: a file is read or written at once, never in place.
namespace platform::files {

enum class FileError {
    None,
    Missing,     // no such file, or the path is a folder
    Unreadable,  // exists but cannot be opened or read
    Unwritable,  // the folder or the file refuses the write
};

struct ReadResult {
    QByteArray bytes;
    FileError error = FileError::None;
    bool ok() const { return error == FileError::None; }
};

bool IsFile(const QString &path);
bool IsFolder(const QString &path);

// Whether the file exists and opens for reading; the content is not examined.
bool CanRead(const QString &path);

ReadResult ReadWhole(const QString &path);

// Replaces the file with `bytes` atomically: the bytes go to a temporary file in the same folder, which
// then takes the file's place. On failure the old file stays exactly as it was. A file that exists but is
// not writable is refused, as the platform's own write would refuse it.
FileError WriteWhole(const QString &path, const QByteArray &bytes);

} // namespace platform::files
