#pragma once

#include "platform/components/Interfaces.h"
#include "platform/components/TypeLibrary.h"
#include "platform/components/Variant.h"

#include <QHash>
#include <QList>

#include <functional>

namespace platform::components {

// What a member throws to fail with DISP_E_EXCEPTION; the caller receives it as its ExceptionInfo.
struct AutomationError {
    std::int32_t number = 0;
    QString description;
    QString helpFile;
    std::int32_t helpContext = 0;
};

// The base of every object a component library creates: reference counting that keeps the library
// loaded, dispatch by the members that its class's default interface lists in the type library, and
// the connection point of its event interface.
class DispatchObject : public IDispatch, public IConnectionPoint {
public:
    DispatchObject(const DispatchObject &) = delete;
    DispatchObject &operator=(const DispatchObject &) = delete;

    HResult QueryInterface(const Guid &iid, void **out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    HResult GetIDsOfNames(const QString &name, DispId *id) override;
    // Checks the call against the member's description (kind, argument count, argument types, defaults
    // of left-out optional arguments) before the bound function runs.
    HResult Invoke(DispId id, InvokeKind kind, Arguments &args, Variant *result, ExceptionInfo *error) override;

    HResult Advise(IDispatch *sink, std::uint32_t *cookie) override;
    HResult Unadvise(std::uint32_t cookie) override;

protected:
    // `className` names a class of `types`; a new object holds one reference, its creator's.
    DispatchObject(const TypeLibrary &types, const QString &className);
    virtual ~DispatchObject();

    using Getter = std::function<Variant()>;
    using Putter = std::function<void(const Variant &)>; // receives the value converted to the property's type
    using Method = std::function<Variant(Arguments &)>;  // receives every declared argument, converted

    // Bind a member of the default interface by its name there.
    void BindProperty(const QString &name, Getter get, Putter put);
    void BindMethod(const QString &name, Method method);

    // Calls every advised sink with the event of that name; a by-reference argument (Variant::Ref to
    // the raiser's variable) carries back what the sinks wrote. A sink may release the object: code that
    // goes on using it after the event (a widget's signal handler) holds a reference of its own across.
    void RaiseEvent(const QString &name, Arguments args);

    // The dispatch identifier of a member of the default interface, 0 when there is none.
    DispId IdOf(const QString &name) const;

private:
    struct Binding {
        Getter get;
        Putter put;
        Method method;
    };
    struct Connection {
        std::uint32_t cookie;
        ComPtr<IDispatch> sink;
    };

    HResult PrepareArguments(const MemberInfo &member, Arguments &args) const;

    const TypeLibrary &types_;
    const ClassInfo *class_;
    const InterfaceInfo *interface_;
    const InterfaceInfo *events_;
    QHash<DispId, Binding> bindings_;
    QList<Connection> connections_;
    std::uint32_t nextCookie_ = 1;
    std::uint32_t references_ = 1;
};

// The value `value` as a declared parameter or property type, or nothing when it does not convert.
std::optional<Variant> ConvertTo(const TypeRef &type, const Variant &value);

} // namespace platform::components
