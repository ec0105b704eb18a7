#pragma once

#include "platform/components/DispatchObject.h"

#include <QPointer>
#include <QWidget>

namespace platform::components {

// The base of a control: a dispatch object that also offers IControl, keeps the widget it hands its host
// and tells the host's site about changed saved properties. The widget is made on the host's first
// request; the host's window may destroy it first, so it is held weakly.
class ControlObject : public DispatchObject, public IControl {
public:
    HResult QueryInterface(const Guid &iid, void **out) override;
    std::uint32_t AddRef() override { return DispatchObject::AddRef(); }
    std::uint32_t Release() override { return DispatchObject::Release(); }

    QWidget *Widget(QWidget *parent) override;
    void SetSite(IControlSite *site) override { site_ = site; }

protected:
    ControlObject(const TypeLibrary &types, const QString &className) : DispatchObject(types, className) {}
    ~ControlObject() override;

    // The control's widget, made once, in `parent`.
    virtual QWidget *CreateWidget(QWidget *parent) = 0;
    // Null until the host asked for the widget, and after its window destroyed it.
    QWidget *CurrentWidget() const { return widget_; }
    // Tells the site that the saved property `name` of the default interface changed.
    void PropertyChanged(const QString &name);

private:
    QPointer<QWidget> widget_;
    IControlSite *site_ = nullptr;
};

} // namespace platform::components
