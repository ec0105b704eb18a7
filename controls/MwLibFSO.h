#pragma once

#include "controls/MwFSOError.h"
#include "controls/MwFSOTypes.h"

#include <QString>
#include <QStringList>

// The file-system helper of the MwFSO library: every question the controls ask about drives, folders,
// files, icons and paths. It keeps no state; each method works on its arguments alone. Every method but
// `GetFolderParent` raises its failures as `MwFSOError` (number, source, description, help file, help
// context) and passes the failures of the methods it calls on unchanged.
//
// String arrays (`GetFiles`, `GetFolders`, `GetDrives`) keep element 0 empty and put the items in
// elements 1 to n; a listing of a folder that does not exist leaves the caller's array as it was.
//
// On this host: drives are "/" and the mount roots of the file systems a user browses, each ending with
// "/" (`GetDrives` lists those roots); paths compare exactly; a short name is the path itself; sizes are
// 64-bit, exact beyond 2 GiB.
namespace MwFSO {

class MwLibFSO {
public:
    // Names and shell.
    QString GetTemparyFileName(bool boolExtExist, bool boolRadExist);
    void ElementExecute(const QString &strPath, const QString &strAttribute = QString(), qint32 lngHwnd = 0,
                        qint32 udtType = 0, const QString &strType = QString());
    QString ElementVirtualPath(ElementPathVirtual udtElementType);
    QString ElementSpecFolder(enum ElementSpecFolder udtType);
    ElementInfoSizeIcons ElementObjInfoSizeIcons(const QString &strElementPath, ElementTypePlusIcons udtTypePlusIcon);
    ElementInfoTypeIcons ElementObjInfoTypeIcons(const QString &strElementPath, ElementTypeBaseIcons udtTypeBaseIcon);
    Picture GetElementIcon(const QString &strElementPath, ElementTypeBaseIcons udtTypeBaseIcon,
                           ElementTypePlusIcons udtTypePlusIcon);
    QString GetElementShortName(const QString &strFullPath);
    QString GetElementFullName(const QString &strShortPath);

    // Listings.
    void GetFiles(const QString &strPathFolder, QStringList &strFiles, QStringList &strFilters);
    void GetFolders(const QString &strPathParent, QStringList &strFolders);
    void GetDrives(QStringList &strDrives);

    // Files.
    bool FileExists(const QString &strFilePath);
    bool FileNameRight(const QString &strFilePath);
    bool FileCreate(const QString &strFilePath, bool boolOverWrite, const QString &strText);
    bool FileCopy(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite);
    bool FileMove(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite);
    bool FileDelete(const QString &strFilePath);
    QString FileOpenText(const QString &strPathFile, bool boolFileCreate, bool boolCheckExist);
    bool FileSaveText(const QString &strPathFile, const QString &strText);
    FileInfoShort FileObjInfoShort(const QString &strFilePath, bool boolAbstract);
    FileInfo FileObjInfo(const QString &strFilePath);
    FileInfoFull FileObjInfoFull(const QString &strFilePath);
    QString GetFileInfoStr(const QString &strFilePath, FileInfoStr udtTypeInfo);
    Date GetFileInfoDate(const QString &strFilePath, FileInfoDate udtTypeInfo);
    qint64 GetFileInfoSize(const QString &strFilePath);
    FileAttributes GetFileInfoAttributes(const QString &strFilePath);

    // Folders.
    bool FolderExists(const QString &strFolderPath);
    bool FolderCreate(const QString &strFolderPath, bool boolCheckExist);
    bool FolderCopy(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite);
    bool FolderMove(const QString &strOldPath, const QString &strNewPath, bool boolOverWrite);
    bool FolderDelete(const QString &strFolderPath);
    FolderInfoShort FolderObjInfoShort(const QString &strFolderPath, bool boolAbstract);
    FolderInfo FolderObjInfo(const QString &strFolderPath);
    FolderInfoFull FolderObjInfoFull(const QString &strFolderPath);
    bool FolderExistParent(const QString &strPath);
    QString GetFolderInfoStr(const QString &strFolderPath, FolderInfoStr udtTypeInfo);
    QString GetFolderParent(const QString &strPath);
    Date GetFolderInfoDate(const QString &strFolderPath, FolderInfoDate udtTypeInfo);
    qint64 GetFolderInfoLng(const QString &strFolderPath, FolderInfoLng udtTypeInfo);
    FileAttributes GetFolderInfoAttribute(const QString &strFolderPath);
    QString GetFolderRoot(const QString &strPath1, const QString &strPath2);

    // Drives.
    bool DriveExists(const QString &strDrivePath);
    bool DriveIsReady(const QString &strDrivePath);
    DriveInfoShort DriveObjInfoShort(const QString &strDrivePath);
    DriveInfo DriveObjInfo(const QString &strDrivePath);
    qint32 GetDriveCount();
    QString GetDriveInfoStr(const QString &strDrivePath, DriveInfoStr udtTypeInfo);
    qint64 GetDriveInfoLng(const QString &strDrivePath, DriveInfoLng udtTypeInfo);
    QString GetDriveInfoTypeStr(const QString &strDrivePath);
    DriveInfoType GetDriveInfoType(const QString &strDrivePath);
};

} // namespace MwFSO
