#include "controls/MwLibFSO.h"

#include "controls/MwFSODrives.h"
#include "controls/MwFSOPaths.h"
#include "controls/MwLibFSOItems.h"

// The records and single details of files and folders.
namespace MwFSO {

namespace {

// Subfolder and file counts are read only for a plain folder (directory and nothing else).
bool Plain(const QFileInfo &folder)
{
    return Items::AttributesOf(folder) == FileAttributeDirectory;
}

// Created, modified or accessed, as FileInfoDate and FolderInfoDate both number them.
Date DateOf(const QFileInfo &item, qint32 which)
{
    static_assert(qint32(FileInfoDateCreated) == qint32(FolderInfoDateCreated)
                  && qint32(FileInfoDateModified) == qint32(FolderInfoDateModified));
    return which == FileInfoDateCreated    ? Items::CreatedOf(item)
           : which == FileInfoDateModified ? Items::ModifiedOf(item)
                                           : Items::AccessedOf(item);
}

// The names and places that every file record read from an existing file holds.
template <class Record>
void ReadFileNames(Record &info, const QString &path, const QFileInfo &file)
{
    info.FileInfoPath = Items::PathOf(file);
    info.FileInfoName = file.fileName();
    info.FileInfoBaseName = BaseName(path);
    info.FileInfoExt = ExtensionName(path);
    info.FileInfoParentDrive = Items::DriveTextOf(file);
    info.FileInfoParentFolder = Items::ParentTextOf(file);
}

// The kind, attribute set and size of the two longer file records.
template <class Record>
void ReadFileKind(Record &info, const QFileInfo &file)
{
    info.FileInfoType = Items::TypeOf(file);
    info.FileInfoAttributes = Items::AttributesOf(file);
    info.FileInfoSize = file.size();
}

// The path, name and drive of a folder record; each record reads the parent folder in its own way.
template <class Record>
void ReadFolderNames(Record &info, const QFileInfo &folder)
{
    info.FolderInfoPath = Items::PathOf(folder);
    info.FolderInfoName = QFileInfo(info.FolderInfoPath).fileName();
    info.FolderInfoParentDrive = Items::DriveTextOf(folder);
}

// The counts are read when the attribute set is exactly a directory's, and stay 0 otherwise.
template <class Record>
void ReadFolderCounts(Record &info, const QFileInfo &folder)
{
    if (info.FolderInfoAttributes == FileAttributeDirectory) {
        info.FolderInfoCountSubFolders = Items::CountSubFolders(folder);
        info.FolderInfoCountFiles = Items::CountFiles(folder);
    }
}

} // namespace

// ---- Files -----------------------------------------------------------------------------------------------

FileInfoShort MwLibFSO::FileObjInfoShort(const QString &strFilePath, bool boolAbstract)
{
    return Guarded("FileObjInfoShort", FileInfoShort(), [&](FileInfoShort &info) {
        info.FileInfoExist = FileExists(strFilePath);
        if (boolAbstract) {
            info.FileInfoPath = strFilePath;
            info.FileInfoName = LastComponent(strFilePath);
            info.FileInfoBaseName = BaseName(strFilePath);
            info.FileInfoExt = ExtensionName(strFilePath);
            info.FileInfoParentDrive = DriveOf(strFilePath);
            info.FileInfoParentFolder = strFilePath.chopped(info.FileInfoName.size());
        } else if (info.FileInfoExist) {
            ReadFileNames(info, strFilePath, Items::GetFile(strFilePath));
        }
    });
}

FileInfo MwLibFSO::FileObjInfo(const QString &strFilePath)
{
    return Guarded("FileObjInfo", FileInfo(), [&](FileInfo &info) {
        info.FileInfoExist = FileExists(strFilePath);
        if (!info.FileInfoExist)
            return;
        const QFileInfo file = Items::GetFile(strFilePath);
        ReadFileNames(info, strFilePath, file);
        ReadFileKind(info, file);
    });
}

FileInfoFull MwLibFSO::FileObjInfoFull(const QString &strFilePath)
{
    return Guarded("FileObjInfoFull", FileInfoFull(), [&](FileInfoFull &info) {
        info.FileInfoExist = FileExists(strFilePath);
        if (!info.FileInfoExist)
            return;
        const QFileInfo file = Items::GetFile(strFilePath);
        ReadFileNames(info, strFilePath, file);
        info.FileInfoShortPath = info.FileInfoPath;
        info.FileInfoShortName = info.FileInfoName;
        info.FileInfoDateCreated = Items::CreatedOf(file);
        info.FileInfoDateModified = Items::ModifiedOf(file);
        info.FileInfoDateAccessed = Items::AccessedOf(file);
        ReadFileKind(info, file);
    });
}

QString MwLibFSO::GetFileInfoStr(const QString &strFilePath, enum FileInfoStr udtTypeInfo)
{
    if (udtTypeInfo < FileInfoPath || udtTypeInfo > FileInfoType)
        return QString();
    return Guarded("GetFileInfoStr", QString(), [&](QString &value) {
        const QFileInfo file = Items::GetFile(strFilePath);
        switch (udtTypeInfo) {
        case FileInfoPath:
        case FileInfoShortPath: value = Items::PathOf(file); break;
        case FileInfoName:
        case FileInfoShortName: value = file.fileName(); break;
        case FileInfoBaseName: value = BaseName(strFilePath); break;
        case FileInfoExt: value = ExtensionName(strFilePath); break;
        case FileInfoParentDrive: value = Items::DriveTextOf(file); break;
        case FileInfoParentFolder: value = Items::ParentTextOf(file); break;
        case FileInfoType: value = Items::TypeOf(file); break;
        }
    });
}

Date MwLibFSO::GetFileInfoDate(const QString &strFilePath, enum FileInfoDate udtTypeInfo)
{
    if (udtTypeInfo < FileInfoDateCreated || udtTypeInfo > FileInfoDateAccessed)
        return Date();
    return Guarded("GetFileInfoDate", Date(),
                   [&](Date &value) { value = DateOf(Items::GetFile(strFilePath), udtTypeInfo); });
}

qint64 MwLibFSO::GetFileInfoSize(const QString &strFilePath)
{
    return Guarded("GetFileInfoSize", qint64(0), [&](qint64 &size) { size = Items::GetFile(strFilePath).size(); });
}

FileAttributes MwLibFSO::GetFileInfoAttributes(const QString &strFilePath)
{
    return Guarded("GetFileInfoAttributes", FileAttributes(0),
                   [&](FileAttributes &attributes) { attributes = Items::AttributesOf(Items::GetFile(strFilePath)); });
}

// ---- Folders ---------------------------------------------------------------------------------------------

FolderInfoShort MwLibFSO::FolderObjInfoShort(const QString &strFolderPath, bool boolAbstract)
{
    return Guarded("FolderObjInfoShort", FolderInfoShort(), [&](FolderInfoShort &info) {
        info.FolderInfoExist = FolderExists(strFolderPath);
        if (boolAbstract) {
            info.FolderInfoPath = strFolderPath;
            info.FolderInfoName = LastComponent(strFolderPath);
            info.FolderInfoParentDrive = DriveOf(strFolderPath);
            const qsizetype kept = strFolderPath.size() - info.FolderInfoName.size() - 1;
            if (info.FolderInfoName.size() < strFolderPath.size() - 1)
                info.FolderInfoParentFolder = strFolderPath.left(kept);
            info.FolderInfoCountSubFolders = -1;
            return;
        }
        const QFileInfo folder = Items::GetFolder(strFolderPath);
        ReadFolderNames(info, folder);
        info.FolderInfoParentFolder = Items::ParentTextOf(folder);
        info.FolderInfoCountSubFolders = Plain(folder) ? Items::CountSubFolders(folder) : 0;
    });
}

FolderInfo MwLibFSO::FolderObjInfo(const QString &strFolderPath)
{
    return Guarded("FolderObjInfo", FolderInfo(), [&](FolderInfo &info) {
        info.FolderInfoExist = FolderExists(strFolderPath);
        if (!info.FolderInfoExist)
            return;
        const QFileInfo folder = Items::GetFolder(strFolderPath);
        ReadFolderNames(info, folder);
        if (strFolderPath != info.FolderInfoParentDrive)
            info.FolderInfoParentFolder = Items::ParentTextOf(folder);
        info.FolderInfoType = Items::TypeOf(folder);
        info.FolderInfoAttributes = Items::AttributesOf(folder);
        ReadFolderCounts(info, folder);
    });
}

FolderInfoFull MwLibFSO::FolderObjInfoFull(const QString &strFolderPath)
{
    return Guarded("FolderObjInfoFull", FolderInfoFull(), [&](FolderInfoFull &info) {
        info.FolderInfoExist = FolderExists(strFolderPath);
        if (!info.FolderInfoExist)
            return;
        const QFileInfo folder = Items::GetFolder(strFolderPath);
        ReadFolderNames(info, folder);
        info.FolderInfoShortPath = info.FolderInfoPath;
        info.FolderInfoShortName = info.FolderInfoName;
        info.FolderInfoParentFolder = Items::ParentTextOf(folder);
        info.FolderInfoDateCreated = Items::CreatedOf(folder);
        info.FolderInfoDateModified = Items::ModifiedOf(folder);
        info.FolderInfoDateAccessed = Items::AccessedOf(folder);
        info.FolderInfoType = Items::TypeOf(folder);
        info.FolderInfoAttributes = Items::AttributesOf(folder);
        info.FolderInfoSize = Items::FolderSize(folder);
        ReadFolderCounts(info, folder);
    });
}

QString MwLibFSO::GetFolderInfoStr(const QString &strFolderPath, enum FolderInfoStr udtTypeInfo)
{
    if (udtTypeInfo < FolderInfoPath || udtTypeInfo > FolderInfoType)
        return QString();
    return Guarded("GetFolderInfoStr", QString(), [&](QString &value) {
        const QFileInfo folder = Items::GetFolder(strFolderPath);
        switch (udtTypeInfo) {
        case FolderInfoPath: value = WithSeparator(Items::PathOf(folder)); break;
        case FolderInfoName:
        case FolderInfoShortName: value = QFileInfo(Items::PathOf(folder)).fileName(); break;
        case FolderInfoShortPath: value = Items::PathOf(folder); break;
        case FolderInfoParentDrive: value = Items::DriveTextOf(folder); break;
        case FolderInfoParentFolder: value = Items::ParentTextOf(folder); break;
        case FolderInfoType: value = Items::TypeOf(folder); break;
        }
    });
}

Date MwLibFSO::GetFolderInfoDate(const QString &strFolderPath, enum FolderInfoDate udtTypeInfo)
{
    if (udtTypeInfo < FolderInfoDateCreated || udtTypeInfo > FolderInfoDateAccessed)
        return Date();
    return Guarded("GetFolderInfoDate", Date(),
                   [&](Date &value) { value = DateOf(Items::GetFolder(strFolderPath), udtTypeInfo); });
}

qint64 MwLibFSO::GetFolderInfoLng(const QString &strFolderPath, FolderInfoLng udtTypeInfo)
{
    if (udtTypeInfo < FolderInfoSize || udtTypeInfo > FolderInfoCountFiles)
        return 0;
    return Guarded("GetFolderInfoLng", qint64(0), [&](qint64 &value) {
        const QFileInfo folder = Items::GetFolder(strFolderPath);
        if (udtTypeInfo == FolderInfoSize)
            value = Items::FolderSize(folder);
        else if (Plain(folder))
            value = udtTypeInfo == FolderInfoCountSubFolders ? Items::CountSubFolders(folder)
                                                             : Items::CountFiles(folder);
    });
}

FileAttributes MwLibFSO::GetFolderInfoAttribute(const QString &strFolderPath)
{
    return Guarded("GetFolderInfoAttribute", FileAttributes(0), [&](FileAttributes &attributes) {
        attributes = Items::AttributesOf(Items::GetFolder(strFolderPath));
    });
}

} // namespace MwFSO
