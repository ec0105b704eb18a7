#pragma once

#include "platform/components/ComPtr.h"
#include "platform/components/Guid.h"
#include "platform/components/Status.h"

#include <QString>

// Creation of objects of registered classes: the host side of the four exports. A library is loaded
// (dlopen) when a class of it is first asked for and stays loaded until FreeUnusedLibraries finds that
// its DllCanUnloadNow allows unloading.
namespace platform::components {

// The class registered under `progId` (plain or versioned); CO_E_CLASSSTRING when there is none.
HResult CLSIDFromProgID(const QString &progId, Guid *clsid);
// The class factory (or another interface of the class object) of a registered class.
// REGDB_E_CLASSNOTREG: not registered; CO_E_DLLNOTFOUND: its library file is missing;
// CO_E_ERRORINDLL: the file is no component library.
HResult CoGetClassObject(const Guid &clsid, const Guid &iid, void **out);
// A new object of a registered class, as interface `iid`.
HResult CoCreateInstance(const Guid &clsid, const Guid &iid, void **out);
// Unloads every loaded library whose DllCanUnloadNow answers S_OK.
void CoFreeUnusedLibraries();
// Whether the library file is loaded now through this layer.
bool IsLibraryLoaded(const QString &libraryPath);

// Calls DllRegisterServer / DllUnregisterServer of the library file.
HResult RegisterServerLibrary(const QString &libraryPath);
HResult UnregisterServerLibrary(const QString &libraryPath);

// Loads the library file and hands out an interface of the class object `clsid` that it serves, whether
// registered or not (how a host reads a library's type library).
HResult GetClassObjectFromFile(const QString &libraryPath, const Guid &clsid, const Guid &iid, void **out);

template <class T>
ComPtr<T> CreateInstance(const Guid &clsid, HResult *status = nullptr)
{
    ComPtr<T> object;
    const HResult result = CoCreateInstance(clsid, T::IID, object.Receive());
    if (status)
        *status = result;
    return object;
}

template <class T>
ComPtr<T> CreateInstance(const QString &progId, HResult *status = nullptr)
{
    Guid clsid;
    HResult result = CLSIDFromProgID(progId, &clsid);
    ComPtr<T> object;
    if (Succeeded(result))
        result = CoCreateInstance(clsid, T::IID, object.Receive());
    if (status)
        *status = result;
    return object;
}

} // namespace platform::components
