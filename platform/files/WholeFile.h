#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

class QSaveFile;

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

// Reads the whole file a slice of at most `sliceSize` bytes at a time, handing each to `take` in turn, so
// that a large file is never held whole.
// The slice is valid only during the call: one buffer serves every slice.
FileError ReadSlices(const QString &path, qint64 sliceSize, const std::function<void(QByteArrayView)> &take);

// Makes `to` a copy of the file `from`, byte for byte, replacing what was there. Meant for working copies:
// the copy is not atomic and not forced to the disk, as a save is.
FileError CopyWhole(const QString &from, const QString &to);

// Replaces the file with `bytes` atomically: the bytes go to a temporary file in the same folder, which
// then takes the file's place. On failure the old file stays exactly as it was. A file that exists but is
// not writable is refused, as the platform's own write would refuse it.
FileError WriteWhole(const QString &path, const QByteArray &bytes);

// The same write for bytes that come in slices: the file is replaced only by Commit, and only when every
// slice was written.
class SliceWriter {
public:
    explicit SliceWriter(const QString &path);
    ~SliceWriter();
    void Write(const QByteArray &slice);
    FileError Commit();

private:
    std::unique_ptr<QSaveFile> file_;
    bool failed_ = false;
};

} // namespace platform::files
