#pragma once

#include "controls/MwFSOTypes.h"

#include <QFileInfo>
#include <QString>

// The items of the file system as the helper class sees them: files, folders and their details, with the
// failures raised as the class raises them.
namespace MwFSO::Items {

// The file or folder at `path`; a missing one raises "file not found" or "path not found".
QFileInfo GetFile(const QString &path);
QFileInfo GetFolder(const QString &path);

// The full path of an item, without a closing "/" except for "/" itself.
QString PathOf(const QFileInfo &item);
// The drive root that holds the item, ending with "/".
QString DriveTextOf(const QFileInfo &item);
// The item's parent folder, ending with "/". A drive root has none: asking raises.
QString ParentTextOf(const QFileInfo &item);

// Directory 16, read-only 1 (no owner write bit), hidden 2 (name begins with "."), system 4 (neither a
// regular file nor a folder: devices, sockets, pipes).
FileAttributes AttributesOf(const QFileInfo &item);
// The Russian name of the item's kind.
QString TypeOf(const QFileInfo &item);

Date CreatedOf(const QFileInfo &item);
Date ModifiedOf(const QFileInfo &item);
Date AccessedOf(const QFileInfo &item);

// Every file below the folder, hidden ones too; a subfolder that cannot be read adds nothing.
qint64 FolderSize(const QFileInfo &folder);
// The direct subfolders and files, hidden ones too.
qint32 CountSubFolders(const QFileInfo &folder);
qint32 CountFiles(const QFileInfo &folder);

} // namespace MwFSO::Items
