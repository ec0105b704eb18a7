#include "controls/MwLibFSO.h"

#include "controls/MwFSOPaths.h"
#include "controls/MwLibFSOItems.h"

#include "platform/text/AnsiCodePage.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

// Creating, copying, moving, deleting, reading and writing files and folders.
namespace MwFSO {

namespace {

namespace fs = std::filesystem;

fs::path Native(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

void Check(const std::error_code &error, ErrorNumber missing)
{
    if (error)
        RaiseErrno(error.value(), missing);
}

// Opens `path` for writing with the open flags `flags`, writes `bytes` whole and closes it.
void WriteWhole(const QString &path, int flags, const QByteArray &bytes)
{
    const int file = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC | flags, 0666);
    if (file < 0)
        RaiseErrno(errno, ErrorPathNotFound);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(file, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0) {
            const int failure = errno;
            ::close(file);
            RaiseErrno(failure, ErrorPathNotFound);
        }
        written += step;
    }
    if (::close(file) != 0)
        RaiseErrno(errno, ErrorPathNotFound);
}

// A target that ends in "/" names the folder to copy or move into, under the source's own name.
QString TargetOf(const QString &source, const QString &target)
{
    return target.endsWith(QLatin1Char('/')) ? target + LastComponent(source) : target;
}

QString Trimmed(const QString &path)
{
    return path.size() > 1 && path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
}

// A folder cannot be copied or moved into itself: the copy would never end.
void RefuseInside(const QString &source, const QString &target)
{
    const QString from = WithSeparator(Items::PathOf(QFileInfo(source)));
    const QString to = WithSeparator(Items::PathOf(QFileInfo(target)));
    if (to.startsWith(from))
        Raise(ErrorPermissionDenied);
}

// Moves an item whose target does not exist; across file systems by a copy and a delete.
void MoveItem(const QString &source, const QString &target, ErrorNumber missing)
{
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        Raise(ErrorFileExists);
    std::error_code error;
    fs::rename(Native(source), Native(target), error);
    if (error.value() == EXDEV) {
        error.clear();
        fs::copy(Native(source), Native(target), fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
        Check(error, missing);
        fs::remove_all(Native(source), error);
    }
    Check(error, missing);
}

bool ReadOnly(const QFileInfo &item)
{
    return Items::AttributesOf(item) & FileAttributeReadOnly;
}

} // namespace

bool MwLibFSO::FileCreate(const QString &strFilePath, bool boolOverWrite, const QString &strText)
{
    return Guarded("FileCreate", false, [&](bool &created) {
        if (QFileInfo(strFilePath).isDir())
            Raise(ErrorFileExists);
        WriteWhole(strFilePath, O_CREAT | O_TRUNC | (boolOverWrite ? 0 : O_EXCL), QByteArray());
        created = true;
        if (!strText.isEmpty())
            created = FileSaveText(strFilePath, strText);
    });
}

bool MwLibFSO::FileSaveText(const QString &strPathFile, const QString &strText)
{
    return Guarded("FileSaveText", false, [&](bool &saved) {
        Items::GetFile(strPathFile);
        WriteWhole(strPathFile, O_TRUNC, platform::text::StringToAnsi(strText));
        saved = true;
    });
}

QString MwLibFSO::FileOpenText(const QString &strPathFile, bool boolFileCreate, bool boolCheckExist)
{
    return Guarded("FileOpenText", QString(), [&](QString &text) {
        if (boolCheckExist && !FileExists(strPathFile))
            return;
        if (!QFileInfo::exists(strPathFile)) {
            if (!boolFileCreate)
                Raise(ErrorFileNotFound);
            WriteWhole(strPathFile, O_CREAT | O_EXCL, QByteArray());
            return;
        }
        QFile file(strPathFile);
        if (!file.open(QIODevice::ReadOnly))
            RaiseErrno(file.error() == QFileDevice::PermissionsError ? EACCES : EIO, ErrorFileNotFound);
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            Raise(ErrorDeviceIO);
        text = platform::text::AnsiToString(bytes);
    });
}

bool MwLibFSO::FileCopy(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite)
{
    return Guarded("FileCopy", false, [&](bool &copied) {
        if (!FolderExistParent(strNewPath) || !FileExists(strOldPath))
            return;
        const QString target = TargetOf(strOldPath, strNewPath);
        if (QFileInfo(target).isDir())
            Raise(ErrorPermissionDenied);
        std::error_code error;
        const auto options = boolOverWrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
        if (!boolOverWrite && QFileInfo::exists(target))
            Raise(ErrorFileExists);
        fs::copy_file(Native(strOldPath), Native(target), options, error);
        Check(error, ErrorFileNotFound);
        copied = true;
    });
}

bool MwLibFSO::FileMove(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite)
{
    return Guarded("FileMove", false, [&](bool &moved) {
        if (!FileExists(strOldPath))
            return;
        if (!boolOverWrite && FileExists(strNewPath))
            return;
        if (!FolderExistParent(strNewPath))
            return;
        MoveItem(strOldPath, TargetOf(strOldPath, strNewPath), ErrorFileNotFound);
        moved = true;
    });
}

bool MwLibFSO::FileDelete(const QString &strFilePath)
{
    return Guarded("FileDelete", false, [&](bool &deleted) {
        const QFileInfo file = Items::GetFile(strFilePath);
        if (ReadOnly(file))
            Raise(ErrorPermissionDenied);
        std::error_code error;
        fs::remove(Native(strFilePath), error);
        Check(error, ErrorFileNotFound);
        deleted = true;
    });
}

bool MwLibFSO::FolderCreate(const QString &strFolderPath, bool boolCheckExist)
{
    Q_UNUSED(boolCheckExist); // the folder is created without a test first
    return Guarded("FolderCreate", false, [&](bool &created) {
        std::error_code error;
        if (!fs::create_directory(Native(strFolderPath), error) && !error)
            Raise(ErrorFileExists);
        Check(error, ErrorPathNotFound);
        created = true;
    });
}

bool MwLibFSO::FolderCopy(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite)
{
    return Guarded("FolderCopy", false, [&](bool &copied) {
        if (!FolderExistParent(strNewPath) || !FolderExists(strOldPath))
            return;
        const QString source = Trimmed(strOldPath);
        const QString target = Trimmed(TargetOf(source, strNewPath));
        RefuseInside(source, target);
        if (QFileInfo::exists(target) && (!boolOverWrite || !QFileInfo(target).isDir()))
            Raise(ErrorFileExists);
        auto options = fs::copy_options::recursive | fs::copy_options::copy_symlinks;
        if (boolOverWrite)
            options |= fs::copy_options::overwrite_existing;
        std::error_code error;
        fs::copy(Native(source), Native(target), options, error);
        Check(error, ErrorPathNotFound);
        copied = true;
    });
}

bool MwLibFSO::FolderMove(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite)
{
    return Guarded("FolderMove", false, [&](bool &moved) {
        if (!FolderExists(strOldPath))
            return;
        if (!boolOverWrite && FolderExists(strNewPath))
            return;
        if (!FolderExistParent(strNewPath))
            return;
        const QString source = Trimmed(strOldPath);
        const QString target = Trimmed(TargetOf(source, strNewPath));
        RefuseInside(source, target);
        MoveItem(source, target, ErrorPathNotFound);
        moved = true;
    });
}

bool MwLibFSO::FolderDelete(const QString &strFolderPath)
{
    return Guarded("FolderDelete", false, [&](bool &deleted) {
        const QFileInfo folder = Items::GetFolder(strFolderPath);
        if (ReadOnly(folder))
            Raise(ErrorPermissionDenied);
        std::error_code error;
        fs::remove_all(Native(Trimmed(strFolderPath)), error);
        Check(error, ErrorPathNotFound);
        deleted = true;
    });
}

} // namespace MwFSO
