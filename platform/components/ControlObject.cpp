#include "platform/components/ControlObject.h"

namespace platform::components {

HResult ControlObject::QueryInterface(const Guid &iid, void **out)
{
    if (out && iid == IControl::IID) {
        *out = static_cast<IControl *>(this);
        AddRef();
        return S_OK;
    }
    return DispatchObject::QueryInterface(iid, out);
}

QWidget *ControlObject::Widget(QWidget *parent)
{
    if (!widget_)
        widget_ = CreateWidget(parent);
    else if (widget_->parentWidget() != parent)
        widget_->setParent(parent);
    return widget_;
}

ControlObject::~ControlObject()
{
    // The widget's code lives in this library, which may be unloaded once the last object is gone.
    delete widget_.data();
}

void ControlObject::PropertyChanged(const QString &name)
{
    if (site_)
        site_->OnPropertyChanged(IdOf(name), name);
}

} // namespace platform::components
