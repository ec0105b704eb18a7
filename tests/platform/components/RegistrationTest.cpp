#include "tests/platform/components/ComponentFixture.h"
#include "tests/TempRegistry.h"
#include "tests/UnreadableRegistries.h"

#include "platform/components/Registry.h"
#include "platform/components/Server.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace platform::components;

namespace {

QJsonObject RegistryContents(const TempRegistry &registry)
{
    QFile file(registry.FilePath());
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

// What the already loaded library answers to DllCanUnloadNow.
HResult CanUnloadNow(const QString &libraryPath)
{
    void *handle = dlopen(QFile::encodeName(libraryPath).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return E_FAIL;
    const auto function = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle, "DllCanUnloadNow"));
    const HResult status = function ? function() : E_FAIL;
    dlclose(handle);
    return status;
}

bool MappedInProcess(const QString &libraryPath)
{
    void *handle = dlopen(QFile::encodeName(libraryPath).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

// A library of another vendor: one class at a file the fixture never names.
TypeLibrary OtherLibrary()
{
    TypeLibrary other;
    other.libid = Guid("{11111111-2222-3333-4444-555555555555}");
    other.name = QStringLiteral("Other");
    other.classes = {{Guid("{66666666-7777-8888-9999-AAAAAAAAAAAA}"), QStringLiteral("Thing"),
        QStringLiteral("_Thing"), QString(), ClassCreatable, 0}};
    return other;
}

class Registration : public testing::Test {
protected:
    void TearDown() override { CoFreeUnusedLibraries(); }

    TempRegistry registry_;
};

TEST_F(Registration, RecordsClassesProgIdsTypeLibraryAndToolboxBitmap)
{
    ASSERT_TRUE(registry_.Register(fixture::kLibraryPath));
    const std::optional<ClassRegistration> knob = FindClassRegistration(fixture::kKnobClsid);
    ASSERT_TRUE(knob);
    EXPECT_EQ(knob->server, fixture::kLibraryPath);
    EXPECT_EQ(knob->progId, QStringLiteral("VellicorFixture.Knob"));
    EXPECT_EQ(knob->versionedProgId, QStringLiteral("VellicorFixture.Knob.2"));
    EXPECT_EQ(knob->libid, fixture::kLibId);
    EXPECT_EQ(knob->version, QStringLiteral("2.3"));
    EXPECT_TRUE(knob->control);
    EXPECT_EQ(knob->toolboxBitmap, fixture::kLibraryPath + QStringLiteral(",30000"));

    const std::optional<ClassRegistration> counter = FindClassRegistration(fixture::kCounterClsid);
    ASSERT_TRUE(counter);
    EXPECT_FALSE(counter->control);
    EXPECT_TRUE(counter->toolboxBitmap.isEmpty());

    EXPECT_EQ(FindProgId(QStringLiteral("VellicorFixture.Counter")), fixture::kCounterClsid);
    EXPECT_EQ(FindProgId(QStringLiteral("VellicorFixture.Counter.2")), fixture::kCounterClsid);
    EXPECT_EQ(FindTypeLibraryPath(fixture::kLibId, QStringLiteral("2.3")), fixture::kLibraryPath);
    EXPECT_TRUE(FindTypeLibraryPath(fixture::kLibId, QStringLiteral("1.0")).isEmpty());
}

TEST_F(Registration, CreatesByClassIdentifierAndProgId)
{
    ASSERT_TRUE(registry_.Register(fixture::kLibraryPath));
    HResult status = E_FAIL;
    ComPtr<IDispatch> byClsid = CreateInstance<IDispatch>(fixture::kCounterClsid, &status);
    EXPECT_EQ(status, S_OK);
    EXPECT_TRUE(byClsid);
    ComPtr<IDispatch> byProgId = CreateInstance<IDispatch>(QStringLiteral("VellicorFixture.Counter"), &status);
    EXPECT_EQ(status, S_OK);
    ASSERT_TRUE(byProgId);
    EXPECT_FALSE(byClsid == byProgId) << "each creation makes an object of its own";

    Guid clsid;
    EXPECT_EQ(CLSIDFromProgID(QStringLiteral("VellicorFixture.Knob.2"), &clsid), S_OK);
    EXPECT_EQ(clsid, fixture::kKnobClsid);
    EXPECT_EQ(CLSIDFromProgID(QStringLiteral("VellicorFixture.Nothing"), &clsid), CO_E_CLASSSTRING);
    // An interface the class lacks.
    ComPtr<IControl> control = CreateInstance<IControl>(fixture::kCounterClsid, &status);
    EXPECT_EQ(status, E_NOINTERFACE);
    EXPECT_FALSE(control);
}

TEST_F(Registration, RefusesUnknownClassesAndMissingFiles)
{
    HResult status = S_OK;
    EXPECT_FALSE(CreateInstance<IDispatch>(fixture::kCounterClsid, &status));
    EXPECT_EQ(status, REGDB_E_CLASSNOTREG) << "nothing registered yet";

    // A registered library whose file has gone.
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.so"));
    ASSERT_TRUE(QFile::copy(fixture::kLibraryPath, copy));
    ASSERT_TRUE(registry_.Register(copy));
    CoFreeUnusedLibraries();
    EXPECT_FALSE(IsLibraryLoaded(copy));
    ASSERT_TRUE(QFile::remove(copy));
    EXPECT_FALSE(CreateInstance<IDispatch>(fixture::kCounterClsid, &status));
    EXPECT_EQ(status, CO_E_DLLNOTFOUND);

    // A library asked for a class it does not serve.
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(GetClassObjectFromFile(fixture::kLibraryPath, Guid("{00000000-1111-2222-3333-444444444444}"),
                  IClassFactory::IID, factory.Receive()),
        CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_FALSE(factory);

    EXPECT_EQ(RegisterServerLibrary(copy), CO_E_DLLNOTFOUND);
    const QString notALibrary = folder.filePath(QStringLiteral("text.so"));
    QFile text(notALibrary);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no code here");
    text.close();
    EXPECT_EQ(RegisterServerLibrary(notALibrary), CO_E_ERRORINDLL);
}

TEST_F(Registration, UnregisterRemovesOnlyWhatTheLibraryWrote)
{
    EXPECT_EQ(UnregisterServerLibrary(fixture::kLibraryPath), S_OK) << "nothing to remove is no failure";
    EXPECT_FALSE(QFile::exists(registry_.FilePath())) << "and writes no file";

    const TypeLibrary other = OtherLibrary();
    ASSERT_EQ(RegisterLibrary(QStringLiteral("/opt/other/other.so"), other, {other.classes[0].clsid}), S_OK);
    ASSERT_TRUE(registry_.Register(fixture::kLibraryPath));

    // A second copy takes the knob over; unregistering the first copy must leave the takeover alone.
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.so"));
    ASSERT_TRUE(QFile::copy(fixture::kLibraryPath, copy));
    ASSERT_EQ(RegisterLibrary(copy, fixture::Types(), {fixture::kKnobClsid}), S_OK);

    ASSERT_EQ(UnregisterServerLibrary(fixture::kLibraryPath), S_OK);
    EXPECT_FALSE(FindClassRegistration(fixture::kCounterClsid));
    EXPECT_FALSE(FindProgId(QStringLiteral("VellicorFixture.Counter")));
    EXPECT_FALSE(FindProgId(QStringLiteral("VellicorFixture.Counter.2")));
    ASSERT_TRUE(FindClassRegistration(fixture::kKnobClsid));
    EXPECT_EQ(FindClassRegistration(fixture::kKnobClsid)->server, copy);
    EXPECT_EQ(FindProgId(QStringLiteral("VellicorFixture.Knob")), fixture::kKnobClsid);
    EXPECT_EQ(FindTypeLibraryPath(fixture::kLibId, QStringLiteral("2.3")), copy);

    ASSERT_TRUE(FindClassRegistration(other.classes[0].clsid));
    EXPECT_EQ(FindProgId(QStringLiteral("Other.Thing")), other.classes[0].clsid);
    EXPECT_EQ(FindTypeLibraryPath(other.libid, QStringLiteral("1.0")), QStringLiteral("/opt/other/other.so"));

    ASSERT_EQ(UnregisterLibrary(copy, fixture::Types(), {fixture::kKnobClsid}), S_OK);
    ASSERT_EQ(UnregisterLibrary(QStringLiteral("/opt/other/other.so"), other, {other.classes[0].clsid}), S_OK);
    EXPECT_TRUE(RegistryContents(registry_).isEmpty()) << "nothing is left behind";
}

TEST_F(Registration, MalformedRegistryIsNeitherReadNorOverwritten)
{
    QFile file(registry_.FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{ not json");
    file.close();
    EXPECT_EQ(RegisterServerLibrary(fixture::kLibraryPath), REGDB_E_READREGDB);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("{ not json"));
}

class UnreadableRegistration : public Registration, public testing::WithParamInterface<UnreadableRegistry> {};

// A registry that cannot be read is none: nothing is found in it, at once, and neither registering nor
// unregistering writes over it.
TEST_P(UnreadableRegistration, FindsNothingAndIsNeverWrittenOver)
{
    ASSERT_TRUE(registry_.Register(fixture::kLibraryPath));
    GetParam().lay(registry_.FilePath());
    const QByteArray before = Fingerprint(registry_.FilePath());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(FindClassRegistration(fixture::kKnobClsid));
    EXPECT_FALSE(FindProgId(QStringLiteral("VellicorFixture.Counter")));
    EXPECT_TRUE(FindTypeLibraryPath(fixture::kLibId, QStringLiteral("2.3")).isEmpty());
    HResult status = S_OK;
    EXPECT_FALSE(CreateInstance<IDispatch>(fixture::kCounterClsid, &status));
    EXPECT_EQ(status, REGDB_E_CLASSNOTREG);
    EXPECT_EQ(RegisterServerLibrary(fixture::kLibraryPath), REGDB_E_READREGDB);
    EXPECT_EQ(UnregisterServerLibrary(fixture::kLibraryPath), REGDB_E_READREGDB);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(Fingerprint(registry_.FilePath()), before);
}

INSTANTIATE_TEST_SUITE_P(Registries, UnreadableRegistration, testing::ValuesIn(UnreadableRegistries),
                         casenames::Named(&UnreadableRegistry::name));

TEST_F(Registration, LibraryStaysLoadedWhileAnObjectOrLockLives)
{
    ASSERT_TRUE(registry_.Register(fixture::kLibraryPath));
    CoFreeUnusedLibraries();
    EXPECT_FALSE(IsLibraryLoaded(fixture::kLibraryPath)) << "registering leaves nothing alive";

    ComPtr<IDispatch> object = CreateInstance<IDispatch>(fixture::kCounterClsid);
    ASSERT_TRUE(object);
    EXPECT_EQ(CanUnloadNow(fixture::kLibraryPath), S_FALSE);
    CoFreeUnusedLibraries();
    EXPECT_TRUE(IsLibraryLoaded(fixture::kLibraryPath));
    object.Reset();
    EXPECT_EQ(CanUnloadNow(fixture::kLibraryPath), S_OK);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(fixture::kCounterClsid, IClassFactory::IID, factory.Receive()), S_OK);
    EXPECT_EQ(CanUnloadNow(fixture::kLibraryPath), S_FALSE) << "a held factory keeps the library";
    EXPECT_EQ(factory->LockServer(true), S_OK);
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(fixture::kLibraryPath), S_FALSE) << "the lock keeps the library";
    CoFreeUnusedLibraries();
    EXPECT_TRUE(IsLibraryLoaded(fixture::kLibraryPath));

    ASSERT_EQ(CoGetClassObject(fixture::kCounterClsid, IClassFactory::IID, factory.Receive()), S_OK);
    EXPECT_EQ(factory->LockServer(false), S_OK);
    EXPECT_EQ(factory->LockServer(false), S_OK) << "an unlock without a lock changes nothing";
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(fixture::kLibraryPath), S_OK);
    CoFreeUnusedLibraries();
    EXPECT_FALSE(IsLibraryLoaded(fixture::kLibraryPath));
    EXPECT_FALSE(MappedInProcess(fixture::kLibraryPath)) << "really unloaded";

    // Loaded again on the next creation.
    EXPECT_TRUE(CreateInstance<IDispatch>(fixture::kCounterClsid));
}

TEST(LibraryUnload, ValuesHandedOutOutliveTheLibrary)
{
    Variant label;
    ExceptionInfo error;
    {
        ComPtr<IDispatch> counter = fixture::CreateFromFile(fixture::kCounterClsid);
        ASSERT_TRUE(counter);
        Arguments none;
        ASSERT_EQ(counter->Invoke(fixture::kLabel, InvokeKind::PropertyGet, none, &label, nullptr), S_OK);
        Arguments number{Variant(std::int32_t(5))};
        ASSERT_EQ(counter->Invoke(fixture::kFail, InvokeKind::Method, number, nullptr, &error), DISP_E_EXCEPTION);
    }
    CoFreeUnusedLibraries();
    ASSERT_FALSE(MappedInProcess(fixture::kLibraryPath));
    // Both texts began as constants of the library.
    EXPECT_EQ(label.ToString(), QStringLiteral("counter"));
    EXPECT_EQ(error.description, QStringLiteral("Counter failed"));
}

TEST(RegistryFile, EnvironmentVariableChoosesThePlace)
{
    const QString before = RegistryFilePath();
    {
        TempRegistry registry;
        EXPECT_EQ(RegistryFilePath(), registry.FilePath());
        EXPECT_NE(RegistryFilePath(), before);
    }
    EXPECT_EQ(RegistryFilePath(), before) << "the old place comes back";
}

} // namespace
