#include "platform/components/Server.h"

#include "platform/components/Registry.h"
#include "platform/components/TypeLibraryFile.h"

#include <QFileInfo>

#include <atomic>

#include <dlfcn.h>

namespace platform::components {

namespace {

std::atomic<int> liveObjects{0};
std::atomic<int> locks{0};

class ClassFactory final : public LibraryObject<IClassFactory> {
public:
    explicit ClassFactory(IUnknown *(*create)()) : create_(create) {}

    HResult CreateInstance(const Guid &iid, void **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        IUnknown *object = create_();
        if (!object)
            return E_FAIL;
        const HResult status = object->QueryInterface(iid, out);
        object->Release();
        return status;
    }

    HResult LockServer(bool lock) override
    {
        ModuleLock(lock);
        return S_OK;
    }

private:
    IUnknown *(*create_)();
};

class TypeLibrarySource final : public LibraryObject<ITypeLibrarySource> {
public:
    explicit TypeLibrarySource(const TypeLibrary &types) : types_(types) {}
    QByteArray Serialized() override { return SerializeTypeLibrary(types_); }

private:
    const TypeLibrary &types_;
};

// The file this code was loaded from: the library that links the layer.
QString OwnFilePath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&OwnFilePath), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

QList<Guid> Classes(const ClassTable &table)
{
    QList<Guid> classes;
    for (const ClassEntry &entry : table.classes)
        classes.append(entry.clsid);
    return classes;
}

} // namespace

void ModuleAddRef()
{
    ++liveObjects;
}

void ModuleRelease()
{
    --liveObjects;
}

void ModuleLock(bool lock)
{
    // An unlock without a lock would let the library go while another holder counts on it.
    if (lock)
        ++locks;
    else if (locks > 0)
        --locks;
}

bool ModuleInUse()
{
    return liveObjects > 0 || locks > 0;
}

HResult ServerCanUnloadNow()
{
    return ModuleInUse() ? S_FALSE : S_OK;
}

HResult ServerGetClassObject(const ClassTable &table, const Guid &clsid, const Guid &iid, void **out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    IUnknown *object = nullptr;
    if (clsid == CLSID_TypeLibrarySource) {
        object = new TypeLibrarySource(table.types);
    } else {
        for (const ClassEntry &entry : table.classes)
            if (entry.clsid == clsid)
                object = new ClassFactory(entry.create);
    }
    if (!object)
        return CLASS_E_CLASSNOTAVAILABLE;
    const HResult status = object->QueryInterface(iid, out);
    object->Release();
    return status;
}

HResult ServerRegister(const ClassTable &table)
{
    const QString path = OwnFilePath();
    if (path.isEmpty())
        return SELFREG_E_CLASS;
    return RegisterLibrary(path, table.types, Classes(table));
}

HResult ServerUnregister(const ClassTable &table)
{
    const QString path = OwnFilePath();
    if (path.isEmpty())
        return SELFREG_E_CLASS;
    return UnregisterLibrary(path, table.types, Classes(table));
}

} // namespace platform::components
