#include "platform/files/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

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

FileError ReadSlices(const QString &path, qint64 sliceSize, const std::function<void(QByteArrayView)> &take)
{
    if (!IsFile(path))
        return FileError::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError::Unreadable;
    QByteArray buffer(sliceSize, Qt::Uninitialized);
    while (true) {
        const qint64 read = file.read(buffer.data(), sliceSize);
        if (read < 0)
            return FileError::Unreadable;
        if (read == 0)
            return FileError::None;
        take(QByteArrayView(buffer.constData(), read));
    }
}

namespace {

// Copies what is left of `in` to `out`; false when a read or a write fails.
bool CopyRest(int in, int out)
{
    // The kernel copies the bytes itself, without a trip through this process's memory (or shares them,
    // where the file system can); where it cannot, a plain read and write loop does it.
    while (true) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, std::size_t(1) << 30, 0);
        if (copied == 0)
            return true;
        if (copied < 0)
            break;
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (true) {
        const ssize_t read = ::read(in, buffer.data(), buffer.size());
        if (read <= 0)
            return read == 0;
        for (ssize_t written = 0; written < read;) {
            const ssize_t n = ::write(out, buffer.constData() + written, read - written);
            if (n <= 0)
                return false;
            written += n;
        }
    }
}

} // namespace

FileError CopyWhole(const QString &from, const QString &to)
{
    if (!IsFile(from))
        return FileError::Missing;
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return FileError::Unreadable;
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
        ::close(in);
        return FileError::Unwritable;
    }
    const bool copied = CopyRest(in, out);
    ::close(in);
    const bool closed = ::close(out) == 0;
    return copied && closed ? FileError::None : FileError::Unwritable;
}

FileError WriteWhole(const QString &path, const QByteArray &bytes)
{
    SliceWriter writer(path);
    writer.Write(bytes);
    return writer.Commit();
}

SliceWriter::SliceWriter(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || (info.exists() && !info.isWritable())) {
        failed_ = true;
        return;
    }
    file_ = std::make_unique<QSaveFile>(path);
    failed_ = !file_->open(QIODevice::WriteOnly);
}

SliceWriter::~SliceWriter() = default;

void SliceWriter::Write(const QByteArray &slice)
{
    if (!failed_ && file_->write(slice) != slice.size())
        failed_ = true;
}

FileError SliceWriter::Commit()
{
    if (failed_) {
        if (file_)
            file_->cancelWriting();
        return FileError::Unwritable;
    }
    return file_->commit() ? FileError::None : FileError::Unwritable;
}

} // namespace platform::files
