#pragma once

#include <QString>
#include <QStringList>

// The drives of this host: "/" first, then the mount roots of the real, ready file systems that a user
// browses, each ending with "/"; kernel, container and system mounts (/proc, /sys, /dev, /run, /boot and
// the like) are folders of the drive they lie on, not drives.
namespace platform::files {

// When $VELLICOR_MOUNT_ROOTS is set it stands for the mount table: the drives are "/" and the folders it
// lists, separated by ":". It reaches every copy of this layer in the process, MwFSO's too, so that a
// test's folders can be drives for the program and its controls alike.
QStringList DriveRoots();

// Whether `path` names a drive root, with or without its closing "/".
bool IsDriveRoot(const QString &path);

// The root of the drive that holds `path` (the longest drive root it begins with); empty for a relative
// or empty path.
QString DriveOf(const QString &path);

} // namespace platform::files
