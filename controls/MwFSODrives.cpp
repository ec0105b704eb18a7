#include "controls/MwFSODrives.h"

#include "controls/MwFSOPaths.h"

namespace MwFSO {

DriveKind DriveKindOf(const QStorageInfo &storage)
{
    const QByteArray type = storage.fileSystemType();
    static const QList<QByteArray> network = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p",
                                              "afs", "ceph", "glusterfs"};
    if (network.contains(type))
        return DriveTypeNetwork;
    if (type == "iso9660" || type == "udf")
        return DriveTypeCdRom;
    if (type == "tmpfs" || type == "ramfs")
        return DriveTypeRam;
    const QString root = WithSeparator(storage.rootPath());
    if (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/")))
        return DriveTypeFloppy;
    return storage.isValid() ? DriveTypeHard : DriveTypeUnknown;
}

} // namespace MwFSO
