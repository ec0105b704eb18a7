#include "platform/files/PosixFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform::files {

FileError ErrorFromErrno(int error)
{
    switch (error) {
    case 0:
        return FileError::None;
    case ENOENT:
        return FileError::Missing;
    case ENOTDIR:
        return FileError::NoFolder;
    case EISDIR:
    case ENXIO:
    case ENODEV:
        return FileError::NotRegular;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return FileError::NoPermission;
    case ENOSPC:
    case EDQUOT:
        return FileError::NoSpace;
    case EFBIG:
        return FileError::TooLarge;
    case ENAMETOOLONG:
        return FileError::NameTooLong;
    case ELOOP:
        return FileError::TooManyLinks;
    default:
        return FileError::Failed;
    }
}

FileStamp StampOf(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(posix::NativePath(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    return posix::StampOfStat(info);
}

namespace posix {

QByteArray NativePath(const QString &path)
{
    return QFile::encodeName(path);
}

FileStamp StampOfStat(const struct stat &info)
{
    return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

int OpenRegularForReading(const QString &path, FileError &error, struct stat *info)
{
    struct stat local;
    struct stat &status = info ? *info : local;
    const QByteArray native = NativePath(path);
    if (path.isEmpty() || ::stat(native.constData(), &status) != 0) {
        // A folder on the way that may not be searched hides the file: that is a denial, not an absence.
        error = !path.isEmpty() && errno == EACCES ? FileError::NoPermission : FileError::Missing;
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        error = FileError::Missing;
        return -1;
    }
    // Not blocking, so that a FIFO put in the file's place since the test above cannot hold the open; the
    // test is made again on what was opened.
    int fd;
    do
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = ErrorFromErrno(errno);
        return -1;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = FileError::Missing;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    error = FileError::None;
    return fd;
}

int WriteAll(int fd, const char *data, qint64 size)
{
    for (qint64 written = 0; written < size;) {
        const ssize_t n = ::write(fd, data + written, size_t(size - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        written += n;
    }
    return 0;
}

int CopyRest(int in, int out)
{
    // The kernel copies the bytes itself, without a trip through this process's memory (or shares them,
    // where the file system can); where it cannot, a plain read and write loop does it.
    while (true) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, std::size_t(1) << 30, 0);
        if (copied == 0)
            return 0;
        if (copied < 0) {
            if (errno == EINTR)
                continue;
            // A full disk or an input error is the copy's failure; the others say only that the kernel
            // cannot copy between these two files.
            if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG || errno == EIO)
                return errno;
            break;
        }
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (true) {
        const ssize_t read = ::read(in, buffer.data(), size_t(buffer.size()));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return errno;
        if (read == 0)
            return 0;
        if (const int error = WriteAll(out, buffer.constData(), read))
            return error;
    }
}

int Close(int fd)
{
    // Linux releases the descriptor even when close reports an interruption: it is never closed twice.
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

void SyncFolder(const QString &folder)
{
    const int fd = ::open(NativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace posix
} // namespace platform::files
