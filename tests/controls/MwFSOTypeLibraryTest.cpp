#include "controls/MwFSOTypeLibrary.h"

#include "app/dialogs/MwFSOControls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace MwFSO;
using namespace platform::components;

namespace {

const TypeLibrary &Types()
{
    return MwFSOTypeLibrary();
}

TEST(MwFSOTypeLibrary, LibraryIdentity)
{
    EXPECT_EQ(Types().libid.ToString(), QStringLiteral("{D6B68418-A339-4DDA-87A2-54885072A417}"));
    EXPECT_EQ(Types().name, QStringLiteral("MwFSO"));
    EXPECT_EQ(Types().helpString, QStringLiteral("MwFSO"));
    EXPECT_EQ(Types().VersionText(), QStringLiteral("1.0"));
    EXPECT_EQ(Types().locale, 0x409u);
    EXPECT_TRUE(Types().controlLibrary);
    EXPECT_EQ(Types().version.productName, QStringLiteral("MwFSO"));
    EXPECT_EQ(Types().version.fileVersion, QStringLiteral("1.00"));
    EXPECT_EQ(Types().version.productVersion, QStringLiteral("1.00"));
    EXPECT_EQ(Types().version.originalFileName, QStringLiteral("MwFSO.so"));
    EXPECT_TRUE(Types().version.selfRegister);
}

struct ClassCase {
    const char *name;
    const char *clsid;
    const char *defaultIid;
    const char *eventIid; // null: no events
    int flags;
    int bitmap;
};

TEST(MwFSOTypeLibrary, ClassesAndTheirInterfaces)
{
    const ClassCase cases[] = {
        {"MwFSOTree", "{7DC05317-8D3D-4079-A675-39F1CAFBA844}", "{383A016D-41F2-499B-810B-6F78620BAEFC}",
         "{F6B88A9F-6681-429F-913D-950B7F7653E6}", ClassControl, 30000},
        {"MwFSOCombo", "{FB3C7D80-0382-41C9-BEEE-B84FA46F26FC}", "{11CFFE02-3FE9-420E-93B9-EB5DD978DEA6}",
         "{00D25845-4E76-4747-9C44-45F78F554E91}", ClassControl, 30001},
        {"MwFSOList", "{0FF4B435-7904-4CFB-86CA-E69938AB91C6}", "{20261C98-C38F-4449-9A67-AF5849D70421}",
         "{203B7681-BF13-4C1C-9E8C-34A0D08CE590}", ClassControl, 30002},
        {"MwLibFSO", "{ADDA9CB3-0675-4DBE-BB34-55702880B70C}", "{BF9BA1E6-3605-482A-BAC5-85358282BD99}", nullptr,
         ClassCreatable, 0},
    };
    ASSERT_EQ(Types().classes.size(), 4);
    for (const ClassCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        const ClassInfo *cls = Types().FindClass(name);
        ASSERT_TRUE(cls);
        EXPECT_EQ(cls->clsid.ToString(), QString::fromLatin1(c.clsid));
        EXPECT_EQ(Types().FindClass(cls->clsid), cls);
        EXPECT_EQ(Types().ProgId(*cls), QStringLiteral("MwFSO.") + name);
        EXPECT_EQ(cls->flags, c.flags);
        EXPECT_EQ(cls->toolboxBitmap, c.bitmap);
        const InterfaceInfo *dual = Types().FindInterface(QLatin1Char('_') + name);
        ASSERT_TRUE(dual);
        EXPECT_EQ(cls->defaultInterface, dual->name);
        EXPECT_EQ(dual->iid.ToString(), QString::fromLatin1(c.defaultIid));
        EXPECT_EQ(dual->kind, InterfaceKind::Dual);
        if (!c.eventIid) {
            EXPECT_TRUE(cls->eventInterface.isEmpty());
            continue;
        }
        const InterfaceInfo *events = Types().FindInterface(QLatin1String("__") + name);
        ASSERT_TRUE(events);
        EXPECT_EQ(cls->eventInterface, events->name);
        EXPECT_EQ(events->iid.ToString(), QString::fromLatin1(c.eventIid));
        EXPECT_EQ(events->kind, InterfaceKind::Dispatch);
        const QImage *bitmap = Types().FindBitmap(c.bitmap);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->size(), QSize(16, 15));
        EXPECT_EQ(bitmap->colorCount(), 16);
    }
}

struct MemberCase {
    const char *interfaceName;
    const char *member;
    DispId id;
    MemberKind kind;
    TypeKind type;
};

TEST(MwFSOTypeLibrary, ControlMembersHaveTheirDispatchIdentifiers)
{
    const MemberCase cases[] = {
        {"_MwFSOTree", "Enabled", 0x68030001, MemberKind::Property, TypeKind::Boolean},
        {"_MwFSOTree", "Path", 0x68030000, MemberKind::Property, TypeKind::String},
        {"_MwFSOTree", "Refresh", 0x6003000A, MemberKind::Method, TypeKind::Void},
        {"_MwFSOCombo", "Enabled", 0x68030001, MemberKind::Property, TypeKind::Boolean},
        {"_MwFSOCombo", "Path", 0x68030000, MemberKind::Property, TypeKind::String},
        {"_MwFSOCombo", "Refresh", 0x6003000A, MemberKind::Method, TypeKind::Void},
        {"_MwFSOList", "Enabled", 0x68030003, MemberKind::Property, TypeKind::Boolean},
        {"_MwFSOList", "Path", 0x68030002, MemberKind::Property, TypeKind::String},
        {"_MwFSOList", "Pattern", 0x68030001, MemberKind::Property, TypeKind::String},
        {"_MwFSOList", "TypeView", 0x68030000, MemberKind::Property, TypeKind::Enum},
        {"_MwFSOList", "GotoUp", 0x60030010, MemberKind::Method, TypeKind::Boolean},
        {"_MwFSOList", "Refresh", 0x60030011, MemberKind::Method, TypeKind::Void},
        {"_MwFSOList", "Selected", 0x60030012, MemberKind::Method, TypeKind::String},
        {"_MwFSOList", "Selecting", 0x60030013, MemberKind::Method, TypeKind::Boolean},
    };
    for (const MemberCase &c : cases) {
        SCOPED_TRACE(std::string(c.interfaceName) + "." + c.member);
        const InterfaceInfo *info = Types().FindInterface(QString::fromLatin1(c.interfaceName));
        ASSERT_TRUE(info);
        const MemberInfo *member = info->Find(QString::fromLatin1(c.member));
        ASSERT_TRUE(member);
        EXPECT_EQ(member->id, c.id);
        EXPECT_EQ(member->kind, c.kind);
        EXPECT_EQ(member->type.kind, c.type);
        EXPECT_EQ(info->Find(c.id), member);
    }
    for (const char *name : {"_MwFSOTree", "_MwFSOCombo"})
        EXPECT_EQ(Types().FindInterface(QString::fromLatin1(name))->members.size(), 3);
    EXPECT_EQ(Types().FindInterface(QStringLiteral("_MwFSOList"))->members.size(), 8);

    const MemberInfo *selected = Types().FindInterface(QStringLiteral("_MwFSOList"))->Find(QStringLiteral("Selected"));
    ASSERT_EQ(selected->params.size(), 1);
    EXPECT_EQ(selected->params[0].name, QStringLiteral("udtType"));
    EXPECT_TRUE(selected->params[0].optional && selected->params[0].byRef);
    EXPECT_EQ(selected->params[0].type.name, QStringLiteral("ElementTypePath"));
    const MemberInfo *selecting = Types().FindInterface(QStringLiteral("_MwFSOList"))->Find(QStringLiteral("Selecting"));
    ASSERT_EQ(selecting->params.size(), 2);
    EXPECT_FALSE(selecting->params[0].optional);
    EXPECT_TRUE(selecting->params[1].optional);
    EXPECT_EQ(selecting->params[1].defaultValue, Variant(true));
}

TEST(MwFSOTypeLibrary, EventsAreNumberedFromOne)
{
    const std::pair<const char *, QStringList> cases[] = {
        {"__MwFSOTree",
         {"ItemClick", "ItemGoto", "ItemExpand", "ItemCollapse", "ItemRightClick", "KeyDown", "KeyPress", "KeyUp"}},
        {"__MwFSOCombo", {"ItemClick", "ItemGoto", "KeyDown", "KeyPress", "KeyUp"}},
        {"__MwFSOList", {"ItemClick", "ItemDblClick", "ItemGoto", "ItemRightClick", "KeyDown", "KeyPress", "KeyUp"}},
    };
    for (const auto &[name, events] : cases) {
        const InterfaceInfo *info = Types().FindInterface(QString::fromLatin1(name));
        ASSERT_TRUE(info);
        ASSERT_EQ(info->members.size(), events.size()) << name;
        for (qsizetype i = 0; i < events.size(); ++i) {
            const MemberInfo &event = info->members[i];
            SCOPED_TRACE(std::string(name) + "." + event.name.toStdString());
            EXPECT_EQ(event.name, events[i]);
            EXPECT_EQ(event.id, i + 1);
            EXPECT_EQ(event.type.kind, TypeKind::Void);
            QStringList params;
            for (const ParamInfo &param : event.params)
                params.append(param.name + (param.byRef ? QStringLiteral("&") : QString()));
            if (event.name == QLatin1String("ItemRightClick"))
                EXPECT_EQ(params, QStringList({"Path", "TypeItem", "x", "y"}));
            else if (event.name.startsWith(QLatin1String("Item")))
                EXPECT_EQ(params, QStringList({"Path", "TypeItem"}));
            else if (event.name == QLatin1String("KeyPress"))
                EXPECT_EQ(params, QStringList({"KeyAscii&"}));
            else
                EXPECT_EQ(params, QStringList({"KeyCode&", "Shift&"}));
        }
    }
}

TEST(MwFSOTypeLibrary, HelperMethodsRunConsecutivelyAroundOneGap)
{
    const QStringList order = {
        "GetTemparyFileName", "ElementExecute", "ElementVirtualPath", "ElementSpecFolder",
        "ElementObjInfoSizeIcons", "ElementObjInfoTypeIcons", "GetElementIcon", "GetElementShortName",
        "GetElementFullName", "GetFiles", "GetFolders", "GetDrives", "FileExists", "FileNameRight", "FileCreate",
        "FileCopy", "FileMove", "FileDelete", "FileOpenText", "FileSaveText", "FileObjInfoShort", "FileObjInfo",
        "FileObjInfoFull", "GetFileInfoStr", "GetFileInfoDate", "GetFileInfoSize", "GetFileInfoAttributes",
        "FolderExists", "FolderCreate", "FolderCopy", "FolderMove", "FolderDelete", "FolderObjInfoShort",
        "FolderObjInfo", "FolderObjInfoFull", "FolderExistParent", "GetFolderInfoStr", "GetFolderParent",
        "GetFolderInfoDate", "GetFolderInfoLng", "GetFolderInfoAttribute", "GetFolderRoot", "DriveExists",
        "DriveIsReady", "DriveObjInfoShort", "DriveObjInfo", "GetDriveCount", "GetDriveInfoStr", "GetDriveInfoLng",
        "GetDriveInfoTypeStr", "GetDriveInfoType"};
    const InterfaceInfo *info = Types().FindInterface(QStringLiteral("_MwLibFSO"));
    ASSERT_TRUE(info);
    ASSERT_EQ(info->members.size(), 51);
    ASSERT_EQ(order.size(), 51);
    for (qsizetype i = 0; i < order.size(); ++i) {
        EXPECT_EQ(info->members[i].name, order[i]);
        EXPECT_EQ(info->members[i].kind, MemberKind::Method);
    }
    EXPECT_EQ(info->Find(QStringLiteral("GetTemparyFileName"))->id, 0x60030002);
    EXPECT_EQ(info->Find(QStringLiteral("GetElementFullName"))->id, 0x6003000A);
    EXPECT_EQ(info->Find(0x6003000B), nullptr);
    EXPECT_EQ(info->Find(QStringLiteral("GetFiles"))->id, 0x6003000C);
    EXPECT_EQ(info->Find(QStringLiteral("GetDriveInfoType"))->id, 0x60030035);
    for (qsizetype i = 1; i < info->members.size(); ++i)
        EXPECT_EQ(info->members[i].id - info->members[i - 1].id, i == 9 ? 2 : 1) << qPrintable(order[i]);

    const MemberInfo *execute = info->Find(QStringLiteral("ElementExecute"));
    ASSERT_EQ(execute->params.size(), 5);
    EXPECT_FALSE(execute->params[0].optional);
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(execute->params[i].optional) << i;
    const MemberInfo *files = info->Find(QStringLiteral("GetFiles"));
    ASSERT_EQ(files->params.size(), 3);
    EXPECT_TRUE(files->params[1].byRef && files->params[2].byRef);
    EXPECT_EQ(files->params[1].type.kind, TypeKind::Array);
    // Sizes keep their exact value beyond 2 GiB.
    for (const char *sized : {"GetFileInfoSize", "GetFolderInfoLng", "GetDriveInfoLng"})
        EXPECT_EQ(info->Find(QString::fromLatin1(sized))->type.kind, TypeKind::Int64) << sized;
}

TEST(MwFSOTypeLibrary, Enumerations)
{
    const std::pair<const char *, std::vector<std::pair<const char *, int>>> cases[] = {
        {"ElementTypePath", {{"ElementTypePathNothing", 0}, {"ElementTypePathComputer", 1}, {"ElementTypePathDrive", 2},
                             {"ElementTypePathFolder", 3}, {"ElementTypePathFile", 4}}},
        {"ElementTypeView", {{"ElementTypeViewIcon", 1}, {"ElementTypeViewSmallIcon", 2}, {"ElementTypeViewList", 3},
                             {"ElementTypeViewReport", 4}}},
        {"ElementTypeBaseIcons", {{"ElementTypeIconLarge", 256}, {"ElementTypeIconSmall", 257}}},
        {"ElementTypePlusIcons", {{"ElementTypeIconStandart", 0}, {"ElementTypeIconOpen", 2},
                                  {"ElementTypeIconSelected", 65536}, {"ElementTypeIconOpenSelected", 65538}}},
        {"ElementPathVirtual", {{"ElementVirtualComputer", 1}, {"ElementVirtualMyDocument", 2},
                                {"ElementVirtualNetwork", 3}, {"ElementVirtualRecycled", 4},
                                {"ElementVirtualControlPanel", 5}, {"ElementVirtualPrinters", 6},
                                {"ElementVirtualInternet", 7}}},
        {"ElementTypeExecute", {{"ElementTypeExecuteIndicated", 1}, {"ElementTypeExecuteOpen", 2},
                                {"ElementTypeExecuteEdit", 3}}},
        {"ElementTypeArrange", {{"ElementTypeArrangeNothing", 0}, {"ElementTypeArrangeHorizontal", 1},
                                {"ElementTypeArrangeVertical", 2}}},
        {"ElementSpecFolder", {{"ElementSpecDesktop", 0}, {"ElementSpecPrograms", 2}, {"ElementSpecPersonal", 5},
                               {"ElementSpecFavorites", 6}, {"ElementSpecStartup", 7}, {"ElementSpecRecent", 8},
                               {"ElementSpecSendTo", 9}, {"ElementSpecStartMenu", 11}, {"ElementSpecDesktop2", 16},
                               {"ElementSpecNethood", 19}, {"ElementSpecFonts", 20}, {"ElementSpecTemplates", 21},
                               {"ElementSpecCommonStartMenu", 22}, {"ElementSpecCommonPrograms", 23},
                               {"ElementSpecCommonStartup", 24}, {"ElementSpecCommonDesktop2", 25},
                               {"ElementSpecAppData", 26}, {"ElementSpecPrintHood", 27},
                               {"ElementSpecProgramFiles", 65536}, {"ElementSpecCommonFiles", 65537}}},
        {"FileInfoStr", {{"FileInfoPath", 1}, {"FileInfoName", 2}, {"FileInfoBaseName", 3}, {"FileInfoExt", 4},
                         {"FileInfoShortPath", 5}, {"FileInfoShortName", 6}, {"FileInfoParentDrive", 7},
                         {"FileInfoParentFolder", 8}, {"FileInfoType", 9}}},
        {"FileInfoDate", {{"FileInfoDateCreated", 1}, {"FileInfoDateModified", 2}, {"FileInfoDateAccessed", 3}}},
        {"FolderInfoStr", {{"FolderInfoPath", 1}, {"FolderInfoName", 2}, {"FolderInfoShortPath", 3},
                           {"FolderInfoShortName", 4}, {"FolderInfoParentDrive", 5}, {"FolderInfoParentFolder", 6},
                           {"FolderInfoType", 7}}},
        {"FolderInfoDate", {{"FolderInfoDateCreated", 1}, {"FolderInfoDateModified", 2}, {"FolderInfoDateAccessed", 3}}},
        {"FolderInfoLng", {{"FolderInfoSize", 1}, {"FolderInfoCountSubFolders", 2}, {"FolderInfoCountFiles", 3}}},
        {"DriveInfoStr", {{"DriveInfoPath", 1}, {"DriveInfoDriveLetter", 2}, {"DriveInfoFileSystem", 3},
                          {"DriveInfoVolumeName", 4}}},
        {"DriveInfoLng", {{"DriveInfoTotalSize", 1}, {"DriveInfoFreeSpace", 2}, {"DriveInfoSerialNumber", 3}}},
        {"DriveInfoType", {{"DriveTypeUnknown", 0}, {"DriveTypeFloppy", 1}, {"DriveTypeHard", 2},
                           {"DriveTypeNetwork", 3}, {"DriveTypeCdRom", 4}, {"DriveTypeRam", 5},
                           {"DriveTypeNothing", 6}}},
    };
    EXPECT_EQ(Types().enums.size(), std::size(cases));
    std::set<Guid> guids;
    for (const auto &[name, values] : cases) {
        const EnumInfo *info = Types().FindEnum(QString::fromLatin1(name));
        ASSERT_TRUE(info) << name;
        EXPECT_FALSE(info->guid.IsNull()) << name;
        guids.insert(info->guid);
        ASSERT_EQ(info->values.size(), qsizetype(values.size())) << name;
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(info->values[i].name, QString::fromLatin1(values[i].first)) << name;
            EXPECT_EQ(info->values[i].value, values[i].second) << values[i].first;
        }
    }
    for (const RecordInfo &record : Types().records)
        guids.insert(record.guid);
    EXPECT_EQ(guids.size(), Types().enums.size() + Types().records.size());
}

// The program binds the controls statically, by its own copy of the identifiers it calls and of the
// two enumerations it passes: each must be what the library publishes.
TEST(MwFSOTypeLibrary, TheProgramsStaticBindingIsWhatTheLibraryPublishes)
{
    namespace bound = MwFSOControls;
    EXPECT_EQ(bound::CLSID_MwFSOTree, CLSID_MwFSOTree);
    EXPECT_EQ(bound::CLSID_MwFSOCombo, CLSID_MwFSOCombo);
    EXPECT_EQ(bound::CLSID_MwFSOList, CLSID_MwFSOList);

    const struct {
        const char *interfaceName;
        const char *member;
        DispId id;
    } members[] = {
        {"_MwFSOTree", "Path", bound::TreeOrCombo::Path},
        {"_MwFSOTree", "Refresh", bound::TreeOrCombo::Refresh},
        {"_MwFSOCombo", "Path", bound::TreeOrCombo::Path},
        {"_MwFSOCombo", "Refresh", bound::TreeOrCombo::Refresh},
        {"__MwFSOTree", "ItemClick", bound::TreeOrComboEvent::ItemClick},
        {"__MwFSOTree", "ItemGoto", bound::TreeOrComboEvent::ItemGoto},
        {"__MwFSOCombo", "ItemClick", bound::TreeOrComboEvent::ItemClick},
        {"__MwFSOCombo", "ItemGoto", bound::TreeOrComboEvent::ItemGoto},
        {"_MwFSOList", "TypeView", bound::List::TypeView},
        {"_MwFSOList", "Pattern", bound::List::Pattern},
        {"_MwFSOList", "Path", bound::List::Path},
        {"_MwFSOList", "Refresh", bound::List::Refresh},
        {"__MwFSOList", "ItemClick", bound::ListEvent::ItemClick},
        {"__MwFSOList", "ItemDblClick", bound::ListEvent::ItemDblClick},
        {"__MwFSOList", "ItemGoto", bound::ListEvent::ItemGoto},
    };
    for (const auto &[interfaceName, member, id] : members) {
        const InterfaceInfo *info = Types().FindInterface(QString::fromLatin1(interfaceName));
        ASSERT_TRUE(info) << interfaceName;
        const MemberInfo *published = info->Find(QString::fromLatin1(member));
        ASSERT_TRUE(published) << interfaceName << "." << member;
        EXPECT_EQ(published->id, id) << interfaceName << "." << member;
    }

    const struct {
        const char *enumName;
        const char *member;
        int value;
    } values[] = {
        {"ElementTypePath", "ElementTypePathNothing", bound::ElementTypePathNothing},
        {"ElementTypePath", "ElementTypePathComputer", bound::ElementTypePathComputer},
        {"ElementTypePath", "ElementTypePathDrive", bound::ElementTypePathDrive},
        {"ElementTypePath", "ElementTypePathFolder", bound::ElementTypePathFolder},
        {"ElementTypePath", "ElementTypePathFile", bound::ElementTypePathFile},
        {"ElementTypeView", "ElementTypeViewIcon", bound::ElementTypeViewIcon},
        {"ElementTypeView", "ElementTypeViewSmallIcon", bound::ElementTypeViewSmallIcon},
        {"ElementTypeView", "ElementTypeViewList", bound::ElementTypeViewList},
        {"ElementTypeView", "ElementTypeViewReport", bound::ElementTypeViewReport},
    };
    for (const auto &[enumName, member, value] : values) {
        const EnumInfo *info = Types().FindEnum(QString::fromLatin1(enumName));
        ASSERT_TRUE(info) << enumName;
        const auto published = std::find_if(info->values.cbegin(), info->values.cend(),
                                            [&](const EnumValue &v) { return v.name == QLatin1String(member); });
        ASSERT_NE(published, info->values.cend()) << member;
        EXPECT_EQ(published->value, value) << member;
    }
}

TEST(MwFSOTypeLibrary, RecordsKeepTheirFieldOrder)
{
    const std::pair<const char *, QStringList> cases[] = {
        {"ElementInfoSizeIcons", {"ElementInfoIconSmall", "ElementInfoIconLarge"}},
        {"ElementInfoTypeIcons", {"ElementInfoIconStandart", "ElementInfoIconOpen", "ElementInfoIconSelected"}},
        {"FileInfoShort", {"FileInfoPath", "FileInfoName", "FileInfoBaseName", "FileInfoExt", "FileInfoParentDrive",
                           "FileInfoParentFolder", "FileInfoExist"}},
        {"FileInfo", {"FileInfoPath", "FileInfoName", "FileInfoBaseName", "FileInfoExt", "FileInfoParentDrive",
                      "FileInfoParentFolder", "FileInfoType", "FileInfoAttributes", "FileInfoSize", "FileInfoExist"}},
        {"FileInfoFull", {"FileInfoPath", "FileInfoName", "FileInfoBaseName", "FileInfoExt", "FileInfoShortPath",
                          "FileInfoShortName", "FileInfoParentDrive", "FileInfoParentFolder", "FileInfoDateCreated",
                          "FileInfoDateModified", "FileInfoDateAccessed", "FileInfoType", "FileInfoAttributes",
                          "FileInfoSize", "FileInfoExist"}},
        {"FolderInfoShort", {"FolderInfoPath", "FolderInfoName", "FolderInfoParentDrive", "FolderInfoParentFolder",
                             "FolderInfoCountSubFolders", "FolderInfoExist"}},
        {"FolderInfo", {"FolderInfoPath", "FolderInfoName", "FolderInfoParentDrive", "FolderInfoParentFolder",
                        "FolderInfoType", "FolderInfoAttributes", "FolderInfoCountSubFolders", "FolderInfoCountFiles",
                        "FolderInfoExist"}},
        {"FolderInfoFull", {"FolderInfoPath", "FolderInfoName", "FolderInfoShortPath", "FolderInfoShortName",
                            "FolderInfoParentDrive", "FolderInfoParentFolder", "FolderInfoDateCreated",
                            "FolderInfoDateModified", "FolderInfoDateAccessed", "FolderInfoType",
                            "FolderInfoAttributes", "FolderInfoSize", "FolderInfoCountSubFolders",
                            "FolderInfoCountFiles", "FolderInfoExist"}},
        {"DriveInfoShort", {"DriveInfoDriveLetter", "DriveInfoDriveType", "DriveInfoPath", "DriveInfoExist"}},
        {"DriveInfo", {"DriveInfoDriveLetter", "DriveInfoDriveType", "DriveInfoFileSystem", "DriveInfoFreeSpace",
                       "DriveInfoIsReady", "DriveInfoPath", "DriveInfoSerialNumber", "DriveInfoTotalSize",
                       "DriveInfoVolumeName", "DriveInfoExist"}},
    };
    EXPECT_EQ(Types().records.size(), std::size(cases));
    for (const auto &[name, fields] : cases) {
        const RecordInfo *record = Types().FindRecord(QString::fromLatin1(name));
        ASSERT_TRUE(record) << name;
        QStringList names;
        for (const FieldInfo &field : record->fields)
            names.append(field.name);
        EXPECT_EQ(names, fields) << name;
    }
    // Records without 64-bit sizes keep the published offsets.
    const RecordInfo *file = Types().FindRecord(QStringLiteral("FileInfoShort"));
    EXPECT_EQ(file->fields.last().offset, 24);
    EXPECT_EQ(file->size, 28);
    const RecordInfo *drive = Types().FindRecord(QStringLiteral("DriveInfoShort"));
    EXPECT_EQ(drive->fields[2].offset, 8);
    EXPECT_EQ(drive->size, 16);
    const RecordInfo *full = Types().FindRecord(QStringLiteral("FileInfoFull"));
    EXPECT_EQ(full->fields[8].offset, 32);
    EXPECT_EQ(full->fields[11].offset, 56);
}

} // namespace
