#pragma once

#include "platform/components/ComPtr.h"
#include "platform/components/Guid.h"
#include "platform/components/Status.h"

#include <QList>
#include <QString>

#include <cstdint>

class QWidget;

// The interfaces through which a host and a component library talk. Every call between the two goes
// through a virtual function, so that it runs the library's own code against the library's own state.
namespace platform::components {

class Variant;
class PropertyBag;

using DispId = std::int32_t;
using Arguments = QList<Variant>;

enum class InvokeKind { Method, PropertyGet, PropertyPut };

// What a member that failed with DISP_E_EXCEPTION reports about the failure.
struct ExceptionInfo {
    std::int32_t number = 0;
    QString source;
    QString description;
    QString helpFile;
    std::int32_t helpContext = 0;
};

class IUnknown {
public:
    // Hands out another interface of the same object, with a reference, or E_NOINTERFACE.
    virtual HResult QueryInterface(const Guid &iid, void **out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

// Late-bound calls by dispatch identifier.
class IDispatch : public IUnknown {
public:
    static constexpr Guid IID{"{00020400-0000-0000-C000-000000000046}"};

    // The dispatch identifier of a member of the object's default interface; names ignore letter case.
    virtual HResult GetIDsOfNames(const QString &name, DispId *id) = 0;
    // Arguments come in declaration order; an optional one may be left off the end or passed as
    // Variant::Missing(). A by-reference argument (Variant::Ref) receives what the member writes to it.
    // `result` and `error` may be null.
    virtual HResult Invoke(DispId id, InvokeKind kind, Arguments &args, Variant *result, ExceptionInfo *error) = 0;
};

// The object's outgoing interface: a host's sink receives its events as method calls by dispatch
// identifier, by-reference arguments included.
class IConnectionPoint : public IUnknown {
public:
    static constexpr Guid IID{"{B196B286-BAB4-101A-B69C-00AA00341D07}"};

    virtual HResult Advise(IDispatch *sink, std::uint32_t *cookie) = 0;
    virtual HResult Unadvise(std::uint32_t cookie) = 0;
};

// The control's host: told whenever a saved property changes. Owned by the host, which clears it with
// SetSite(nullptr) before it goes away.
class IControlSite {
public:
    virtual void OnPropertyChanged(DispId id, const QString &name) = 0;

protected:
    ~IControlSite() = default;
};

// What a control offers its host on top of dispatch.
class IControl : public IUnknown {
public:
    static constexpr Guid IID{"{6C1E52B0-3D0A-4F7E-9A4B-7D2E5C8F1A30}"};

    // The control's widget, placed in `parent`. The control keeps it and destroys it when it ends; the
    // host's window may destroy it first, so the control holds it weakly (ControlObject does).
    virtual QWidget *Widget(QWidget *parent) = 0;
    virtual void SetSite(IControlSite *site) = 0;
    // Applies and records the saved properties of the host's design.
    virtual HResult Load(const PropertyBag &bag) = 0;
    virtual HResult Save(PropertyBag &bag) = 0;
};

class IClassFactory : public IUnknown {
public:
    static constexpr Guid IID{"{00000001-0000-0000-C000-000000000046}"};

    virtual HResult CreateInstance(const Guid &iid, void **out) = 0;
    // While locked, the library answers DllCanUnloadNow with S_FALSE.
    virtual HResult LockServer(bool lock) = 0;
};

inline constexpr Guid IID_IUnknown{"{00000000-0000-0000-C000-000000000046}"};

// The interface `T` of `object`, or null.
template <class T, class From>
ComPtr<T> Query(From *object)
{
    ComPtr<T> result;
    if (object)
        object->QueryInterface(T::IID, result.Receive());
    return result;
}

} // namespace platform::components
