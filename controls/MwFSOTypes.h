#pragma once

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <QStringList>

// The enumerations and records of the MwFSO library, with the values its clients rely on.
namespace MwFSO {

enum ElementTypePath : qint32 {
    ElementTypePathNothing = 0,
    ElementTypePathComputer = 1,
    ElementTypePathDrive = 2,
    ElementTypePathFolder = 3,
    ElementTypePathFile = 4,
};

enum ElementTypeView : qint32 {
    ElementTypeViewIcon = 1,
    ElementTypeViewSmallIcon = 2,
    ElementTypeViewList = 3,
    ElementTypeViewReport = 4,
};

enum ElementTypeBaseIcons : qint32 {
    ElementTypeIconLarge = 256,
    ElementTypeIconSmall = 257,
};

enum ElementTypePlusIcons : qint32 {
    ElementTypeIconStandart = 0,
    ElementTypeIconOpen = 2,
    ElementTypeIconSelected = 65536,
    ElementTypeIconOpenSelected = 65538,
};

enum ElementPathVirtual : qint32 {
    ElementVirtualComputer = 1,
    ElementVirtualMyDocument = 2,
    ElementVirtualNetwork = 3,
    ElementVirtualRecycled = 4,
    ElementVirtualControlPanel = 5,
    ElementVirtualPrinters = 6,
    ElementVirtualInternet = 7,
};

enum ElementTypeExecute : qint32 {
    ElementTypeExecuteIndicated = 1,
    ElementTypeExecuteOpen = 2,
    ElementTypeExecuteEdit = 3,
};

enum ElementTypeArrange : qint32 {
    ElementTypeArrangeNothing = 0,
    ElementTypeArrangeHorizontal = 1,
    ElementTypeArrangeVertical = 2,
};

enum ElementSpecFolder : qint32 {
    ElementSpecDesktop = 0,
    ElementSpecPrograms = 2,
    ElementSpecPersonal = 5,
    ElementSpecFavorites = 6,
    ElementSpecStartup = 7,
    ElementSpecRecent = 8,
    ElementSpecSendTo = 9,
    ElementSpecStartMenu = 11,
    ElementSpecDesktop2 = 16,
    ElementSpecNethood = 19,
    ElementSpecFonts = 20,
    ElementSpecTemplates = 21,
    ElementSpecCommonStartMenu = 22,
    ElementSpecCommonPrograms = 23,
    ElementSpecCommonStartup = 24,
    ElementSpecCommonDesktop2 = 25,
    ElementSpecAppData = 26,
    ElementSpecPrintHood = 27,
    ElementSpecProgramFiles = 65536,
    ElementSpecCommonFiles = 65537,
};

enum FileInfoStr : qint32 {
    FileInfoPath = 1,
    FileInfoName = 2,
    FileInfoBaseName = 3,
    FileInfoExt = 4,
    FileInfoShortPath = 5,
    FileInfoShortName = 6,
    FileInfoParentDrive = 7,
    FileInfoParentFolder = 8,
    FileInfoType = 9,
};

enum FileInfoDate : qint32 {
    FileInfoDateCreated = 1,
    FileInfoDateModified = 2,
    FileInfoDateAccessed = 3,
};

enum FolderInfoStr : qint32 {
    FolderInfoPath = 1,
    FolderInfoName = 2,
    FolderInfoShortPath = 3,
    FolderInfoShortName = 4,
    FolderInfoParentDrive = 5,
    FolderInfoParentFolder = 6,
    FolderInfoType = 7,
};

enum FolderInfoDate : qint32 {
    FolderInfoDateCreated = 1,
    FolderInfoDateModified = 2,
    FolderInfoDateAccessed = 3,
};

enum FolderInfoLng : qint32 {
    FolderInfoSize = 1,
    FolderInfoCountSubFolders = 2,
    FolderInfoCountFiles = 3,
};

enum DriveInfoStr : qint32 {
    DriveInfoPath = 1,
    DriveInfoDriveLetter = 2,
    DriveInfoFileSystem = 3,
    DriveInfoVolumeName = 4,
};

enum DriveInfoLng : qint32 {
    DriveInfoTotalSize = 1,
    DriveInfoFreeSpace = 2,
    DriveInfoSerialNumber = 3,
};

enum DriveInfoType : qint32 {
    DriveTypeUnknown = 0,
    DriveTypeFloppy = 1,
    DriveTypeHard = 2,
    DriveTypeNetwork = 3,
    DriveTypeCdRom = 4,
    DriveTypeRam = 5,
    DriveTypeNothing = 6,
};

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
