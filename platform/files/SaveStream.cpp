#include "platform/files/SaveStream.h"

#include "platform/files/PosixFile.h"
#include "platform/files/SaveBackups.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
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

// The hidden file a replacing save writes beside the file: "." + the name (cut to fit) + "." + six letters
// or digits + "~". The form is what tells a file left by a killed save of the file from any other file.
constexpr qsizetype TempTailBytes = 9;

QString TempStem(const QString &name)
{
    return u'.' + CutName(name, MaxNameBytes - TempTailBytes) + u'.';
}

QString RandomSuffix()
{
    return QString::number(QRandomGenerator::global()->generate64() % 2176782336ULL, 36).rightJustified(6, u'0') +
           u'~';
}

// Whether `entry` is a hidden file of a save of the file whose temporary names start with `stem`.
bool IsTempOf(QByteArrayView entry, QByteArrayView stem)
{
    if (entry.size() != stem.size() + 7 || !entry.startsWith(stem) || !entry.endsWith('~'))
        return false;
    for (const char c : entry.sliced(stem.size(), 6))
        if (!(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z'))
            return false;
    return true;
}

// Removes the hidden files that earlier replacing saves of `target`, killed part way, left beside it.
// The names are read as they are, without a look at each entry: a folder of many files costs little.
void RemoveLeftTemps(const QString &target)
{
    const QString folder = FolderOf(target);
    const QByteArray stem = NativePath(TempStem(NameOf(target)));
    DIR *entries = ::opendir(NativePath(folder).constData());
    if (entries == nullptr)
        return;
    const int folderFd = ::dirfd(entries);
    while (const dirent *entry = ::readdir(entries)) {
        struct stat info;
        if (IsTempOf(entry->d_name, stem) && ::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(entries);
}

// The absolute spelling of `path`, as a backup's record names its file.
QString Absolute(const QString &path)
{
    return path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path;
}

// The backup folder's own reason for a failure in it: a full folder is not the file's disk.
FileError BackupFolderError(int error)
{
    return error == ENOSPC || error == EDQUOT ? FileError::NoSpaceForBackup
           : error == ENOENT                   ? FileError::NoFolder
                                               : ErrorFromErrno(error);
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

constexpr int MaxBackups = 1000;
// A backup being copied where the folder takes no file without a name; within the name limit, as a
// backup's name leaves room for its record's ".path".
const QString PartialSuffix = QStringLiteral(".part");

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
    const QString stem = FolderOf(target_) + u'/' + TempStem(NameOf(target_));
    // A new file is readable by nobody else until it has the old one's mode.
    const mode_t mode = exists ? 0600 : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString temp = stem + RandomSuffix();
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
    // Read as well as written through the one descriptor: the backup is copied from the very file that
    // is then emptied, whatever is renamed meanwhile.
    int fd;
    do
        fd = ::open(NativePath(target_).constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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
    if (const FileError error = MakeBackup(); error != FileError::None) {
        ::close(fd_);
        fd_ = -1;
        return error;
    }
    return FileError::None;
}

bool SaveStream::WriteRecord(const QString &backup)
{
    const QString record = BackupRecordPath(backup);
    const int fd = OpenNew(record, O_WRONLY, 0600);
    if (fd < 0)
        return false;
    const QByteArray text = BackupRecordText(Absolute(target_));
    const int failure = posix::WriteAll(fd, text.constData(), text.size());
    if (failure == 0 && ::fdatasync(fd) == 0 && posix::Close(fd) == 0) {
        recordPath_ = record;
        return true;
    }
    if (failure != 0)
        ::close(fd);
    const int error = failure != 0 ? failure : errno;
    ::unlink(NativePath(record).constData());
    errno = error;
    return false;
}

void SaveStream::RemoveBackup()
{
    // The backup before its record: a backup is never left without the record that names its file.
    if (!backupPath_.isEmpty())
        ::unlink(NativePath(backupPath_).constData());
    if (!recordPath_.isEmpty())
        ::unlink(NativePath(recordPath_).constData());
    backupPath_.clear();
    recordPath_.clear();
}

FileError SaveStream::MakeBackup()
{
    // The record first, on the disk before any of the old bytes is copied; then the copy, into a file
    // without a name (or, where the folder has none such, under a name of its own) that takes the backup's
    // name only when it is complete and on the disk, so that a save killed while copying leaves no partial
    // backup that could pass for the old content.
    int backup = ::open(NativePath(backupFolder_).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    const bool unnamed = backup >= 0;
    QString partial;
    int failure = 0;
    for (int number = 1; number <= MaxBackups && backupPath_.isEmpty(); ++number) {
        const QString name = files::BackupPath(backupFolder_, NameOf(target_), number);
        struct stat taken;
        if (::lstat(NativePath(name).constData(), &taken) == 0 ||
            ::lstat(NativePath(BackupRecordPath(name)).constData(), &taken) == 0)
            continue;
        if (!WriteRecord(name)) {
            if (errno == EEXIST)
                continue;
            failure = errno;
            break;
        }
        if (!unnamed && (backup = OpenNew(name + PartialSuffix, O_RDWR, 0600)) < 0) {
            failure = errno;
            RemoveBackup();
            if (failure == EEXIST)
                continue;
            break;
        }
        partial = unnamed ? QString() : name + PartialSuffix;
        backupPath_ = name;
    }
    if (backupPath_.isEmpty()) {
        if (backup >= 0)
            ::close(backup);
        return BackupFolderError(failure != 0 ? failure : EEXIST);
    }
    backupFd_ = backup;
    struct stat original, copy;
    failure = ::lseek(fd_, 0, SEEK_SET) == 0 ? posix::CopyRest(fd_, backupFd_) : errno;
    if (failure == 0 && ::lseek(fd_, 0, SEEK_SET) != 0)
        failure = errno;
    if (failure == 0 && ::fdatasync(backupFd_) != 0)
        failure = errno;
    // The file is given up only for a backup that holds all of it.
    if (failure == 0 && (::fstat(fd_, &original) != 0 || ::fstat(backupFd_, &copy) != 0 ||
                         original.st_size != copy.st_size))
        failure = EIO;
    if (failure == 0 && unnamed) {
        const QByteArray handle = "/proc/self/fd/" + QByteArray::number(backupFd_);
        if (::linkat(AT_FDCWD, handle.constData(), AT_FDCWD, NativePath(backupPath_).constData(),
                     AT_SYMLINK_FOLLOW) != 0)
            failure = errno;
    }
    if (failure == 0 && !unnamed &&
        ::rename(NativePath(partial).constData(), NativePath(backupPath_).constData()) != 0)
        failure = errno;
    if (failure != 0) {
        ::close(backupFd_);
        backupFd_ = -1;
        if (!unnamed)
            ::unlink(NativePath(partial).constData());
        // Not named: the name is another's, or nobody's.
        backupPath_.clear();
        RemoveBackup();
        return BackupFolderError(failure);
    }
    posix::SyncFolder(backupFolder_);
    return FileError::None;
}

FileError SaveStream::Reserve(qint64 size)
{
    if (error_ != FileError::None || finished_ || fd_ < 0 || way_ != SaveWay::InPlace)
        return error_;
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && rlim_t(size) > limit.rlim_cur)
        return error_ = FileError::TooLarge;
    // Blocks beyond the end are taken without changing the content or the size; a file system that
    // cannot take them ahead is left to fail, if it must, while writing.
    reserved_ = size > 0;
    if (reserved_ && ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
        error_ = ErrorFromErrno(errno);
    return error_;
}

void SaveStream::Write(QByteArrayView bytes)
{
    if (error_ != FileError::None || finished_ || fd_ < 0)
        return;
    // In place, the new bytes go over the old from the start, into the blocks the file has (and those
    // reserved ahead); the old bytes past the new end go when the save is committed.
    started_ = started_ || way_ == SaveWay::InPlace;
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
    if (error_ == FileError::None && way_ == SaveWay::InPlace) {
        started_ = true;
        const off_t end = ::lseek(fd_, 0, SEEK_CUR);
        if (end < 0 || ::ftruncate(fd_, end) != 0)
            error_ = ErrorFromErrno(errno);
    }
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
        ::close(backupFd_);
        backupFd_ = -1;
        RemoveBackup();
    }
    RemoveLeftTemps(target_);
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
    } else if (!started_) {
        // Cut to the size it has: the blocks taken ahead past its end go back to the disk.
        struct stat info;
        if (reserved_ && ::fstat(fd_, &info) == 0)
            ::ftruncate(fd_, info.st_size);
        RemoveBackup();
    } else if (RestoreFromBackup()) {
        RemoveBackup();
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
