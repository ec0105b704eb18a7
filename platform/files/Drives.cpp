#include "platform/files/Drives.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStorageInfo>

namespace platform::files {

namespace {

QString WithSeparator(const QString &path)
{
    return path.isEmpty() || path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

// Kernel, container and packaging file systems that hold no user files.
bool IsPseudoFileSystem(const QByteArray &type)
{
    static const QList<QByteArray> pseudo = {
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "ramfs", "cgroup", "cgroup2", "securityfs", "debugfs",
        "tracefs", "pstore", "bpf", "mqueue", "hugetlbfs", "fusectl", "configfs", "autofs", "binfmt_misc",
        "squashfs", "nsfs", "efivarfs", "rpc_pipefs", "selinuxfs", "overlay", "fuse.gvfsd-fuse", "fuse.portal"};
    return pseudo.contains(type);
}

// Mount places that belong to the system rather than to the user's data.
bool IsSystemPlace(const QString &root)
{
    if (root.startsWith(QLatin1String("/run/media/")))
        return false;
    static const QStringList places = {
        QStringLiteral("/proc/"), QStringLiteral("/sys/"), QStringLiteral("/dev/"), QStringLiteral("/run/"),
        QStringLiteral("/boot/"), QStringLiteral("/snap/"), QStringLiteral("/var/"), QStringLiteral("/etc/"),
        QStringLiteral("/usr/"), QStringLiteral("/tmp/"), QStringLiteral("/lib/"), QStringLiteral("/lib64/"),
        QStringLiteral("/bin/"), QStringLiteral("/sbin/")};
    for (const QString &place : places) {
        if (root.startsWith(place))
            return true;
    }
    return false;
}

QStringList MountedRoots()
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        const QString root = WithSeparator(storage.rootPath());
        if (!storage.isValid() || !storage.isReady() || roots.contains(root) || IsSystemPlace(root)
            || IsPseudoFileSystem(storage.fileSystemType()) || !QFileInfo(root).isDir())
            continue;
        roots.append(root);
    }
    return roots;
}

QStringList ConfiguredRoots(const QString &configured)
{
    QStringList roots{QStringLiteral("/")};
    for (const QString &folder : configured.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString root = WithSeparator(folder);
        if (!roots.contains(root))
            roots.append(root);
    }
    return roots;
}

} // namespace

QStringList DriveRoots()
{
    if (qEnvironmentVariableIsSet("VELLICOR_MOUNT_ROOTS"))
        return ConfiguredRoots(qEnvironmentVariable("VELLICOR_MOUNT_ROOTS"));
    // Every path question may ask for the drives: read the mount table at most once a second.
    static QStringList roots;
    static QElapsedTimer age;
    if (!age.isValid() || age.hasExpired(1000)) {
        roots = MountedRoots();
        age.start();
    }
    return roots;
}

bool IsDriveRoot(const QString &path)
{
    return !path.isEmpty() && DriveRoots().contains(WithSeparator(path));
}

QString DriveOf(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return QString();
    const QString folder = WithSeparator(path);
    QString drive;
    for (const QString &root : DriveRoots()) {
        if (folder.startsWith(root) && root.size() > drive.size())
            drive = root;
    }
    return drive;
}

} // namespace platform::files
