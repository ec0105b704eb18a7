#pragma once

#include "platform/components/Guid.h"
#include "platform/components/Interfaces.h"
#include "platform/components/RefCounted.h"
#include "platform/components/Status.h"
#include "platform/components/TypeLibrary.h"

#include <QByteArray>
#include <QList>

// The server side of a component library: its live-object and lock counts, its class factories and its
// self-registration. A library links this layer statically, so every count here is the library's own.
namespace platform::components {

// Every object of the library counts itself while it lives (DispatchObject and LibraryObject do so), so
// that the library is not unloaded under it.
void ModuleAddRef();
void ModuleRelease();

// A small object of the library (RefCounted) that counts as one of its live objects.
template <class Interface>
class LibraryObject : public RefCounted<Interface> {
protected:
    LibraryObject() { ModuleAddRef(); }
    ~LibraryObject() override { ModuleRelease(); }
};

// IClassFactory::LockServer of any of the library's factories.
void ModuleLock(bool lock);
// True while an object lives or a lock is held.
bool ModuleInUse();

// A creatable class of the library: `create` makes a new object holding one reference, its creator's.
struct ClassEntry {
    Guid clsid;
    IUnknown *(*create)();
};

// For ClassEntry::create: a new T (a DispatchObject) as its IUnknown.
template <class T>
IUnknown *NewObject()
{
    return static_cast<IDispatch *>(new T());
}

// What a library hands to the four exports: its type library and, for each class there that hosts may
// create, how to make one.
struct ClassTable {
    const TypeLibrary &types;
    QList<ClassEntry> classes;
};

// The pseudo-class through which a host reads a library's type library: DllGetClassObject with this
// CLSID and ITypeLibrarySource::IID hands out the library's description, serialized (TypeLibraryFile.h).
inline constexpr Guid CLSID_TypeLibrarySource{"{3F6A2C18-94D1-4B7E-8E25-0C9B7A41D6E3}"};

class ITypeLibrarySource : public IUnknown {
public:
    static constexpr Guid IID{"{9B2E4D71-6C03-4F8A-B1D5-27E86A3C0F94}"};

    virtual QByteArray Serialized() = 0;
};

// The bodies of the four exports.
HResult ServerCanUnloadNow();
HResult ServerGetClassObject(const ClassTable &table, const Guid &clsid, const Guid &iid, void **out);
// Record the library's classes, ProgIDs, type library and toolbox bitmaps in the registry file under the
// path of the library file itself, and remove them again.
HResult ServerRegister(const ClassTable &table);
HResult ServerUnregister(const ClassTable &table);

// The signatures under which a host finds the exports.
using DllCanUnloadNowFunction = HResult (*)();
using DllGetClassObjectFunction = HResult (*)(const Guid &clsid, const Guid &iid, void **out);
using DllRegisterServerFunction = HResult (*)();
using DllUnregisterServerFunction = HResult (*)();

} // namespace platform::components

// Defines the library's four exports, each handing its request to the layer with the class table that
// `tableFunction` (a function returning `const ClassTable &`) gives. Write it once, at namespace scope,
// in one source file of the library.
#define VELLICOR_COMPONENT_EXPORT extern "C" __attribute__((visibility("default")))
#define VELLICOR_COMPONENT_SERVER(tableFunction)                                                               \
    VELLICOR_COMPONENT_EXPORT ::platform::components::HResult DllCanUnloadNow()                                \
    {                                                                                                          \
        return ::platform::components::ServerCanUnloadNow();                                                   \
    }                                                                                                          \
    VELLICOR_COMPONENT_EXPORT ::platform::components::HResult DllGetClassObject(                               \
        const ::platform::components::Guid &clsid, const ::platform::components::Guid &iid, void **out)        \
    {                                                                                                          \
        return ::platform::components::ServerGetClassObject(tableFunction(), clsid, iid, out);                 \
    }                                                                                                          \
    VELLICOR_COMPONENT_EXPORT ::platform::components::HResult DllRegisterServer()                              \
    {                                                                                                          \
        return ::platform::components::ServerRegister(tableFunction());                                        \
    }                                                                                                          \
    VELLICOR_COMPONENT_EXPORT ::platform::components::HResult DllUnregisterServer()                            \
    {                                                                                                          \
        return ::platform::components::ServerUnregister(tableFunction());                                      \
    }
