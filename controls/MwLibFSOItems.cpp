#include "controls/MwLibFSOItems.h"

#include "controls/MwFSODrives.h"
#include "controls/MwFSOError.h"
#include "controls/MwFSOPaths.h"
#include "platform/files/FileTypeName.h"

#include <QDir>
#include <QDirIterator>

namespace MwFSO::Items {

namespace {

constexpr QDir::Filters Everything = QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

} // namespace

QFileInfo GetFile(const QString &path)
{
    const QFileInfo item(path);
    if (path.isEmpty() || !item.exists() || item.isDir())
        Raise(ErrorFileNotFound);
    return item;
}

QFileInfo GetFolder(const QString &path)
{
    const QFileInfo item(path);
    if (path.isEmpty() || !item.isDir())
        Raise(ErrorPathNotFound);
    return item;
}

QString PathOf(const QFileInfo &item)
{
    return QDir::cleanPath(item.absoluteFilePath());
}

QString DriveTextOf(const QFileInfo &item)
{
    return DriveOf(PathOf(item));
}

QString ParentTextOf(const QFileInfo &item)
{
    const QString path = PathOf(item);
    if (IsDriveRoot(path))
        Raise(ErrorObjectNotSet);
    return WithSeparator(QFileInfo(path).path());
}

FileAttributes AttributesOf(const QFileInfo &item)
{
    FileAttributes attributes = 0;
    if (item.isDir())
        attributes |= FileAttributeDirectory;
    else if (!item.isFile())
        attributes |= FileAttributeSystem;
    if (!(item.permissions() & QFileDevice::WriteOwner))
        attributes |= FileAttributeReadOnly;
    if (item.fileName().startsWith(QLatin1Char('.')))
        attributes |= FileAttributeHidden;
    return attributes;
}

QString TypeOf(const QFileInfo &item)
{
    return platform::files::FileTypeName(item);
}

Date CreatedOf(const QFileInfo &item)
{
    // Not every file system keeps a birth time; the last change of the item's status stands in.
    const QDateTime born = item.birthTime();
    return born.isValid() ? born : item.metadataChangeTime();
}

Date ModifiedOf(const QFileInfo &item)
{
    return item.lastModified();
}

Date AccessedOf(const QFileInfo &item)
{
    return item.lastRead();
}

qint64 FolderSize(const QFileInfo &folder)
{
    qint64 size = 0;
    QDirIterator files(PathOf(folder), QDir::Files | Everything, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        size += files.fileInfo().size();
    }
    return size;
}

qint32 CountSubFolders(const QFileInfo &folder)
{
    return static_cast<qint32>(QDir(PathOf(folder)).entryList(QDir::Dirs | Everything).size());
}

qint32 CountFiles(const QFileInfo &folder)
{
    return static_cast<qint32>(QDir(PathOf(folder)).entryList(QDir::Files | Everything).size());
}

} // namespace MwFSO::Items
