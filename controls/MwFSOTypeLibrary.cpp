#include "controls/MwFSOTypeLibrary.h"

#include "controls/MwFSOTypes.h"

namespace MwFSO {

namespace {

using namespace platform::components;

// ---- Types -------------------------------------------------------------------------------------------

const TypeRef Void{TypeKind::Void};
const TypeRef Any{TypeKind::Any};
const TypeRef Bool{TypeKind::Boolean};
const TypeRef Int16{TypeKind::Int16};
const TypeRef Int32{TypeKind::Int32};
// Sizes of files, folders and drives are 64-bit so that items over 2 GiB keep their exact size.
const TypeRef Size64{TypeKind::Int64};
const TypeRef Str{TypeKind::String};
const TypeRef DateType{TypeKind::Date};
const TypeRef Picture{TypeKind::Object, QStringLiteral("Picture")};
const TypeRef StrArray{TypeKind::Array, QStringLiteral("String")};
// The Scripting runtime's enumerations, imported by the library rather than defined in it.
const TypeRef FileAttributes{TypeKind::Enum, QStringLiteral("Scripting.FileAttribute")};
const TypeRef DriveKind{TypeKind::Enum, QStringLiteral("Scripting.DriveTypeConst")};

TypeRef Enum(const char *name)
{
    return {TypeKind::Enum, QString::fromLatin1(name)};
}

TypeRef Record(const char *name)
{
    return {TypeKind::Record, QString::fromLatin1(name)};
}

ParamInfo In(const char *name, TypeRef type)
{
    return {QString::fromLatin1(name), std::move(type), false, false, Variant()};
}

ParamInfo Optional(const char *name, TypeRef type, Variant defaultValue = Variant())
{
    return {QString::fromLatin1(name), std::move(type), true, false, std::move(defaultValue)};
}

ParamInfo ByRef(const char *name, TypeRef type, bool optional = false)
{
    return {QString::fromLatin1(name), std::move(type), optional, true, Variant()};
}

MemberInfo Method(const char *name, DispId id, TypeRef result, QList<ParamInfo> params = {})
{
    return {QString::fromLatin1(name), id, MemberKind::Method, std::move(result), std::move(params)};
}

MemberInfo Property(const char *name, DispId id, TypeRef type)
{
    return {QString::fromLatin1(name), id, MemberKind::Property, std::move(type), {}};
}

// ---- Interfaces ---------------------------------------------------------------------------------------

InterfaceInfo TreeOrCombo(const Guid &iid, const char *name)
{
    return {iid, QString::fromLatin1(name), InterfaceKind::Dual,
            {Property("Enabled", 0x68030001, Bool), Property("Path", 0x68030000, Str),
             Method("Refresh", 0x6003000A, Void)}};
}

InterfaceInfo List()
{
    return {IID__MwFSOList, QStringLiteral("_MwFSOList"), InterfaceKind::Dual,
            {Property("Enabled", 0x68030003, Bool), Property("Path", 0x68030002, Str),
             Property("Pattern", 0x68030001, Str), Property("TypeView", 0x68030000, Enum("ElementTypeView")),
             Method("GotoUp", 0x60030010, Bool), Method("Refresh", 0x60030011, Void),
             Method("Selected", 0x60030012, Str, {ByRef("udtType", Enum("ElementTypePath"), true)}),
             Method("Selecting", 0x60030013, Bool,
                    {In("strKey", Str), Optional("boolIsPath", Bool, Variant(true))})}};
}

// Events are numbered from 1 in the order given; none has a result.
InterfaceInfo Events(const Guid &iid, const char *name, const QStringList &order)
{
    const QList<ParamInfo> item = {In("Path", Str), In("TypeItem", Enum("ElementTypePath"))};
    const QList<ParamInfo> key = {ByRef("KeyCode", Int16), ByRef("Shift", Int16)};
    InterfaceInfo events{iid, QString::fromLatin1(name), InterfaceKind::Dispatch, {}};
    DispId id = 1;
    for (const QString &event : order) {
        QList<ParamInfo> params;
        if (event.startsWith(QLatin1String("Item")))
            params = item;
        if (event == QLatin1String("ItemRightClick"))
            params << In("x", Int32) << In("y", Int32);
        if (event == QLatin1String("KeyDown") || event == QLatin1String("KeyUp"))
            params = key;
        if (event == QLatin1String("KeyPress"))
            params = {ByRef("KeyAscii", Int16)};
        events.members.append({event, id++, MemberKind::Method, Void, params});
    }
    return events;
}

InterfaceInfo LibFSO()
{
    QList<MemberInfo> members = {
        Method("GetTemparyFileName", 0, Any, {In("boolExtExist", Bool), In("boolRadExist", Bool)}),
        Method("ElementExecute", 0, Void,
               {In("strPath", Str), Optional("strAttribute", Str), Optional("lngHwnd", Int32),
                Optional("udtType", Enum("ElementTypeExecute")), Optional("strType", Str)}),
        Method("ElementVirtualPath", 0, Str, {In("udtElementType", Enum("ElementPathVirtual"))}),
        Method("ElementSpecFolder", 0, Str, {In("udtType", Enum("ElementSpecFolder"))}),
        Method("ElementObjInfoSizeIcons", 0, Record("ElementInfoSizeIcons"),
               {In("strElementPath", Str), In("udtTypePlusIcon", Enum("ElementTypePlusIcons"))}),
        Method("ElementObjInfoTypeIcons", 0, Record("ElementInfoTypeIcons"),
               {In("strElementPath", Str), In("udtTypeBaseIcon", Enum("ElementTypeBaseIcons"))}),
        Method("GetElementIcon", 0, Picture,
               {In("strElementPath", Str), In("udtTypeBaseIcon", Enum("ElementTypeBaseIcons")),
                In("udtTypePlusIcon", Enum("ElementTypePlusIcons"))}),
        Method("GetElementShortName", 0, Str, {In("strFullPath", Str)}),
        Method("GetElementFullName", 0, Str, {In("strShortPath", Str)}),
        Method("GetFiles", 0, Void,
               {In("strPathFolder", Str), ByRef("strFiles", StrArray), ByRef("strFilters", StrArray)}),
        Method("GetFolders", 0, Void, {In("strPathParent", Str), ByRef("strFolders", StrArray)}),
        Method("GetDrives", 0, Void, {ByRef("strDrives", StrArray)}),
        Method("FileExists", 0, Bool, {In("strFilePath", Str)}),
        Method("FileNameRight", 0, Bool, {In("strFilePath", Str)}),
        Method("FileCreate", 0, Bool, {In("strFilePath", Str), In("boolOverWrite", Bool), In("strText", Str)}),
        Method("FileCopy", 0, Bool, {In("strOldPath", Str), In("strNewPath", Str), In("boolOverWrite", Bool)}),
        Method("FileMove", 0, Bool, {In("strOldPath", Str), In("strNewPath", Str), In("boolOverWrite", Bool)}),
        Method("FileDelete", 0, Bool, {In("strFilePath", Str)}),
        Method("FileOpenText", 0, Str,
               {In("strPathFile", Str), In("boolFileCreate", Bool), In("boolCheckExist", Bool)}),
        Method("FileSaveText", 0, Bool, {In("strPathFile", Str), In("strText", Str)}),
        Method("FileObjInfoShort", 0, Record("FileInfoShort"), {In("strFilePath", Str), In("boolAbstract", Bool)}),
        Method("FileObjInfo", 0, Record("FileInfo"), {In("strFilePath", Str)}),
        Method("FileObjInfoFull", 0, Record("FileInfoFull"), {In("strFilePath", Str)}),
        Method("GetFileInfoStr", 0, Str, {In("strFilePath", Str), In("udtTypeInfo", Enum("FileInfoStr"))}),
        Method("GetFileInfoDate", 0, DateType, {In("strFilePath", Str), In("udtTypeInfo", Enum("FileInfoDate"))}),
        Method("GetFileInfoSize", 0, Size64, {In("strFilePath", Str)}),
        Method("GetFileInfoAttributes", 0, FileAttributes, {In("strFilePath", Str)}),
        Method("FolderExists", 0, Bool, {In("strFolderPath", Str)}),
        Method("FolderCreate", 0, Bool, {In("strFolderPath", Str), In("boolCheckExist", Bool)}),
        Method("FolderCopy", 0, Bool, {In("strOldPath", Str), In("strNewPath", Str), In("boolOverWrite", Bool)}),
        Method("FolderMove", 0, Bool, {In("strOldPath", Str), In("strNewPath", Str), In("boolOverWrite", Bool)}),
        Method("FolderDelete", 0, Bool, {In("strFolderPath", Str)}),
        Method("FolderObjInfoShort", 0, Record("FolderInfoShort"),
               {In("strFolderPath", Str), In("boolAbstract", Bool)}),
        Method("FolderObjInfo", 0, Record("FolderInfo"), {In("strFolderPath", Str)}),
        Method("FolderObjInfoFull", 0, Record("FolderInfoFull"), {In("strFolderPath", Str)}),
        Method("FolderExistParent", 0, Bool, {In("strPath", Str)}),
        Method("GetFolderInfoStr", 0, Str, {In("strFolderPath", Str), In("udtTypeInfo", Enum("FolderInfoStr"))}),
        Method("GetFolderParent", 0, Str, {In("strPath", Str)}),
        Method("GetFolderInfoDate", 0, DateType,
               {In("strFolderPath", Str), In("udtTypeInfo", Enum("FolderInfoDate"))}),
        Method("GetFolderInfoLng", 0, Size64, {In("strFolderPath", Str), In("udtTypeInfo", Enum("FolderInfoLng"))}),
        Method("GetFolderInfoAttribute", 0, FileAttributes, {In("strFolderPath", Str)}),
        Method("GetFolderRoot", 0, Str, {In("strPath1", Str), In("strPath2", Str)}),
        Method("DriveExists", 0, Bool, {In("strDrivePath", Str)}),
        Method("DriveIsReady", 0, Bool, {In("strDrivePath", Str)}),
        Method("DriveObjInfoShort", 0, Record("DriveInfoShort"), {In("strDrivePath", Str)}),
        Method("DriveObjInfo", 0, Record("DriveInfo"), {In("strDrivePath", Str)}),
        Method("GetDriveCount", 0, Int32),
        Method("GetDriveInfoStr", 0, Str, {In("strDrivePath", Str), In("udtTypeInfo", Enum("DriveInfoStr"))}),
        Method("GetDriveInfoLng", 0, Size64, {In("strDrivePath", Str), In("udtTypeInfo", Enum("DriveInfoLng"))}),
        Method("GetDriveInfoTypeStr", 0, Str, {In("strDrivePath", Str)}),
        Method("GetDriveInfoType", 0, Enum("DriveInfoType"), {In("strDrivePath", Str)}),
    };
    // Consecutive from 0x60030002; 0x6003000B is left free between GetElementFullName and GetFiles.
    DispId id = 0x60030002;
    for (MemberInfo &member : members) {
        if (id == 0x6003000B)
            ++id;
        member.id = id++;
    }
    return {IID__MwLibFSO, QStringLiteral("_MwLibFSO"), InterfaceKind::Dual, members};
}

// ---- Enumerations ----------------------------------------------------------------------------------------

EnumInfo MakeEnum(const char *guid, const char *name, std::initializer_list<std::pair<const char *, qint32>> values)
{
    EnumInfo info{Guid::Parse(QString::fromLatin1(guid)).value_or(Guid()), QString::fromLatin1(name), {}};
    for (const auto &[member, value] : values)
        info.values.append({QString::fromLatin1(member), value});
    return info;
}

// The members and values of an enumeration, as its C++ enumeration has them.
#define MWFSO_TYPE_LIBRARY_MEMBER(member, value) {#member, member},
#define MWFSO_TYPE_LIBRARY_ENUM(guid, name) MakeEnum(guid, #name, {MWFSO_##name(MWFSO_TYPE_LIBRARY_MEMBER)})

QList<EnumInfo> Enums()
{
    return {
        MWFSO_TYPE_LIBRARY_ENUM("{0BC9EC7E-0E85-4C05-9C55-A7EC5CE27AF5}", ElementTypePath),
        MWFSO_TYPE_LIBRARY_ENUM("{82D18D11-3958-4DD5-8E8A-AFBE38F7621C}", ElementTypeView),
        MWFSO_TYPE_LIBRARY_ENUM("{5F5C6C3A-939F-4E4A-8AE1-137D23CD79BA}", ElementTypeBaseIcons),
        MWFSO_TYPE_LIBRARY_ENUM("{90180483-75A8-47DA-9D85-673CEC44706A}", ElementTypePlusIcons),
        MWFSO_TYPE_LIBRARY_ENUM("{2A57E8B8-429D-4F71-B6A8-E423F96FC447}", ElementPathVirtual),
        MWFSO_TYPE_LIBRARY_ENUM("{8E5CE35E-1CCE-4CD5-924E-EA8E971B76BC}", ElementTypeExecute),
        MWFSO_TYPE_LIBRARY_ENUM("{6770E2A2-DD7D-49D0-B311-AC0B229D5281}", ElementTypeArrange),
        MWFSO_TYPE_LIBRARY_ENUM("{BE34BBB8-2D14-4DA7-9740-4BD92C71B3E7}", ElementSpecFolder),
        MWFSO_TYPE_LIBRARY_ENUM("{FEC9CC23-9458-4A76-8908-374A447261C8}", FileInfoStr),
        MWFSO_TYPE_LIBRARY_ENUM("{0DA18777-AA2B-4F98-BA61-9D3B29528225}", FileInfoDate),
        MWFSO_TYPE_LIBRARY_ENUM("{B14E749A-E3D5-49A2-A31B-8580079D6EE9}", FolderInfoStr),
        MWFSO_TYPE_LIBRARY_ENUM("{00BC82D4-C2B0-4B59-B8BE-69DB123EF228}", FolderInfoDate),
        MWFSO_TYPE_LIBRARY_ENUM("{93AC85B5-A797-4B6E-B7D8-5DB5022495BD}", FolderInfoLng),
        MWFSO_TYPE_LIBRARY_ENUM("{6E722944-8DC4-47B7-B023-BEE0D85964D0}", DriveInfoStr),
        MWFSO_TYPE_LIBRARY_ENUM("{B8033B31-B8AC-4C35-BB34-821A5966C000}", DriveInfoLng),
        MWFSO_TYPE_LIBRARY_ENUM("{E8F5C2B9-C387-45D0-A279-1BC1E97869DC}", DriveInfoType),
    };
}

#undef MWFSO_TYPE_LIBRARY_ENUM
#undef MWFSO_TYPE_LIBRARY_MEMBER

// ---- Records -------------------------------------------------------------------------------------------

// Fields follow one another 4-byte aligned: strings, pictures, 32-bit numbers and Booleans take 4 bytes,
// dates and 64-bit sizes 8.
RecordInfo MakeRecord(const char *guid, const char *name, std::initializer_list<std::pair<const char *, TypeRef>> fields)
{
    RecordInfo info{Guid::Parse(QString::fromLatin1(guid)).value_or(Guid()), QString::fromLatin1(name), {}, 0};
    for (const auto &[field, type] : fields) {
        info.fields.append({QString::fromLatin1(field), type, info.size});
        info.size += type.kind == TypeKind::Date || type.kind == TypeKind::Int64 ? 8 : 4;
    }
    return info;
}

QList<RecordInfo> Records()
{
    return {
        MakeRecord("{16487861-C453-4082-9196-0AC5C7F6EB2B}", "ElementInfoSizeIcons",
                   {{"ElementInfoIconSmall", Picture}, {"ElementInfoIconLarge", Picture}}),
        MakeRecord("{CEBF18FC-9F90-454F-B88E-1FB9503EB355}", "ElementInfoTypeIcons",
                   {{"ElementInfoIconStandart", Picture}, {"ElementInfoIconOpen", Picture},
                    {"ElementInfoIconSelected", Picture}}),
        MakeRecord("{7F7A1B8B-1117-4BFE-9BC8-56EF2AE7795A}", "FileInfoShort",
                   {{"FileInfoPath", Str}, {"FileInfoName", Str}, {"FileInfoBaseName", Str}, {"FileInfoExt", Str},
                    {"FileInfoParentDrive", Str}, {"FileInfoParentFolder", Str}, {"FileInfoExist", Bool}}),
        MakeRecord("{FE550774-BC74-4A75-9B91-0B1714A4A9F6}", "FileInfo",
                   {{"FileInfoPath", Str}, {"FileInfoName", Str}, {"FileInfoBaseName", Str}, {"FileInfoExt", Str},
                    {"FileInfoParentDrive", Str}, {"FileInfoParentFolder", Str}, {"FileInfoType", Str},
                    {"FileInfoAttributes", FileAttributes}, {"FileInfoSize", Size64}, {"FileInfoExist", Bool}}),
        MakeRecord("{B4693A2C-08B2-4400-9522-FCD50817B70E}", "FileInfoFull",
                   {{"FileInfoPath", Str}, {"FileInfoName", Str}, {"FileInfoBaseName", Str}, {"FileInfoExt", Str},
                    {"FileInfoShortPath", Str}, {"FileInfoShortName", Str}, {"FileInfoParentDrive", Str},
                    {"FileInfoParentFolder", Str}, {"FileInfoDateCreated", DateType},
                    {"FileInfoDateModified", DateType}, {"FileInfoDateAccessed", DateType}, {"FileInfoType", Str},
                    {"FileInfoAttributes", FileAttributes}, {"FileInfoSize", Size64}, {"FileInfoExist", Bool}}),
        MakeRecord("{61419214-4549-4CBB-ADEC-E1E8F040E1FF}", "FolderInfoShort",
                   {{"FolderInfoPath", Str}, {"FolderInfoName", Str}, {"FolderInfoParentDrive", Str},
                    {"FolderInfoParentFolder", Str}, {"FolderInfoCountSubFolders", Int32}, {"FolderInfoExist", Bool}}),
        MakeRecord("{D08A1F83-4545-4E77-86D9-08DA1AD61F2E}", "FolderInfo",
                   {{"FolderInfoPath", Str}, {"FolderInfoName", Str}, {"FolderInfoParentDrive", Str},
                    {"FolderInfoParentFolder", Str}, {"FolderInfoType", Str}, {"FolderInfoAttributes", FileAttributes},
                    {"FolderInfoCountSubFolders", Int32}, {"FolderInfoCountFiles", Int32}, {"FolderInfoExist", Bool}}),
        MakeRecord("{0B2B33E3-56AB-4B90-96B3-5425584B2ED4}", "FolderInfoFull",
                   {{"FolderInfoPath", Str}, {"FolderInfoName", Str}, {"FolderInfoShortPath", Str},
                    {"FolderInfoShortName", Str}, {"FolderInfoParentDrive", Str}, {"FolderInfoParentFolder", Str},
                    {"FolderInfoDateCreated", DateType}, {"FolderInfoDateModified", DateType},
                    {"FolderInfoDateAccessed", DateType}, {"FolderInfoType", Str},
                    {"FolderInfoAttributes", FileAttributes}, {"FolderInfoSize", Size64},
                    {"FolderInfoCountSubFolders", Int32}, {"FolderInfoCountFiles", Int32}, {"FolderInfoExist", Bool}}),
        MakeRecord("{E26EC8CC-2E7B-40CB-A74F-E2EAAD383839}", "DriveInfoShort",
                   {{"DriveInfoDriveLetter", Str}, {"DriveInfoDriveType", DriveKind}, {"DriveInfoPath", Str},
                    {"DriveInfoExist", Bool}}),
        MakeRecord("{A2EDD148-B81C-43DA-8D32-8E53D4D352E7}", "DriveInfo",
                   {{"DriveInfoDriveLetter", Str}, {"DriveInfoDriveType", DriveKind}, {"DriveInfoFileSystem", Str},
                    {"DriveInfoFreeSpace", Size64}, {"DriveInfoIsReady", Bool}, {"DriveInfoPath", Str},
                    {"DriveInfoSerialNumber", Int32}, {"DriveInfoTotalSize", Size64}, {"DriveInfoVolumeName", Str},
                    {"DriveInfoExist", Bool}}),
    };
}

// ---- Toolbox bitmaps --------------------------------------------------------------------------------------

// The 16 colours of a toolbox bitmap, by their usual numbers.
enum Colour { Black = 0, Olive = 3, Navy = 4, Grey = 8, Silver = 7, Blue = 12, Yellow = 11, White = 15 };

QImage Canvas(Colour background)
{
    static const QList<QRgb> palette = {
        0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
        0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    QImage image(16, 15, QImage::Format_Indexed8);
    image.setColorTable(palette);
    image.fill(background);
    return image;
}

void Fill(QImage &image, int x, int y, int width, int height, Colour colour)
{
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            image.setPixel(column, row, colour);
    }
}

void Folder(QImage &image, int x, int y)
{
    Fill(image, x, y - 1, 3, 1, Olive);
    Fill(image, x, y, 7, 5, Olive);
    Fill(image, x + 1, y + 1, 5, 3, Yellow);
}

QImage TreeBitmap()
{
    QImage image = Canvas(Silver);
    Folder(image, 0, 1);
    Fill(image, 2, 6, 1, 7, Grey);
    Fill(image, 3, 8, 4, 1, Grey);
    Fill(image, 3, 12, 4, 1, Grey);
    Folder(image, 8, 6);
    Folder(image, 8, 10);
    return image;
}

QImage ComboBitmap()
{
    QImage image = Canvas(Silver);
    Fill(image, 0, 3, 16, 9, Black);
    Fill(image, 1, 4, 14, 7, White);
    Folder(image, 2, 6);
    Fill(image, 10, 4, 5, 7, Silver);
    Fill(image, 11, 6, 3, 1, Black);
    Fill(image, 12, 7, 1, 1, Black);
    return image;
}

QImage ListBitmap()
{
    QImage image = Canvas(Grey);
    Fill(image, 1, 1, 14, 13, White);
    for (int row = 0; row < 3; ++row) {
        Fill(image, 2, 2 + 4 * row, 3, 3, Blue);
        Fill(image, 6, 3 + 4 * row, 8, 1, Navy);
    }
    return image;
}

ClassInfo Control(const Guid &clsid, const char *name, int bitmap)
{
    const QString className = QString::fromLatin1(name);
    return {clsid, className, QLatin1Char('_') + className, QLatin1String("__") + className, ClassControl, bitmap};
}

TypeLibrary Build()
{
    TypeLibrary types;
    types.libid = LIBID_MwFSO;
    types.name = QStringLiteral("MwFSO");
    types.helpString = QStringLiteral("MwFSO");
    types.majorVersion = 1;
    types.minorVersion = 0;
    types.locale = 0x409;
    types.controlLibrary = true;
    types.classes = {Control(CLSID_MwFSOTree, "MwFSOTree", BitmapMwFSOTree),
                     Control(CLSID_MwFSOCombo, "MwFSOCombo", BitmapMwFSOCombo),
                     Control(CLSID_MwFSOList, "MwFSOList", BitmapMwFSOList),
                     {CLSID_MwLibFSO, QStringLiteral("MwLibFSO"), QStringLiteral("_MwLibFSO"), QString(),
                      ClassCreatable, 0}};
    types.interfaces = {
        TreeOrCombo(IID__MwFSOTree, "_MwFSOTree"),
        Events(IID___MwFSOTree, "__MwFSOTree",
               {"ItemClick", "ItemGoto", "ItemExpand", "ItemCollapse", "ItemRightClick", "KeyDown", "KeyPress",
                "KeyUp"}),
        TreeOrCombo(IID__MwFSOCombo, "_MwFSOCombo"),
        Events(IID___MwFSOCombo, "__MwFSOCombo", {"ItemClick", "ItemGoto", "KeyDown", "KeyPress", "KeyUp"}),
        List(),
        Events(IID___MwFSOList, "__MwFSOList",
               {"ItemClick", "ItemDblClick", "ItemGoto", "ItemRightClick", "KeyDown", "KeyPress", "KeyUp"}),
        LibFSO(),
    };
    types.enums = Enums();
    types.records = Records();
    types.version.fileVersion = QStringLiteral("1.00");
    types.version.productVersion = QStringLiteral("1.00");
    types.version.productName = QStringLiteral("MwFSO");
    types.version.originalFileName = QString::fromLatin1(MwFSOFileName);
    types.version.selfRegister = true;
    types.bitmaps = {{BitmapMwFSOTree, TreeBitmap()},
                     {BitmapMwFSOCombo, ComboBitmap()},
                     {BitmapMwFSOList, ListBitmap()}};
    return types;
}

} // namespace

const platform::components::TypeLibrary &MwFSOTypeLibrary()
{
    static const platform::components::TypeLibrary types = Build();
    return types;
}

} // namespace MwFSO
