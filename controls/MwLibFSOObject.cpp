#include "controls/MwLibFSOObject.h"

#include "controls/MwFSOPicture.h"
#include "controls/MwFSOTypeLibrary.h"

namespace MwFSO {

namespace {

using platform::components::Arguments;
using platform::components::AutomationError;
using platform::components::ComPtr;
using platform::components::IDispatch;
using platform::components::Variant;

QString Text(const Arguments &args, int i)
{
    return args.value(i).IsMissing() ? QString() : args.value(i).ToString();
}

bool Flag(const Arguments &args, int i)
{
    return args.value(i).ToBool();
}

qint32 Number(const Arguments &args, int i)
{
    return args.value(i).IsMissing() ? 0 : args.value(i).ToInt32();
}

template <typename E>
E As(const Arguments &args, int i)
{
    return static_cast<E>(Number(args, i));
}

Variant Value(const Date &date)
{
    return date.isValid() ? Variant::FromDateTime(date) : Variant::Date(0);
}

Variant Value(const Picture &icon)
{
    return Variant(ComPtr<IDispatch>::Adopt(NewPicture(icon)));
}

Variant Record(const char *type, QList<Variant> fields)
{
    return Variant::Record(QString::fromLatin1(type), std::move(fields));
}

// The caller's string array of a by-reference argument, and the array written back to it.
QStringList Strings(const Arguments &args, int i)
{
    QStringList strings;
    for (const Variant &item : args.value(i).Value().Items())
        strings.append(item.ToString());
    return strings;
}

void WriteBack(Arguments &args, int i, const QStringList &before, const QStringList &after)
{
    if (before == after)
        return;
    QList<Variant> items;
    for (const QString &item : after)
        items.append(Variant(item));
    args[i].Assign(Variant::Array(items));
}

Variant Listing(Arguments &args, int slot, const std::function<void(QStringList &)> &list)
{
    const QStringList before = Strings(args, slot);
    QStringList after = before;
    list(after);
    WriteBack(args, slot, before, after);
    return Variant();
}

} // namespace

void MwLibFSOObject::Bind(const char *name, Method method)
{
    BindMethod(QString::fromLatin1(name), [method = std::move(method)](Arguments &args) -> Variant {
        try {
            return method(args);
        } catch (const MwFSOError &error) {
            throw AutomationError{error.Number, error.Description, error.HelpFile, error.HelpContext};
        }
    });
}

MwLibFSOObject::MwLibFSOObject() : DispatchObject(MwFSOTypeLibrary(), QStringLiteral("MwLibFSO"))
{
    MwLibFSO &f = fso_;
    Bind("GetTemparyFileName", [&f](Arguments &a) { return Variant(f.GetTemparyFileName(Flag(a, 0), Flag(a, 1))); });
    Bind("ElementExecute", [&f](Arguments &a) {
        f.ElementExecute(Text(a, 0), Text(a, 1), Number(a, 2), Number(a, 3), Text(a, 4));
        return Variant();
    });
    Bind("ElementVirtualPath", [&f](Arguments &a) { return Variant(f.ElementVirtualPath(As<ElementPathVirtual>(a, 0))); });
    Bind("ElementSpecFolder",
         [&f](Arguments &a) { return Variant(f.ElementSpecFolder(As<enum ElementSpecFolder>(a, 0))); });
    Bind("ElementObjInfoSizeIcons", [&f](Arguments &a) {
        const ElementInfoSizeIcons icons = f.ElementObjInfoSizeIcons(Text(a, 0), As<ElementTypePlusIcons>(a, 1));
        return Record("ElementInfoSizeIcons", {Value(icons.ElementInfoIconSmall), Value(icons.ElementInfoIconLarge)});
    });
    Bind("ElementObjInfoTypeIcons", [&f](Arguments &a) {
        const ElementInfoTypeIcons icons = f.ElementObjInfoTypeIcons(Text(a, 0), As<ElementTypeBaseIcons>(a, 1));
        return Record("ElementInfoTypeIcons", {Value(icons.ElementInfoIconStandart), Value(icons.ElementInfoIconOpen),
                                               Value(icons.ElementInfoIconSelected)});
    });
    Bind("GetElementIcon", [&f](Arguments &a) {
        return Value(f.GetElementIcon(Text(a, 0), As<ElementTypeBaseIcons>(a, 1), As<ElementTypePlusIcons>(a, 2)));
    });
    Bind("GetElementShortName", [&f](Arguments &a) { return Variant(f.GetElementShortName(Text(a, 0))); });
    Bind("GetElementFullName", [&f](Arguments &a) { return Variant(f.GetElementFullName(Text(a, 0))); });

    Bind("GetFiles", [&f](Arguments &a) {
        QStringList filters = Strings(a, 2);
        return Listing(a, 1, [&](QStringList &files) { f.GetFiles(Text(a, 0), files, filters); });
    });
    Bind("GetFolders", [&f](Arguments &a) {
        return Listing(a, 1, [&](QStringList &folders) { f.GetFolders(Text(a, 0), folders); });
    });
    Bind("GetDrives", [&f](Arguments &a) { return Listing(a, 0, [&](QStringList &drives) { f.GetDrives(drives); }); });

    Bind("FileExists", [&f](Arguments &a) { return Variant(f.FileExists(Text(a, 0))); });
    Bind("FileNameRight", [&f](Arguments &a) { return Variant(f.FileNameRight(Text(a, 0))); });
    Bind("FileCreate", [&f](Arguments &a) { return Variant(f.FileCreate(Text(a, 0), Flag(a, 1), Text(a, 2))); });
    Bind("FileCopy", [&f](Arguments &a) { return Variant(f.FileCopy(Text(a, 0), Text(a, 1), Flag(a, 2))); });
    Bind("FileMove", [&f](Arguments &a) { return Variant(f.FileMove(Text(a, 0), Text(a, 1), Flag(a, 2))); });
    Bind("FileDelete", [&f](Arguments &a) { return Variant(f.FileDelete(Text(a, 0))); });
    Bind("FileOpenText", [&f](Arguments &a) { return Variant(f.FileOpenText(Text(a, 0), Flag(a, 1), Flag(a, 2))); });
    Bind("FileSaveText", [&f](Arguments &a) { return Variant(f.FileSaveText(Text(a, 0), Text(a, 1))); });
    Bind("FileObjInfoShort", [&f](Arguments &a) {
        const FileInfoShort i = f.FileObjInfoShort(Text(a, 0), Flag(a, 1));
        return Record("FileInfoShort", {i.FileInfoPath, i.FileInfoName, i.FileInfoBaseName, i.FileInfoExt,
                                        i.FileInfoParentDrive, i.FileInfoParentFolder, i.FileInfoExist});
    });
    Bind("FileObjInfo", [&f](Arguments &a) {
        const FileInfo i = f.FileObjInfo(Text(a, 0));
        return Record("FileInfo", {i.FileInfoPath, i.FileInfoName, i.FileInfoBaseName, i.FileInfoExt,
                                   i.FileInfoParentDrive, i.FileInfoParentFolder, i.FileInfoType,
                                   i.FileInfoAttributes, i.FileInfoSize, i.FileInfoExist});
    });
    Bind("FileObjInfoFull", [&f](Arguments &a) {
        const FileInfoFull i = f.FileObjInfoFull(Text(a, 0));
        return Record("FileInfoFull",
                      {i.FileInfoPath, i.FileInfoName, i.FileInfoBaseName, i.FileInfoExt, i.FileInfoShortPath,
                       i.FileInfoShortName, i.FileInfoParentDrive, i.FileInfoParentFolder,
                       Value(i.FileInfoDateCreated), Value(i.FileInfoDateModified), Value(i.FileInfoDateAccessed),
                       i.FileInfoType, i.FileInfoAttributes, i.FileInfoSize, i.FileInfoExist});
    });
    Bind("GetFileInfoStr", [&f](Arguments &a) { return Variant(f.GetFileInfoStr(Text(a, 0), As<FileInfoStr>(a, 1))); });
    Bind("GetFileInfoDate", [&f](Arguments &a) { return Value(f.GetFileInfoDate(Text(a, 0), As<FileInfoDate>(a, 1))); });
    Bind("GetFileInfoSize", [&f](Arguments &a) { return Variant(f.GetFileInfoSize(Text(a, 0))); });
    Bind("GetFileInfoAttributes", [&f](Arguments &a) { return Variant(f.GetFileInfoAttributes(Text(a, 0))); });

    Bind("FolderExists", [&f](Arguments &a) { return Variant(f.FolderExists(Text(a, 0))); });
    Bind("FolderCreate", [&f](Arguments &a) { return Variant(f.FolderCreate(Text(a, 0), Flag(a, 1))); });
    Bind("FolderCopy", [&f](Arguments &a) { return Variant(f.FolderCopy(Text(a, 0), Text(a, 1), Flag(a, 2))); });
    Bind("FolderMove", [&f](Arguments &a) { return Variant(f.FolderMove(Text(a, 0), Text(a, 1), Flag(a, 2))); });
    Bind("FolderDelete", [&f](Arguments &a) { return Variant(f.FolderDelete(Text(a, 0))); });
    Bind("FolderObjInfoShort", [&f](Arguments &a) {
        const FolderInfoShort i = f.FolderObjInfoShort(Text(a, 0), Flag(a, 1));
        return Record("FolderInfoShort", {i.FolderInfoPath, i.FolderInfoName, i.FolderInfoParentDrive,
                                          i.FolderInfoParentFolder, i.FolderInfoCountSubFolders, i.FolderInfoExist});
    });
    Bind("FolderObjInfo", [&f](Arguments &a) {
        const FolderInfo i = f.FolderObjInfo(Text(a, 0));
        return Record("FolderInfo", {i.FolderInfoPath, i.FolderInfoName, i.FolderInfoParentDrive,
                                     i.FolderInfoParentFolder, i.FolderInfoType, i.FolderInfoAttributes,
                                     i.FolderInfoCountSubFolders, i.FolderInfoCountFiles, i.FolderInfoExist});
    });
    Bind("FolderObjInfoFull", [&f](Arguments &a) {
        const FolderInfoFull i = f.FolderObjInfoFull(Text(a, 0));
        return Record("FolderInfoFull",
                      {i.FolderInfoPath, i.FolderInfoName, i.FolderInfoShortPath, i.FolderInfoShortName,
                       i.FolderInfoParentDrive, i.FolderInfoParentFolder, Value(i.FolderInfoDateCreated),
                       Value(i.FolderInfoDateModified), Value(i.FolderInfoDateAccessed), i.FolderInfoType,
                       i.FolderInfoAttributes, i.FolderInfoSize, i.FolderInfoCountSubFolders,
                       i.FolderInfoCountFiles, i.FolderInfoExist});
    });
    Bind("FolderExistParent", [&f](Arguments &a) { return Variant(f.FolderExistParent(Text(a, 0))); });
    Bind("GetFolderInfoStr",
         [&f](Arguments &a) { return Variant(f.GetFolderInfoStr(Text(a, 0), As<FolderInfoStr>(a, 1))); });
    Bind("GetFolderParent", [&f](Arguments &a) { return Variant(f.GetFolderParent(Text(a, 0))); });
    Bind("GetFolderInfoDate",
         [&f](Arguments &a) { return Value(f.GetFolderInfoDate(Text(a, 0), As<FolderInfoDate>(a, 1))); });
    Bind("GetFolderInfoLng",
         [&f](Arguments &a) { return Variant(f.GetFolderInfoLng(Text(a, 0), As<FolderInfoLng>(a, 1))); });
    Bind("GetFolderInfoAttribute", [&f](Arguments &a) { return Variant(f.GetFolderInfoAttribute(Text(a, 0))); });
    Bind("GetFolderRoot", [&f](Arguments &a) { return Variant(f.GetFolderRoot(Text(a, 0), Text(a, 1))); });

    Bind("DriveExists", [&f](Arguments &a) { return Variant(f.DriveExists(Text(a, 0))); });
    Bind("DriveIsReady", [&f](Arguments &a) { return Variant(f.DriveIsReady(Text(a, 0))); });
    Bind("DriveObjInfoShort", [&f](Arguments &a) {
        const DriveInfoShort i = f.DriveObjInfoShort(Text(a, 0));
        return Record("DriveInfoShort",
                      {i.DriveInfoDriveLetter, i.DriveInfoDriveType, i.DriveInfoPath, i.DriveInfoExist});
    });
    Bind("DriveObjInfo", [&f](Arguments &a) {
        const DriveInfo i = f.DriveObjInfo(Text(a, 0));
        return Record("DriveInfo", {i.DriveInfoDriveLetter, i.DriveInfoDriveType, i.DriveInfoFileSystem,
                                    i.DriveInfoFreeSpace, i.DriveInfoIsReady, i.DriveInfoPath,
                                    i.DriveInfoSerialNumber, i.DriveInfoTotalSize, i.DriveInfoVolumeName,
                                    i.DriveInfoExist});
    });
    Bind("GetDriveCount", [&f](Arguments &) { return Variant(f.GetDriveCount()); });
    Bind("GetDriveInfoStr",
         [&f](Arguments &a) { return Variant(f.GetDriveInfoStr(Text(a, 0), As<DriveInfoStr>(a, 1))); });
    Bind("GetDriveInfoLng",
         [&f](Arguments &a) { return Variant(f.GetDriveInfoLng(Text(a, 0), As<DriveInfoLng>(a, 1))); });
    Bind("GetDriveInfoTypeStr", [&f](Arguments &a) { return Variant(f.GetDriveInfoTypeStr(Text(a, 0))); });
    Bind("GetDriveInfoType",
         [&f](Arguments &a) { return Variant(static_cast<std::int32_t>(f.GetDriveInfoType(Text(a, 0)))); });
}

} // namespace MwFSO
