#include "platform/files/SaveStream.h"

#include "platform/files/PosixFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform::files {

using posix::NativePath;

namespace {

// As many links in a row as the system itself follows.
constexpr int MaxLinks = 40;

QString FolderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString NameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// The file that `path` stands for once its symbolic links are followed; a missing target is a file still to
// be made. `error` is the error number of a link that cannot be followed, or 0.
QString FollowLinks(const QString &path, int &error)
{
    QString target = path;
    for (int depth = 0; depth <= MaxLinks; ++depth) {
        struct stat info;
        if (::lstat(NativePath(target).constData(), &info) != 0) {
            error = errno == ENOENT ? 0 : errno;
            return target;
        }
        if (!S_ISLNK(info.st_mode)) {
            error = 0;
            return target;
        }
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(NativePath(target).constData(), link.data(), size_t(link.size()));
        if (length < 0) {
            error = errno;
            return target;
        }
        const QString next = QFile::decodeName(link.left(length));
        target = next.startsWith(u'/') ? next : FolderOf(target) + u'/' + next;
    }
    error = ELOOP;
    return target;
}

QString RandomSuffix()
{
    return QString::number(QRandomGenerator::global()->generate64() % 2176782336ULL, 36).rightJustified(6, u'0');
}

// Gives the new file at `to` the extended attributes of `from` (access lists, labels); false when one of
// them cannot be given.
bool CopyAttributes(const QString &from, int to)
{
    const QByteArray source = NativePath(from);
    ssize_t size = ::listxattr(source.constData(), nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP;
    QByteArray names(size, Qt::Uninitialized);
    size = ::listxattr(source.constData(), names.data(), size_t(names.size()));
    if (size < 0)
        return false;
    for (qsizetype at = 0; at < size;) {
        const char *name = names.constData() + at;
        at += qsizetype(std::strlen(name)) + 1;
        const ssize_t length = ::getxattr(source.constData(), name, nullptr, 0);
        if (length < 0)
            return false;
        QByteArray value(length, Qt::Uninitialized);
        if (::getxattr(source.constData(), name, value.data(), size_t(value.size())) != length ||
            ::fsetxattr(to, name, value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    return true;
}

// Makes `fd`, a new file, what the file described by `info` is: owner, group, mode and extended attributes.
bool GiveIdentity(int fd, const QString &original, const struct stat &info)
{
    struct stat mine;
    if (::fstat(fd, &mine) != 0)
        return false;
    if (mine.st_uid != info.st_uid || mine.st_gid != info.st_gid) {
        const uid_t owner = mine.st_uid != info.st_uid ? info.st_uid : uid_t(-1);
        const gid_t group = mine.st_gid != info.st_gid ? info.st_gid : gid_t(-1);
        if (::fchown(fd, owner, group) != 0)
            return false;
    }
    // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    return ::fchmod(fd, info.st_mode & 07777) == 0 && CopyAttributes(original, fd);
}

// Creates the file at `path`, which must not exist yet; `access` O_WRONLY or O_RDWR.
int OpenNew(const QString &path, int access, mode_t mode)
{
    int fd;
    do
        fd = ::open(NativePath(path).constData(), access | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// The backup's names: the file's own with ".bak", then numbered, so that a backup left by an earlier save
// is never overwritten.
QString BackupName(const QString &folder, const QString &name, int number)
{
    return folder + u'/' + name + (number == 1 ? QString() : u'.' + QString::number(number)) + QStringLiteral(".bak");
}

constexpr int MaxBackups = 1000;

} // namespace

SaveStream::SaveStream(const QString &path, const QString &backupFolder)
    : path_(path), backupFolder_(backupFolder.isEmpty() ? QDir::tempPath() : backupFolder)
{
    if (backupFolder_.size() > 1 && backupFolder_.endsWith(u'/'))
        backupFolder_.chop(1);
}

SaveStream::~SaveStream()
{
    if (!finished_)
        Cancel();
}

FileError SaveStream::Open()
{
    if (path_.isEmpty())
        return error_ = FileError::NoFolder;
    int linkError = 0;
    target_ = FollowLinks(path_, linkError);
    if (linkError != 0)
        return error_ = ErrorFromErrno(linkError);
    struct stat info {};
    if (::stat(NativePath(target_).constData(), &info) != 0) {
        if (errno != ENOENT)
            return error_ = ErrorFromErrno(errno);
        return error_ = OpenForReplace(false, info);
    }
    if (!S_ISREG(info.st_mode))
        return error_ = FileError::NotRegular;
    // A file that refuses this user is refused as the system's own write would refuse it, also when its
    // folder would take a new file in its place.
    if (::faccessat(AT_FDCWD, NativePath(target_).constData(), W_OK, AT_EACCESS) != 0)
        return error_ = ErrorFromErrno(errno);
    if (info.st_nlink == 1 && OpenForReplace(true, info) == FileError::None)
        return error_ = FileError::None;
    return error_ = OpenInPlace();
}

FileError SaveStream::OpenForReplace(bool exists, const struct stat &info)
{
    const QString folder = FolderOf(target_);
    // A new file is readable by nobody else until it has the old one's mode.
    const mode_t mode = exists ? 0600 : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString temp = folder + QStringLiteral("/.") + NameOf(target_) + u'.' + RandomSuffix();
        const int fd = OpenNew(temp, O_WRONLY, mode);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return errno == ENOENT ? FileError::NoFolder : ErrorFromErrno(errno);
        if (exists && !GiveIdentity(fd, target_, info)) {
            ::close(fd);
            ::unlink(NativePath(temp).constData());
            return FileError::NoPermission;
        }
        way_ = SaveWay::Replace;
        fd_ = fd;
        tempPath_ = temp;
        return FileError::None;
    }
    return FileError::Failed;
}

FileError SaveStream::OpenInPlace()
{
    // The old bytes must be read into the backup before any is overwritten.
    if (::faccessat(AT_FDCWD, NativePath(target_).constData(), R_OK, AT_EACCESS) != 0)
        return ErrorFromErrno(errno);
    int fd;
    do
        fd = ::open(NativePath(target_).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return ErrorFromErrno(errno);
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileError::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    way_ = SaveWay::InPlace;
    fd_ = fd;
    return FileError::None;
}

FileError SaveStream::StartInPlace()
{
    FileError error;
    const int in = posix::OpenRegularForReading(target_, error);
    if (in < 0)
        return error;
    // Copied into a file without a name, which takes its name only when it is complete and on the disk:
    // a save killed while copying leaves no partial backup that could pass for the old content. It is
    // read again when a failed write puts the old content back.
    int backup = ::open(NativePath(backupFolder_).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    const bool unnamed = backup >= 0;
    QString name;
    for (int number = 1; !unnamed && backup < 0 && number <= MaxBackups; ++number) {
        name = BackupName(backupFolder_, NameOf(target_), number);
        backup = OpenNew(name, O_RDWR, 0600);
        if (backup < 0 && errno != EEXIST)
            break;
    }
    if (backup < 0) {
        const int failure = errno;
        ::close(in);
        return failure == ENOENT ? FileError::NoFolder : ErrorFromErrno(failure);
    }
    // Held until the save ends, with the process at the latest: another copy's start, which reports the
    // backups that killed saves left, passes this one by.
    ::flock(backup, LOCK_EX);
    int failure = posix::CopyRest(in, backup);
    ::close(in);
    if (failure == 0 && ::fdatasync(backup) != 0)
        failure = errno;
    if (failure == 0 && unnamed) {
        const QByteArray handle = "/proc/self/fd/" + QByteArray::number(backup);
        failure = EEXIST;
        for (int number = 1; failure == EEXIST && number <= MaxBackups; ++number) {
            name = BackupName(backupFolder_, NameOf(target_), number);
            failure = ::linkat(AT_FDCWD, handle.constData(), AT_FDCWD, NativePath(name).constData(),
                               AT_SYMLINK_FOLLOW) == 0
                          ? 0
                          : errno;
        }
    }
    if (failure != 0) {
        ::close(backup);
        if (!unnamed)
            ::unlink(NativePath(name).constData());
        return ErrorFromErrno(failure);
    }
    posix::SyncFolder(backupFolder_);
    backupFd_ = backup;
    backupPath_ = name;
    if (::ftruncate(fd_, 0) != 0) {
        failure = errno;
        ::close(backupFd_);
        backupFd_ = -1;
        ::unlink(NativePath(backupPath_).constData());
        backupPath_.clear();
        return ErrorFromErrno(failure);
    }
    started_ = true;
    return FileError::None;
}

void SaveStream::Write(QByteArrayView bytes)
{
    if (error_ != FileError::None || finished_ || fd_ < 0)
        return;
    if (way_ == SaveWay::InPlace && !started_ && (error_ = StartInPlace()) != FileError::None)
        return;
    if (const int failure = posix::WriteAll(fd_, bytes.constData(), bytes.size()))
        error_ = ErrorFromErrno(failure);
}

FileError SaveStream::Commit()
{
    if (finished_)
        return error_;
    if (fd_ < 0) {
        finished_ = true;
        return error_ != FileError::None ? error_ : FileError::Failed;
    }
    if (error_ == FileError::None && way_ == SaveWay::InPlace && !started_)
        error_ = StartInPlace();
    if (error_ == FileError::None && ::fdatasync(fd_) != 0)
        error_ = ErrorFromErrno(errno);
    struct stat info;
    if (error_ == FileError::None && ::fstat(fd_, &info) == 0)
        stamp_ = posix::StampOfStat(info);
    if (error_ == FileError::None) {
        const int failure = posix::Close(fd_);
        fd_ = -1;
        error_ = ErrorFromErrno(failure);
    }
    if (error_ == FileError::None && way_ == SaveWay::Replace &&
        ::rename(NativePath(tempPath_).constData(), NativePath(target_).constData()) != 0)
        error_ = ErrorFromErrno(errno);
    if (error_ != FileError::None) {
        const FileError error = error_;
        Cancel();
        return error;
    }
    finished_ = true;
    if (way_ == SaveWay::Replace) {
        tempPath_.clear();
        posix::SyncFolder(FolderOf(target_));
    } else {
        // Removed while still locked: no start takes a complete save's backup for one left behind.
        ::unlink(NativePath(backupPath_).constData());
        ::close(backupFd_);
        backupFd_ = -1;
        backupPath_.clear();
    }
    return FileError::None;
}

void SaveStream::Cancel()
{
    if (finished_)
        return;
    finished_ = true;
    if (way_ == SaveWay::Replace) {
        if (fd_ >= 0)
            ::close(fd_);
        if (!tempPath_.isEmpty())
            ::unlink(NativePath(tempPath_).constData());
        tempPath_.clear();
    } else if (started_ && RestoreFromBackup()) {
        ::unlink(NativePath(backupPath_).constData());
        backupPath_.clear();
    }
    if (fd_ >= 0 && way_ == SaveWay::InPlace)
        ::close(fd_);
    fd_ = -1;
    if (backupFd_ >= 0)
        ::close(backupFd_);
    backupFd_ = -1;
}

bool SaveStream::RestoreFromBackup()
{
    const int out = fd_ >= 0 ? fd_ : ::open(NativePath(target_).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (out < 0)
        return false;
    // Emptied first: the blocks of the part-written new content make room for the old one.
    const bool restored = ::ftruncate(out, 0) == 0 && ::lseek(out, 0, SEEK_SET) == 0 &&
                          ::lseek(backupFd_, 0, SEEK_SET) == 0 && posix::CopyRest(backupFd_, out) == 0 &&
                          ::fdatasync(out) == 0;
    if (out != fd_)
        ::close(out);
    return restored;
}

} // namespace platform::files
