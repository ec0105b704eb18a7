#include "platform/components/Creation.h"

#include "platform/components/Interfaces.h"
#include "platform/components/Registry.h"
#include "platform/components/Server.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <dlfcn.h>

namespace platform::components {

namespace {

struct LoadedLibrary {
    void *handle = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
};

// By absolute path. Never emptied at exit: a library stays mapped until the process ends unless it was
// let go of while the program runs.
QHash<QString, LoadedLibrary> &LoadedLibraries()
{
    static auto *libraries = new QHash<QString, LoadedLibrary>;
    return *libraries;
}

QString Key(const QString &libraryPath)
{
    return QFileInfo(libraryPath).absoluteFilePath();
}

// The library loaded, or the failure: CO_E_DLLNOTFOUND for a missing file, CO_E_ERRORINDLL for a file
// that cannot be loaded or lacks the exports every component library has.
HResult Load(const QString &libraryPath, const LoadedLibrary **library)
{
    const QString key = Key(libraryPath);
    auto found = LoadedLibraries().constFind(key);
    if (found == LoadedLibraries().constEnd()) {
        if (!QFileInfo(key).isFile())
            return CO_E_DLLNOTFOUND;
        void *handle = dlopen(QFile::encodeName(key).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return CO_E_ERRORINDLL;
        LoadedLibrary loaded{handle, reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle, "DllCanUnloadNow")),
            reinterpret_cast<DllGetClassObjectFunction>(dlsym(handle, "DllGetClassObject"))};
        if (!loaded.canUnloadNow || !loaded.getClassObject) {
            dlclose(handle);
            return CO_E_ERRORINDLL;
        }
        found = LoadedLibraries().insert(key, loaded);
    }
    *library = &*found;
    return S_OK;
}

HResult CallRegistration(const QString &libraryPath, const char *exportName)
{
    const LoadedLibrary *library = nullptr;
    if (const HResult status = Load(libraryPath, &library); Failed(status))
        return status;
    const auto function = reinterpret_cast<DllRegisterServerFunction>(dlsym(library->handle, exportName));
    return function ? function() : CO_E_ERRORINDLL;
}

} // namespace

HResult CLSIDFromProgID(const QString &progId, Guid *clsid)
{
    if (!clsid)
        return E_POINTER;
    const std::optional<Guid> found = FindProgId(progId);
    if (!found)
        return CO_E_CLASSSTRING;
    *clsid = *found;
    return S_OK;
}

HResult GetClassObjectFromFile(const QString &libraryPath, const Guid &clsid, const Guid &iid, void **out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    const LoadedLibrary *library = nullptr;
    if (const HResult status = Load(libraryPath, &library); Failed(status))
        return status;
    return library->getClassObject(clsid, iid, out);
}

HResult CoGetClassObject(const Guid &clsid, const Guid &iid, void **out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    const std::optional<ClassRegistration> registration = FindClassRegistration(clsid);
    if (!registration || registration->server.isEmpty())
        return REGDB_E_CLASSNOTREG;
    return GetClassObjectFromFile(registration->server, clsid, iid, out);
}

HResult CoCreateInstance(const Guid &clsid, const Guid &iid, void **out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    ComPtr<IClassFactory> factory;
    if (const HResult status = CoGetClassObject(clsid, IClassFactory::IID, factory.Receive()); Failed(status))
        return status;
    return factory->CreateInstance(iid, out);
}

void CoFreeUnusedLibraries()
{
    QHash<QString, LoadedLibrary> &libraries = LoadedLibraries();
    for (auto library = libraries.begin(); library != libraries.end();) {
        if (library->canUnloadNow() == S_OK) {
            dlclose(library->handle);
            library = libraries.erase(library);
        } else {
            ++library;
        }
    }
}

bool IsLibraryLoaded(const QString &libraryPath)
{
    return LoadedLibraries().contains(Key(libraryPath));
}

HResult RegisterServerLibrary(const QString &libraryPath)
{
    return CallRegistration(libraryPath, "DllRegisterServer");
}

HResult UnregisterServerLibrary(const QString &libraryPath)
{
    return CallRegistration(libraryPath, "DllUnregisterServer");
}

} // namespace platform::components
