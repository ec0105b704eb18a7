#pragma once

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <QStringList>

// The enumerations and records of the MwFSO library, with the values its clients rely on.
//
// Each enumeration of the type library has its members listed once, in MWFSO_<name>(X) as X(member,
// value): the C++ enumeration below and the type library's entry are both made from that list.
#define MWFSO_ENUMERATOR(member, value) member = value,

namespace MwFSO {

#define MWFSO_ElementTypePath(X) \
    X(ElementTypePathNothing, 0) \
    X(ElementTypePathComputer, 1) \
    X(ElementTypePathDrive, 2) \
    X(ElementTypePathFolder, 3) \
    X(ElementTypePathFile, 4)
enum ElementTypePath : qint32 { MWFSO_ElementTypePath(MWFSO_ENUMERATOR) };

#define MWFSO_ElementTypeView(X) \
    X(ElementTypeViewIcon, 1) \
    X(ElementTypeViewSmallIcon, 2) \
    X(ElementTypeViewList, 3) \
    X(ElementTypeViewReport, 4)
enum ElementTypeView : qint32 { MWFSO_ElementTypeView(MWFSO_ENUMERATOR) };

#define MWFSO_ElementTypeBaseIcons(X) \
    X(ElementTypeIconLarge, 256) \
    X(ElementTypeIconSmall, 257)
enum ElementTypeBaseIcons : qint32 { MWFSO_ElementTypeBaseIcons(MWFSO_ENUMERATOR) };

#define MWFSO_ElementTypePlusIcons(X) \
    X(ElementTypeIconStandart, 0) \
    X(ElementTypeIconOpen, 2) \
    X(ElementTypeIconSelected, 65536) \
    X(ElementTypeIconOpenSelected, 65538)
enum ElementTypePlusIcons : qint32 { MWFSO_ElementTypePlusIcons(MWFSO_ENUMERATOR) };

#define MWFSO_ElementPathVirtual(X) \
    X(ElementVirtualComputer, 1) \
    X(ElementVirtualMyDocument, 2) \
    X(ElementVirtualNetwork, 3) \
    X(ElementVirtualRecycled, 4) \
    X(ElementVirtualControlPanel, 5) \
    X(ElementVirtualPrinters, 6) \
    X(ElementVirtualInternet, 7)
enum ElementPathVirtual : qint32 { MWFSO_ElementPathVirtual(MWFSO_ENUMERATOR) };

#define MWFSO_ElementTypeExecute(X) \
    X(ElementTypeExecuteIndicated, 1) \
    X(ElementTypeExecuteOpen, 2) \
    X(ElementTypeExecuteEdit, 3)
enum ElementTypeExecute : qint32 { MWFSO_ElementTypeExecute(MWFSO_ENUMERATOR) };

#define MWFSO_ElementTypeArrange(X) \
    X(ElementTypeArrangeNothing, 0) \
    X(ElementTypeArrangeHorizontal, 1) \
    X(ElementTypeArrangeVertical, 2)
enum ElementTypeArrange : qint32 { MWFSO_ElementTypeArrange(MWFSO_ENUMERATOR) };

#define MWFSO_ElementSpecFolder(X) \
    X(ElementSpecDesktop, 0) \
    X(ElementSpecPrograms, 2) \
    X(ElementSpecPersonal, 5) \
    X(ElementSpecFavorites, 6) \
    X(ElementSpecStartup, 7) \
    X(ElementSpecRecent, 8) \
    X(ElementSpecSendTo, 9) \
    X(ElementSpecStartMenu, 11) \
    X(ElementSpecDesktop2, 16) \
    X(ElementSpecNethood, 19) \
    X(ElementSpecFonts, 20) \
    X(ElementSpecTemplates, 21) \
    X(ElementSpecCommonStartMenu, 22) \
    X(ElementSpecCommonPrograms, 23) \
    X(ElementSpecCommonStartup, 24) \
    X(ElementSpecCommonDesktop2, 25) \
    X(ElementSpecAppData, 26) \
    X(ElementSpecPrintHood, 27) \
    X(ElementSpecProgramFiles, 65536) \
    X(ElementSpecCommonFiles, 65537)
enum ElementSpecFolder : qint32 { MWFSO_ElementSpecFolder(MWFSO_ENUMERATOR) };

#define MWFSO_FileInfoStr(X) \
    X(FileInfoPath, 1) \
    X(FileInfoName, 2) \
    X(FileInfoBaseName, 3) \
    X(FileInfoExt, 4) \
    X(FileInfoShortPath, 5) \
    X(FileInfoShortName, 6) \
    X(FileInfoParentDrive, 7) \
    X(FileInfoParentFolder, 8) \
    X(FileInfoType, 9)
enum FileInfoStr : qint32 { MWFSO_FileInfoStr(MWFSO_ENUMERATOR) };

#define MWFSO_FileInfoDate(X) \
    X(FileInfoDateCreated, 1) \
    X(FileInfoDateModified, 2) \
    X(FileInfoDateAccessed, 3)
enum FileInfoDate : qint32 { MWFSO_FileInfoDate(MWFSO_ENUMERATOR) };

#define MWFSO_FolderInfoStr(X) \
    X(FolderInfoPath, 1) \
    X(FolderInfoName, 2) \
    X(FolderInfoShortPath, 3) \
    X(FolderInfoShortName, 4) \
    X(FolderInfoParentDrive, 5) \
    X(FolderInfoParentFolder, 6) \
    X(FolderInfoType, 7)
enum FolderInfoStr : qint32 { MWFSO_FolderInfoStr(MWFSO_ENUMERATOR) };

#define MWFSO_FolderInfoDate(X) \
    X(FolderInfoDateCreated, 1) \
    X(FolderInfoDateModified, 2) \
    X(FolderInfoDateAccessed, 3)
enum FolderInfoDate : qint32 { MWFSO_FolderInfoDate(MWFSO_ENUMERATOR) };

#define MWFSO_FolderInfoLng(X) \
    X(FolderInfoSize, 1) \
    X(FolderInfoCountSubFolders, 2) \
    X(FolderInfoCountFiles, 3)
enum FolderInfoLng : qint32 { MWFSO_FolderInfoLng(MWFSO_ENUMERATOR) };

#define MWFSO_DriveInfoStr(X) \
    X(DriveInfoPath, 1) \
    X(DriveInfoDriveLetter, 2) \
    X(DriveInfoFileSystem, 3) \
    X(DriveInfoVolumeName, 4)
enum DriveInfoStr : qint32 { MWFSO_DriveInfoStr(MWFSO_ENUMERATOR) };

#define MWFSO_DriveInfoLng(X) \
    X(DriveInfoTotalSize, 1) \
    X(DriveInfoFreeSpace, 2) \
    X(DriveInfoSerialNumber, 3)
enum DriveInfoLng : qint32 { MWFSO_DriveInfoLng(MWFSO_ENUMERATOR) };

#define MWFSO_DriveInfoType(X) \
    X(DriveTypeUnknown, 0) \
    X(DriveTypeFloppy, 1) \
    X(DriveTypeHard, 2) \
    X(DriveTypeNetwork, 3) \
    X(DriveTypeCdRom, 4) \
    X(DriveTypeRam, 5) \
    X(DriveTypeNothing, 6)
enum DriveInfoType : qint32 { MWFSO_DriveInfoType(MWFSO_ENUMERATOR) };

#undef MWFSO_ENUMERATOR

// The file-attribute set of files and folders: read-only is a missing owner write bit, hidden a name that
// begins with ".", system anything that is neither a regular file nor a folder.
using FileAttributes = qint32;
enum FileAttribute : qint32 {
    FileAttributeNormal = 0,
    FileAttributeReadOnly = 1,
    FileAttributeHidden = 2,
    FileAttributeSystem = 4,
    FileAttributeDirectory = 16,
};

// The kind of a drive, numbered as `DriveInfoType` numbers its first six values.
using DriveKind = qint32;

// Pictures are icons; a date that was not read is the null date.
using Picture = QIcon;
using Date = QDateTime;

struct ElementInfoSizeIcons {
    Picture ElementInfoIconSmall;
    Picture ElementInfoIconLarge;
};

struct ElementInfoTypeIcons {
    Picture ElementInfoIconStandart;
    Picture ElementInfoIconOpen;
    Picture ElementInfoIconSelected;
};

// Sizes are 64-bit so that files and drives over 2 GiB keep their exact size.
struct FileInfoShort {
    QString FileInfoPath, FileInfoName, FileInfoBaseName, FileInfoExt, FileInfoParentDrive, FileInfoParentFolder;
    bool FileInfoExist = false;
};

struct FileInfo {
    QString FileInfoPath, FileInfoName, FileInfoBaseName, FileInfoExt, FileInfoParentDrive, FileInfoParentFolder,
        FileInfoType;
    FileAttributes FileInfoAttributes = 0;
    qint64 FileInfoSize = 0;
    bool FileInfoExist = false;
};

struct FileInfoFull {
    QString FileInfoPath, FileInfoName, FileInfoBaseName, FileInfoExt, FileInfoShortPath, FileInfoShortName,
        FileInfoParentDrive, FileInfoParentFolder;
    Date FileInfoDateCreated, FileInfoDateModified, FileInfoDateAccessed;
    QString FileInfoType;
    FileAttributes FileInfoAttributes = 0;
    qint64 FileInfoSize = 0;
    bool FileInfoExist = false;
};

struct FolderInfoShort {
    QString FolderInfoPath, FolderInfoName, FolderInfoParentDrive, FolderInfoParentFolder;
    qint32 FolderInfoCountSubFolders = 0;
    bool FolderInfoExist = false;
};

struct FolderInfo {
    QString FolderInfoPath, FolderInfoName, FolderInfoParentDrive, FolderInfoParentFolder, FolderInfoType;
    FileAttributes FolderInfoAttributes = 0;
    qint32 FolderInfoCountSubFolders = 0;
    qint32 FolderInfoCountFiles = 0;
    bool FolderInfoExist = false;
};

struct FolderInfoFull {
    QString FolderInfoPath, FolderInfoName, FolderInfoShortPath, FolderInfoShortName, FolderInfoParentDrive,
        FolderInfoParentFolder;
    Date FolderInfoDateCreated, FolderInfoDateModified, FolderInfoDateAccessed;
    QString FolderInfoType;
    FileAttributes FolderInfoAttributes = 0;
    qint64 FolderInfoSize = 0;
    qint32 FolderInfoCountSubFolders = 0;
    qint32 FolderInfoCountFiles = 0;
    bool FolderInfoExist = false;
};

struct DriveInfoShort {
    QString DriveInfoDriveLetter;
    DriveKind DriveInfoDriveType = 0;
    QString DriveInfoPath;
    bool DriveInfoExist = false;
};

struct DriveInfo {
    QString DriveInfoDriveLetter;
    DriveKind DriveInfoDriveType = 0;
    QString DriveInfoFileSystem;
    qint64 DriveInfoFreeSpace = 0;
    bool DriveInfoIsReady = false;
    QString DriveInfoPath;
    qint32 DriveInfoSerialNumber = 0;
    qint64 DriveInfoTotalSize = 0;
    QString DriveInfoVolumeName;
    bool DriveInfoExist = false;
};

} // namespace MwFSO
