#include "controls/MwFSOTypeLibrary.h"
#include "controls/MwFSOError.h"
#include "controls/MwFSOPicture.h"
#include "controls/MwFSOTypes.h"

#include "../TempFolder.h"
#include "../TempRegistry.h"

#include "platform/components/Creation.h"
#include "platform/components/HostedControl.h"
#include "platform/components/Registry.h"
#include "platform/components/Variant.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QWidget>

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <elf.h>

using namespace MwFSO;
using namespace platform::components;

namespace {

const QString Library = QStringLiteral(VELLICOR_PROGRAM_FOLDER "/MwFSO.so");

// The names of the functions and objects that an ELF shared library defines for others.
QStringList DefinedDynamicSymbols(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray image = file.readAll();
    const auto *header = reinterpret_cast<const Elf64_Ehdr *>(image.constData());
    if (image.size() < qsizetype(sizeof(Elf64_Ehdr)) || !image.startsWith(ELFMAG) || header->e_ident[EI_CLASS] != ELFCLASS64)
        return {};
    const auto *sections = reinterpret_cast<const Elf64_Shdr *>(image.constData() + header->e_shoff);
    QStringList names;
    for (int i = 0; i < header->e_shnum; ++i) {
        if (sections[i].sh_type != SHT_DYNSYM)
            continue;
        const char *strings = image.constData() + sections[sections[i].sh_link].sh_offset;
        const auto *symbols = reinterpret_cast<const Elf64_Sym *>(image.constData() + sections[i].sh_offset);
        for (std::size_t s = 0; s < sections[i].sh_size / sizeof(Elf64_Sym); ++s) {
            const int binding = ELF64_ST_BIND(symbols[s].st_info);
            if (symbols[s].st_shndx != SHN_UNDEF && (binding == STB_GLOBAL || binding == STB_WEAK))
                names.append(QString::fromLatin1(strings + symbols[s].st_name));
        }
    }
    names.sort();
    return names;
}

// A type of the test's own, registered after every other.
struct Newest {};

// The names of the types in Qt's type registry whose description lies in the library at `path`.
QStringList TypesRegisteredBy(const QString &path)
{
    const QString library = QFileInfo(path).canonicalFilePath();
    QStringList names;
    const int newest = QMetaType::fromType<Newest>().id();
    for (int id = QMetaType::User; id < newest; ++id) {
        const QMetaType type(id);
        Dl_info info{};
        if (type.isValid() && dladdr(type.iface(), &info) && info.dli_fname
            && QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath() == library)
            names.append(QString::fromLatin1(type.name()));
    }
    return names;
}

TEST(MwFSOLibrary, ExportsExactlyTheFourServerFunctions)
{
    ASSERT_TRUE(QFile::exists(Library)) << "MwFSO.so is not built";
    EXPECT_EQ(DefinedDynamicSymbols(Library),
              QStringList({"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"}));
}

class MwFSOLibraryRegistered : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(Library)) << "MwFSO.so is not built";
        ASSERT_TRUE(registry.Register(Library));
    }
    void TearDown() override
    {
        helper.Reset();
        CoFreeUnusedLibraries();
    }

    ComPtr<IDispatch> Helper()
    {
        if (!helper)
            helper = CreateInstance<IDispatch>(QStringLiteral("MwFSO.MwLibFSO"));
        return helper;
    }

    // Calls a helper method by its dispatch identifier.
    HResult Call(const char *method, Arguments args, Variant *result = nullptr, ExceptionInfo *error = nullptr)
    {
        DispId id = 0;
        if (Failed(Helper()->GetIDsOfNames(QString::fromLatin1(method), &id)))
            return DISP_E_UNKNOWNNAME;
        return Helper()->Invoke(id, InvokeKind::Method, args, result, error);
    }

    TempRegistry registry;
    ComPtr<IDispatch> helper;
};

TEST_F(MwFSOLibraryRegistered, RegistrationRoundTrip)
{
    const TypeLibrary &types = MwFSOTypeLibrary();
    const std::optional<ClassRegistration> registered = FindClassRegistration(CLSID_MwLibFSO);
    ASSERT_TRUE(registered);
    EXPECT_EQ(registered->server, Library);
    EXPECT_EQ(registered->progId, QStringLiteral("MwFSO.MwLibFSO"));
    EXPECT_EQ(registered->libid, LIBID_MwFSO);
    EXPECT_EQ(registered->version, QStringLiteral("1.0"));
    EXPECT_EQ(FindProgId(QStringLiteral("MwFSO.MwLibFSO")), CLSID_MwLibFSO);
    EXPECT_EQ(FindTypeLibraryPath(LIBID_MwFSO, QStringLiteral("1.0")), Library);
    for (const ClassInfo &cls : types.classes) {
        SCOPED_TRACE(cls.name.toStdString());
        const std::optional<ClassRegistration> entry = FindClassRegistration(cls.clsid);
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->server, Library);
        EXPECT_EQ(entry->progId, types.ProgId(cls));
        EXPECT_EQ(FindProgId(types.ProgId(cls)), cls.clsid);
        const bool control = cls.flags & ClassControl;
        EXPECT_EQ(entry->control, control);
        EXPECT_EQ(entry->toolboxBitmap,
                  control ? Library + QLatin1Char(',') + QString::number(cls.toolboxBitmap) : QString());
        // Every class of the table can be made through the library's exports.
        EXPECT_TRUE(CreateInstance<IDispatch>(cls.clsid));
    }

    ASSERT_EQ(UnregisterServerLibrary(Library), S_OK);
    for (const ClassInfo &cls : types.classes) {
        EXPECT_FALSE(FindClassRegistration(cls.clsid)) << qPrintable(cls.name);
        EXPECT_FALSE(FindProgId(types.ProgId(cls))) << qPrintable(cls.name);
    }
    EXPECT_TRUE(FindTypeLibraryPath(LIBID_MwFSO, QStringLiteral("1.0")).isEmpty());
    HResult status = S_OK;
    EXPECT_FALSE(CreateInstance<IDispatch>(CLSID_MwLibFSO, &status));
    EXPECT_EQ(status, REGDB_E_CLASSNOTREG);
}

TEST_F(MwFSOLibraryRegistered, HelperAnswersByDispatchIdentifier)
{
    ASSERT_TRUE(Helper());
    TempFolder folder;
    const QString file = folder.write(QStringLiteral("web/a.htm"), "12345");
    folder.write(QStringLiteral("web/.hidden"), "x");

    Variant result;
    ASSERT_EQ(Call("FileExists", {Variant(file)}, &result), S_OK);
    EXPECT_EQ(result, Variant(true));
    ASSERT_EQ(Call("GetFolderParent", {Variant(file)}, &result), S_OK);
    EXPECT_EQ(result.ToString(), folder.path(QStringLiteral("web/")));

    // A by-reference array receives the listing; element 0 stays empty.
    Variant files = Variant::Array({Variant("stale")});
    Variant filters = Variant::Array({});
    ASSERT_EQ(Call("GetFiles", {Variant(folder.path(QStringLiteral("web/"))), Variant::Ref(files), Variant::Ref(filters)}),
              S_OK);
    ASSERT_EQ(files.Items().size(), 2);
    EXPECT_EQ(files.Items()[0].ToString(), QString());
    EXPECT_EQ(files.Items()[1].ToString(), QStringLiteral("a.htm"));

    ASSERT_EQ(Call("FileObjInfo", {Variant(file)}, &result), S_OK);
    ASSERT_EQ(result.Type(), VarType::Record);
    EXPECT_EQ(result.RecordType(), QStringLiteral("FileInfo"));
    ASSERT_EQ(result.Items().size(), 10);
    EXPECT_EQ(result.Items()[1].ToString(), QStringLiteral("a.htm"));
    EXPECT_EQ(result.Items()[8], Variant(qint64(5)));
    EXPECT_EQ(result.Items()[9], Variant(true));

    // The optional arguments of ElementExecute may be left off.
    ASSERT_EQ(Call("GetTemparyFileName", {Variant(true), Variant(false)}, &result), S_OK);
    EXPECT_TRUE(result.ToString().endsWith(QLatin1String(".tmp")));

    ASSERT_EQ(Call("GetElementIcon", {Variant(file), Variant(std::int32_t(257)), Variant(std::int32_t(0))}, &result),
              S_OK);
    ASSERT_EQ(result.Type(), VarType::Object);
    ASSERT_TRUE(result.ToObject());
    DispId typeId = 0;
    ASSERT_EQ(result.ToObject()->GetIDsOfNames(QStringLiteral("Type"), &typeId), S_OK);
    Arguments none;
    Variant pictureType;
    ASSERT_EQ(result.ToObject()->Invoke(typeId, InvokeKind::PropertyGet, none, &pictureType, nullptr), S_OK);
    EXPECT_EQ(pictureType.ToInt32(), 3);
}

TEST_F(MwFSOLibraryRegistered, APictureKeepsTheLibraryLoadedUntilItIsReleased)
{
    Variant picture;
    ASSERT_EQ(Call("GetElementIcon", {Variant(QStringLiteral("/")), Variant(std::int32_t(256)), Variant(std::int32_t(0))},
                   &picture),
              S_OK);
    ASSERT_TRUE(picture.ToObject());
    helper.Reset();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(IsLibraryLoaded(Library));
    picture = Variant();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(IsLibraryLoaded(Library));
}

TEST_F(MwFSOLibraryRegistered, APictureAnswersForDispatchAndThePictureInterfaceOnly)
{
    Variant picture;
    ASSERT_EQ(Call("GetElementIcon", {Variant(QStringLiteral("/")), Variant(std::int32_t(256)), Variant(std::int32_t(0))},
                   &picture),
              S_OK);
    const ComPtr<IDispatch> object = picture.ToObject();
    ASSERT_TRUE(object);
    for (const Guid &iid : {IID_IUnknown, IDispatch::IID, IID_Picture}) {
        void *out = nullptr;
        EXPECT_EQ(object->QueryInterface(iid, &out), S_OK);
        EXPECT_EQ(out, static_cast<void *>(object.Get()));
        if (out)
            static_cast<IDispatch *>(out)->Release();
    }
    void *out = &picture;
    EXPECT_EQ(object->QueryInterface(IConnectionPoint::IID, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(object->QueryInterface(IDispatch::IID, nullptr), E_POINTER);
}

// Qt's type registry outlives the library: a type described there by the library would point into it
// once it is unloaded, and the next use of that type anywhere in the process would crash.
TEST_F(MwFSOLibraryRegistered, LeavesNoTypeOfItsOwnInQtsRegistry)
{
    TempFolder folder;
    folder.write("a.txt", "a");
    QWidget window;
    std::unique_ptr<HostedControl> list = HostedControl::Create(CLSID_MwFSOList, &window);
    ASSERT_TRUE(list);
    for (const auto &[name, value] : {std::pair{"TypeView", Variant(std::int32_t(ElementTypeViewReport))},
                                      std::pair{"Path", Variant(folder.path())}}) {
        DispId id = 0;
        ASSERT_EQ(list->Object()->GetIDsOfNames(QString::fromLatin1(name), &id), S_OK) << name;
        ASSERT_TRUE(list->Put(id, value)) << name;
    }
    window.resize(500, 300);
    window.show();
    QCoreApplication::processEvents();
    // Every role of every column, each value's type made known to the registry as a view's use does.
    for (const QAbstractItemView *view : list->Widget()->findChildren<QAbstractItemView *>()) {
        const QAbstractItemModel *model = view->model();
        for (int column = 0; model && model->rowCount() > 0 && column < model->columnCount(); ++column)
            for (int role = 0; role < Qt::UserRole; ++role)
                model->index(0, column).data(role).metaType().id();
    }
    EXPECT_EQ(TypesRegisteredBy(Library), QStringList());
}

TEST_F(MwFSOLibraryRegistered, FailuresReachTheClientWithTheirNumberAndText)
{
    ASSERT_TRUE(Helper());
    TempFolder folder;
    struct Case {
        const char *method;
        Arguments args;
        qint32 number;
    };
    const Case cases[] = {
        {"GetFileInfoSize", {Variant(folder.path(QStringLiteral("missing.txt")))}, ErrorFileNotFound},
        {"GetFolderInfoAttribute", {Variant(folder.path(QStringLiteral("missing")))}, ErrorPathNotFound},
        {"FolderCreate", {Variant(folder.path(QStringLiteral("a/b"))), Variant(false)}, ErrorPathNotFound},
    };
    for (const Case &c : cases) {
        ExceptionInfo error;
        Variant result;
        EXPECT_EQ(Call(c.method, c.args, &result, &error), DISP_E_EXCEPTION) << c.method;
        EXPECT_EQ(error.number, c.number) << c.method;
        EXPECT_EQ(error.description, MwFSOError(c.number, QString()).Description) << c.method;
        EXPECT_FALSE(error.description.isEmpty()) << c.method;
        EXPECT_EQ(error.source, QStringLiteral("MwFSO.MwLibFSO")) << c.method;
    }
    // A precondition that does not hold is no failure.
    Variant result;
    ExceptionInfo error;
    EXPECT_EQ(Call("FileCopy", {Variant(folder.path(QStringLiteral("missing"))), Variant(folder.path(QStringLiteral("b"))),
                                Variant(true)},
                   &result, &error),
              S_OK);
    EXPECT_EQ(result, Variant(false));
}

} // namespace
