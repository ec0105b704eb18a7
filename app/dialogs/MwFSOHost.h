#pragma once

#include "platform/components/Guid.h"
#include "platform/components/Interfaces.h"
#include "platform/components/Variant.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace platform::components {
class HostedControl;
}

// One MwFSO control on a window of the program: `place` is what the window lays out, and the control,
// created by its class identifier, fills it. A control that cannot be created (its library not
// registered) leaves the place empty; its properties then read empty and its calls do nothing.
class MwFSOHost {
public:
    // `pathId` is the dispatch identifier of the control's Path.
    MwFSOHost(const platform::components::Guid &clsid, platform::components::DispId pathId, QWidget *parent);
    ~MwFSOHost();
    MwFSOHost(const MwFSOHost &) = delete;
    MwFSOHost &operator=(const MwFSOHost &) = delete;

    QWidget *place = nullptr;

    // Whether the control is there.
    bool Created() const { return control_ != nullptr; }
    // The control's own widget; null without the control.
    QWidget *Widget() const;

    QString Path() const;
    void SetPath(const QString &path);
    void Put(platform::components::DispId id, const platform::components::Variant &value);
    void Call(platform::components::DispId id);

    // An item event of the control: the item's full path and its ElementTypePath. The handler gets its
    // own copy of the path, which belongs to the control only for the length of the call.
    using ItemHandler = std::function<void(const QString &path, int typeItem)>;
    void OnItemEvent(platform::components::DispId id, ItemHandler handler);

private:
    std::unique_ptr<platform::components::HostedControl> control_;
    platform::components::DispId pathId_;
};

namespace MwFSOControls {

// Where the folder-up button leads from `path`: the parent folder, or the computer level (the empty
// path) from a drive root and from the computer level itself.
QString FolderUp(const QString &path);

} // namespace MwFSOControls
