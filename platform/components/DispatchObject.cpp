#include "platform/components/DispatchObject.h"

#include "platform/components/Server.h"

namespace platform::components {

namespace {

// Text handed to the host is copied out of this library: a string that points into the library's constant
// data would dangle once the library is unloaded.
QString Owned(const QString &text)
{
    return QString(text.constData(), text.size());
}

Variant Owned(const Variant &value)
{
    const Variant &v = value.Value();
    switch (v.Type()) {
    case VarType::String:
        return Variant(Owned(v.ToString()));
    case VarType::Array:
    case VarType::Record: {
        QList<Variant> items;
        for (const Variant &item : v.Items())
            items.append(Owned(item));
        return v.Type() == VarType::Array ? Variant::Array(std::move(items))
                                          : Variant::Record(Owned(v.RecordType()), std::move(items));
    }
    default:
        return v;
    }
}

// Each argument replaced by an owned copy; a by-reference one is rewritten in place.
void OwnArguments(Arguments &args)
{
    for (Variant &arg : args) {
        if (arg.IsRef())
            arg.Assign(Owned(arg.Value()));
        else
            arg = Owned(arg);
    }
}

} // namespace

std::optional<Variant> ConvertTo(const TypeRef &type, const Variant &value)
{
    const Variant &v = value.Value();
    switch (type.kind) {
    case TypeKind::Void:
        return std::nullopt;
    case TypeKind::Any:
        return v;
    case TypeKind::Boolean:
        return v.Converted(VarType::Boolean);
    case TypeKind::Int16:
        return v.Converted(VarType::Int16);
    case TypeKind::Int32:
    case TypeKind::Enum:
        return v.Converted(VarType::Int32);
    case TypeKind::Int64:
        return v.Converted(VarType::Int64);
    case TypeKind::Double:
        return v.Converted(VarType::Double);
    case TypeKind::String:
        return v.Converted(VarType::String);
    case TypeKind::Date:
        return v.Converted(VarType::Date);
    case TypeKind::Object:
        return v.Converted(VarType::Object);
    case TypeKind::Record:
        if (v.Type() == VarType::Record && v.RecordType() == type.name)
            return v;
        return std::nullopt;
    case TypeKind::Array:
        if (v.Type() == VarType::Array)
            return v;
        return std::nullopt;
    }
    return std::nullopt;
}

DispatchObject::DispatchObject(const TypeLibrary &types, const QString &className)
    : types_(types)
    , class_(types.FindClass(className))
    , interface_(class_ ? types.FindInterface(class_->defaultInterface) : nullptr)
    , events_(class_ ? types.FindInterface(class_->eventInterface) : nullptr)
{
    Q_ASSERT_X(class_ && interface_, "DispatchObject", qPrintable(className));
    ModuleAddRef();
}

DispatchObject::~DispatchObject()
{
    ModuleRelease();
}

HResult DispatchObject::QueryInterface(const Guid &iid, void **out)
{
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IDispatch::IID || iid == interface_->iid)
        *out = static_cast<IDispatch *>(this);
    else if (events_ && iid == IConnectionPoint::IID)
        *out = static_cast<IConnectionPoint *>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

std::uint32_t DispatchObject::AddRef()
{
    return ++references_;
}

std::uint32_t DispatchObject::Release()
{
    const std::uint32_t left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HResult DispatchObject::GetIDsOfNames(const QString &name, DispId *id)
{
    if (!id)
        return E_POINTER;
    const MemberInfo *member = interface_->Find(name);
    if (!member)
        return DISP_E_UNKNOWNNAME;
    *id = member->id;
    return S_OK;
}

HResult DispatchObject::PrepareArguments(const MemberInfo &member, Arguments &args) const
{
    if (args.size() > member.params.size())
        return DISP_E_BADPARAMCOUNT;
    for (qsizetype i = 0; i < member.params.size(); ++i) {
        const ParamInfo &param = member.params[i];
        const bool given = i < args.size();
        if (!given || args[i].IsMissing()) {
            if (!param.optional)
                return given ? DISP_E_PARAMNOTFOUND : DISP_E_BADPARAMCOUNT;
            const Variant filled = param.defaultValue.IsEmpty() ? Variant::Missing() : param.defaultValue;
            if (given)
                args[i] = filled;
            else
                args.append(filled);
            continue;
        }
        // A by-reference argument is left as it came, so that what the member writes reaches the caller.
        if (param.byRef)
            continue;
        std::optional<Variant> converted = ConvertTo(param.type, args[i]);
        if (!converted)
            return DISP_E_TYPEMISMATCH;
        args[i] = std::move(*converted);
    }
    return S_OK;
}

HResult DispatchObject::Invoke(DispId id, InvokeKind kind, Arguments &args, Variant *result, ExceptionInfo *error)
{
    const MemberInfo *member = interface_->Find(id);
    const auto binding = bindings_.constFind(id);
    if (!member || binding == bindings_.constEnd())
        return DISP_E_MEMBERNOTFOUND;
    // Held across the call: a member may make the host let go of this object.
    const ComPtr<IDispatch> self(this);
    try {
        Variant value;
        if (member->kind == MemberKind::Property) {
            if (kind == InvokeKind::PropertyPut) {
                if (args.size() != 1)
                    return DISP_E_BADPARAMCOUNT;
                std::optional<Variant> converted = ConvertTo(member->type, args[0]);
                if (!converted)
                    return DISP_E_TYPEMISMATCH;
                binding->put(*converted);
            } else {
                if (!args.isEmpty())
                    return DISP_E_BADPARAMCOUNT;
                value = binding->get();
            }
        } else {
            if (kind == InvokeKind::PropertyPut)
                return DISP_E_MEMBERNOTFOUND;
            if (const HResult status = PrepareArguments(*member, args); Failed(status))
                return status;
            value = binding->method(args);
            OwnArguments(args);
        }
        if (result)
            *result = Owned(value);
        return S_OK;
    } catch (const AutomationError &raised) {
        if (error)
            *error = {raised.number, Owned(types_.ProgId(*class_)), Owned(raised.description), Owned(raised.helpFile),
                raised.helpContext};
        return DISP_E_EXCEPTION;
    } catch (const std::exception &) {
        // An exception must not unwind into the host, which may not know this library's types.
        return E_UNEXPECTED;
    }
}

HResult DispatchObject::Advise(IDispatch *sink, std::uint32_t *cookie)
{
    if (!sink || !cookie)
        return E_POINTER;
    *cookie = nextCookie_++;
    connections_.append({*cookie, ComPtr<IDispatch>(sink)});
    return S_OK;
}

HResult DispatchObject::Unadvise(std::uint32_t cookie)
{
    const auto removed = connections_.removeIf([cookie](const Connection &c) { return c.cookie == cookie; });
    return removed ? S_OK : CONNECT_E_NOCONNECTION;
}

void DispatchObject::BindProperty(const QString &name, Getter get, Putter put)
{
    const MemberInfo *member = interface_->Find(name);
    Q_ASSERT_X(member && member->kind == MemberKind::Property, "BindProperty", qPrintable(name));
    if (member)
        bindings_.insert(member->id, {std::move(get), std::move(put), {}});
}

void DispatchObject::BindMethod(const QString &name, Method method)
{
    const MemberInfo *member = interface_->Find(name);
    Q_ASSERT_X(member && member->kind == MemberKind::Method, "BindMethod", qPrintable(name));
    if (member)
        bindings_.insert(member->id, {{}, {}, std::move(method)});
}

void DispatchObject::RaiseEvent(const QString &name, Arguments args)
{
    const MemberInfo *event = events_ ? events_->Find(name) : nullptr;
    Q_ASSERT_X(event, "RaiseEvent", qPrintable(name));
    if (!event)
        return;
    OwnArguments(args);
    // A sink may make its host let go of this object, or unadvise while it is called: hold the object
    // and call the sinks advised when the event began.
    const ComPtr<IDispatch> self(this);
    const QList<Connection> connections = connections_;
    for (const Connection &connection : connections)
        connection.sink->Invoke(event->id, InvokeKind::Method, args, nullptr, nullptr);
}

DispId DispatchObject::IdOf(const QString &name) const
{
    const MemberInfo *member = interface_->Find(name);
    return member ? member->id : 0;
}

} // namespace platform::components
