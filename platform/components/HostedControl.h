#pragma once

#include "platform/components/ComPtr.h"
#include "platform/components/Guid.h"
#include "platform/components/Interfaces.h"
#include "platform/components/Variant.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace platform::components {

class EventSink;

// A control placed on one of the program's windows: created through the registry, its widget embedded,
// called late-bound by dispatch identifier, its events delivered to handlers by dispatch identifier.
class HostedControl {
public:
    // Creates the control of class `clsid` through the registry, embeds its widget in `parent`; null
    // (and *status set) when the class cannot be created.
    static std::unique_ptr<HostedControl> Create(const Guid &clsid, QWidget *parent, HResult *status = nullptr);
    ~HostedControl(); // unadvises the sink and releases the control
    HostedControl(const HostedControl &) = delete;
    HostedControl &operator=(const HostedControl &) = delete;

    QWidget *Widget() const;
    IDispatch *Object() const;
    Variant Get(DispId id) const;               // property get; Empty on failure
    bool Put(DispId id, const Variant &value);  // property put
    Variant Call(DispId id, Arguments args = {}); // method
    // The handler of event `id`; a by-reference argument it changes goes back to the control.
    void OnEvent(DispId id, std::function<void(Arguments &)> handler);

private:
    HostedControl() = default;

    ComPtr<IDispatch> object_;
    ComPtr<IControl> control_;
    QPointer<QWidget> widget_;
    ComPtr<IConnectionPoint> events_;
    ComPtr<EventSink> sink_;
    std::uint32_t cookie_ = 0;
};

} // namespace platform::components
