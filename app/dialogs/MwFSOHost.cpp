#include "app/dialogs/MwFSOHost.h"

#include "app/core/mdlLibrary.h"
#include "platform/components/HostedControl.h"
#include "platform/files/Drives.h"

#include <QVBoxLayout>
#include <QWidget>

using platform::components::Arguments;
using platform::components::DispId;
using platform::components::HostedControl;
using platform::components::Variant;

MwFSOHost::MwFSOHost(const platform::components::Guid &clsid, DispId pathId, QWidget *parent)
    : place(new QWidget(parent)), pathId_(pathId)
{
    auto *layout = new QVBoxLayout(place);
    layout->setContentsMargins(0, 0, 0, 0);
    control_ = HostedControl::Create(clsid, place);
    if (control_ && control_->Widget())
        layout->addWidget(control_->Widget());
}

MwFSOHost::~MwFSOHost() = default;

QWidget *MwFSOHost::Widget() const
{
    return control_ ? control_->Widget() : nullptr;
}

QString MwFSOHost::Path() const
{
    return control_ ? control_->Get(pathId_).ToString() : QString();
}

void MwFSOHost::SetPath(const QString &path)
{
    Put(pathId_, path);
}

void MwFSOHost::Put(DispId id, const Variant &value)
{
    if (control_)
        control_->Put(id, value);
}

void MwFSOHost::Call(DispId id)
{
    if (control_)
        control_->Call(id);
}

void MwFSOHost::OnItemEvent(DispId id, ItemHandler handler)
{
    if (!control_)
        return;
    control_->OnEvent(id, [handler = std::move(handler)](Arguments &args) {
        const QString path = args.value(0).ToString();
        handler(path, args.value(1).ToInt32());
    });
}

namespace MwFSOControls {

QString FolderUp(const QString &path)
{
    // MwFSO's own drive rule: pseudo and system mounts are folders of "/", not drives.
    return path.isEmpty() || platform::files::IsDriveRoot(path) ? QString()
                                                                : mdlLibrary::GetPathPart(path, 1, 1, 1, 2, 1);
}

} // namespace MwFSOControls
