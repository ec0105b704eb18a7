#pragma once

#include "controls/MwFSOTypes.h"

#include <QStorageInfo>
#include <QString>
#include <QStringList>

// The drives of this host: "/" first, then the mount roots of the real file systems a user browses, each
// ending with "/".
namespace MwFSO {

QStringList DriveRoots();

// Whether `path` names a drive root, with or without its closing "/".
bool IsDriveRoot(const QString &path);

// The root of the drive that holds `path` (the longest drive root it begins with); empty for a relative
// or empty path.
QString DriveOf(const QString &path);

// The kind of a mounted drive, from its file-system type and mount place.
DriveKind DriveKindOf(const QStorageInfo &storage);

} // namespace MwFSO
