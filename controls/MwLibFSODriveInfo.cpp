#include "controls/MwLibFSO.h"

#include "controls/MwFSODrives.h"
#include "controls/MwFSOPaths.h"

#include <QFile>

#include <sys/statvfs.h>

// The drives: "/" and the mount roots of the file systems a user browses.
namespace MwFSO {

namespace {

// The drive named by `path`, which must be a drive root (with or without its closing "/").
QStorageInfo GetDrive(const QString &path)
{
    if (!IsDriveRoot(path))
        Raise(ErrorDeviceUnavailable);
    return QStorageInfo(WithSeparator(path));
}

// The details below need a drive that answers.
const QStorageInfo &Ready(const QStorageInfo &drive)
{
    if (!drive.isReady())
        Raise(ErrorDiskNotReady);
    return drive;
}

QString RootOf(const QStorageInfo &drive)
{
    return WithSeparator(drive.rootPath());
}

QString VolumeName(const QStorageInfo &drive)
{
    return Ready(drive).name();
}

// The file system's identifier stands in for a volume serial number.
qint32 SerialNumber(const QStorageInfo &drive)
{
    struct statvfs status {};
    if (::statvfs(QFile::encodeName(Ready(drive).rootPath()).constData(), &status) != 0)
        Raise(ErrorDiskNotReady);
    return static_cast<qint32>(status.f_fsid);
}

// The root and kind that the short and the full drive record both hold.
template <class Record>
void ReadDriveRootAndKind(Record &info, const QStorageInfo &drive)
{
    info.DriveInfoDriveLetter = RootOf(drive);
    info.DriveInfoDriveType = DriveKindOf(drive);
    info.DriveInfoPath = RootOf(drive);
}

} // namespace

DriveInfoShort MwLibFSO::DriveObjInfoShort(const QString &strDrivePath)
{
    return Guarded("DriveObjInfoShort", DriveInfoShort(), [&](DriveInfoShort &info) {
        info.DriveInfoExist = DriveExists(strDrivePath);
        if (!info.DriveInfoExist)
            return;
        ReadDriveRootAndKind(info, GetDrive(strDrivePath));
    });
}

DriveInfo MwLibFSO::DriveObjInfo(const QString &strDrivePath)
{
    return Guarded("DriveObjInfo", DriveInfo(), [&](DriveInfo &info) {
        info.DriveInfoExist = DriveExists(strDrivePath);
        if (!info.DriveInfoExist)
            return;
        const QStorageInfo drive = GetDrive(strDrivePath);
        ReadDriveRootAndKind(info, drive);
        info.DriveInfoFileSystem = QString::fromLatin1(Ready(drive).fileSystemType());
        info.DriveInfoFreeSpace = Ready(drive).bytesAvailable();
        info.DriveInfoIsReady = drive.isReady();
        info.DriveInfoSerialNumber = SerialNumber(drive);
        info.DriveInfoTotalSize = Ready(drive).bytesTotal();
        info.DriveInfoVolumeName = VolumeName(drive);
    });
}

qint32 MwLibFSO::GetDriveCount()
{
    return Guarded("GetDriveCount", qint32(0), [&](qint32 &count) { count = static_cast<qint32>(DriveRoots().size()); });
}

QString MwLibFSO::GetDriveInfoStr(const QString &strDrivePath, enum DriveInfoStr udtTypeInfo)
{
    if (udtTypeInfo < DriveInfoPath || udtTypeInfo > DriveInfoVolumeName)
        return QString();
    return Guarded("GetDriveInfoStr", QString(), [&](QString &value) {
        const QStorageInfo drive = GetDrive(strDrivePath);
        switch (udtTypeInfo) {
        case DriveInfoPath:
        case DriveInfoDriveLetter: value = RootOf(drive); break;
        case DriveInfoFileSystem: value = QString::fromLatin1(Ready(drive).fileSystemType()); break;
        case DriveInfoVolumeName:
            if (DriveIsReady(strDrivePath))
                value = VolumeName(drive);
            break;
        }
    });
}

qint64 MwLibFSO::GetDriveInfoLng(const QString &strDrivePath, enum DriveInfoLng udtTypeInfo)
{
    if (udtTypeInfo < DriveInfoTotalSize || udtTypeInfo > DriveInfoSerialNumber)
        return 0;
    return Guarded("GetDriveInfoLng", qint64(0), [&](qint64 &value) {
        const QStorageInfo drive = GetDrive(strDrivePath);
        value = udtTypeInfo == DriveInfoTotalSize  ? Ready(drive).bytesTotal()
                : udtTypeInfo == DriveInfoFreeSpace ? Ready(drive).bytesAvailable()
                                                    : SerialNumber(drive);
    });
}

DriveInfoType MwLibFSO::GetDriveInfoType(const QString &strDrivePath)
{
    return Guarded("GetDriveInfoType", DriveTypeNothing, [&](DriveInfoType &type) {
        if (DriveExists(strDrivePath))
            type = static_cast<DriveInfoType>(DriveKindOf(QStorageInfo(DriveOf(strDrivePath))));
    });
}

QString MwLibFSO::GetDriveInfoTypeStr(const QString &strDrivePath)
{
    return Guarded("GetDriveInfoTypeStr", QString(), [&](QString &text) {
        switch (GetDriveInfoType(strDrivePath)) {
        case DriveTypeFloppy: text = QStringLiteral("Гибкий диск"); break;
        case DriveTypeHard: text = QStringLiteral("Локальный диск"); break;
        case DriveTypeNetwork: text = QStringLiteral("Сетевой диск"); break;
        case DriveTypeCdRom: text = QStringLiteral("Компакт-диск"); break;
        case DriveTypeRam: text = QStringLiteral("RAM диск"); break;
        default: break;
        }
    });
}

} // namespace MwFSO
