#include "platform/components/HostedControl.h"

#include "platform/components/Creation.h"
#include "platform/components/RefCounted.h"

namespace platform::components {

// The host's side of the control's connection point: each event goes to the handler of its dispatch
// identifier.
class EventSink final : public RefCounted<IDispatch> {
public:
    static constexpr Guid IID = IDispatch::IID;

    HResult GetIDsOfNames(const QString &, DispId *) override { return E_NOTIMPL; }

    HResult Invoke(DispId id, InvokeKind, Arguments &args, Variant *, ExceptionInfo *) override
    {
        const auto handler = handlers_.constFind(id);
        if (handler == handlers_.constEnd())
            return S_OK;
        // The handler gets plain values, so that it may assign to them as it likes; what it changed
        // goes back through the references that the control passed.
        Arguments values;
        for (const Variant &arg : args)
            values.append(arg.Value());
        const std::function<void(Arguments &)> call = *handler; // a handler may replace itself
        call(values);
        for (qsizetype i = 0; i < args.size() && i < values.size(); ++i)
            if (args[i].IsRef() && !(values[i] == args[i].Value()))
                args[i].Assign(values[i]);
        return S_OK;
    }

    void SetHandler(DispId id, std::function<void(Arguments &)> handler) { handlers_.insert(id, std::move(handler)); }

private:
    QHash<DispId, std::function<void(Arguments &)>> handlers_;
};

std::unique_ptr<HostedControl> HostedControl::Create(const Guid &clsid, QWidget *parent, HResult *status)
{
    std::unique_ptr<HostedControl> hosted(new HostedControl);
    HResult result = CoCreateInstance(clsid, IDispatch::IID, hosted->object_.Receive());
    if (Succeeded(result)) {
        hosted->control_ = Query<IControl>(hosted->object_.Get());
        if (!hosted->control_)
            result = E_NOINTERFACE;
    }
    if (status)
        *status = result;
    if (Failed(result))
        return nullptr;

    hosted->widget_ = hosted->control_->Widget(parent);
    hosted->events_ = Query<IConnectionPoint>(hosted->object_.Get());
    if (hosted->events_) {
        hosted->sink_ = ComPtr<EventSink>::Adopt(new EventSink);
        if (Failed(hosted->events_->Advise(hosted->sink_.Get(), &hosted->cookie_)))
            hosted->events_.Reset();
    }
    return hosted;
}

HostedControl::~HostedControl()
{
    if (events_)
        events_->Unadvise(cookie_);
}

QWidget *HostedControl::Widget() const
{
    return widget_;
}

IDispatch *HostedControl::Object() const
{
    return object_.Get();
}

Variant HostedControl::Get(DispId id) const
{
    Arguments none;
    Variant value;
    return Succeeded(object_->Invoke(id, InvokeKind::PropertyGet, none, &value, nullptr)) ? value : Variant();
}

bool HostedControl::Put(DispId id, const Variant &value)
{
    Arguments args{value};
    return Succeeded(object_->Invoke(id, InvokeKind::PropertyPut, args, nullptr, nullptr));
}

Variant HostedControl::Call(DispId id, Arguments args)
{
    Variant result;
    return Succeeded(object_->Invoke(id, InvokeKind::Method, args, &result, nullptr)) ? result : Variant();
}

void HostedControl::OnEvent(DispId id, std::function<void(Arguments &)> handler)
{
    if (sink_)
        sink_->SetHandler(id, std::move(handler));
}

} // namespace platform::components
