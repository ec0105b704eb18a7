#include "platform/files/WholeFile.h"

#include "platform/files/PosixFile.h"
#include "platform/files/SaveStream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {

bool IsFile(const QString &path)
{
    struct stat info;
    return !path.isEmpty() && ::stat(posix::NativePath(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsFolder(const QString &path)
{
    struct stat info;
    return !path.isEmpty() && ::stat(posix::NativePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CanRead(const QString &path)
{
    FileError error;
    const int fd = posix::OpenRegularForReading(path, error);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

ReadResult ReadWhole(const QString &path, qint64 maxSize)
{
    ReadResult result;
    struct stat info;
    const int fd = posix::OpenRegularForReading(path, result.error, &info);
    if (fd < 0)
        return result;
    if (info.st_size > maxSize) {
        ::close(fd);
        result.error = FileError::TooLarge;
        return result;
    }
    // The size is where the reading starts; a file that grows meanwhile is read to its end all the same,
    // up to the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (true) {
        if (filled > maxSize) {
            ::close(fd);
            result.error = FileError::TooLarge;
            return result;
        }
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = ErrorFromErrno(errno);
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        filled += n;
    }
    ::close(fd);
    bytes.truncate(filled);
    result.bytes = std::move(bytes);
    return result;
}

FileError ReadSlices(const QString &path, qint64 sliceSize, const std::function<void(QByteArrayView)> &take,
                     FileStamp *stamp)
{
    FileError error;
    struct stat info;
    const int fd = posix::OpenRegularForReading(path, error, &info);
    if (fd < 0)
        return error;
    // Closed however the read ends: `take` may throw.
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (stamp)
        *stamp = posix::StampOfStat(info);
    QByteArray buffer(sliceSize, Qt::Uninitialized);
    while (true) {
        const ssize_t n = ::read(fd, buffer.data(), size_t(sliceSize));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n == 0 ? FileError::None : ErrorFromErrno(errno);
            break;
        }
        take(QByteArrayView(buffer.constData(), n));
    }
    return error;
}

FileError CopyWhole(const QString &from, const QString &to)
{
    FileError error;
    const int in = posix::OpenRegularForReading(from, error);
    if (in < 0)
        return error;
    struct stat target;
    if (::stat(posix::NativePath(to).constData(), &target) == 0 && !S_ISREG(target.st_mode)) {
        ::close(in);
        return FileError::NotRegular;
    }
    const int out = ::open(posix::NativePath(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_CLOEXEC,
                           0666);
    if (out < 0) {
        const int failure = errno;
        ::close(in);
        return failure == ENOENT ? FileError::NoFolder : ErrorFromErrno(failure);
    }
    int failure = posix::CopyRest(in, out);
    ::close(in);
    if (const int closed = posix::Close(out); failure == 0)
        failure = closed;
    return ErrorFromErrno(failure);
}

FileError WriteWhole(const QString &path, QByteArrayView bytes, const QString &backupFolder)
{
    SaveStream stream(path, backupFolder);
    if (const FileError error = stream.Open(); error != FileError::None)
        return error;
    stream.Write(bytes);
    return stream.Commit();
}

} // namespace platform::files
