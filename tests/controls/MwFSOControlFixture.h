#pragma once

#include "tests/TempFolder.h"

#include "controls/MwFSOControlClasses.h"
#include "controls/MwFSOFolders.h"
#include "controls/MwFSOTypeLibrary.h"

#include "platform/components/ComPtr.h"
#include "platform/components/Interfaces.h"
#include "platform/components/Variant.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// The controls as a host meets them: created by their factories, called late-bound by name, their
// events written down as "Event path type" lines (by-reference arguments by value), and optional
// handlers that act while an event is raised.
namespace mwfso_test {

using namespace platform::components;

class EventLog final : public IDispatch {
public:
    explicit EventLog(const QString &eventInterface)
        : events_(MwFSO::MwFSOTypeLibrary().FindInterface(eventInterface))
    {
    }

    HResult QueryInterface(const Guid &iid, void **out) override
    {
        if (iid != IID_IUnknown && iid != IDispatch::IID)
            return E_NOINTERFACE;
        *out = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    // Lives on the test's stack.
    std::uint32_t AddRef() override { return 2; }
    std::uint32_t Release() override { return 1; }
    HResult GetIDsOfNames(const QString &, DispId *) override { return E_NOTIMPL; }
    HResult Invoke(DispId id, InvokeKind, Arguments &args, Variant *, ExceptionInfo *) override
    {
        const MemberInfo *event = events_ ? events_->Find(id) : nullptr;
        const QString name = event ? event->name : QString::number(id);
        QStringList line{name};
        for (const Variant &arg : args)
            line.append(arg.ToString());
        lines.append(line.join(QLatin1Char(' ')));
        if (const auto handler = handlers.value(name))
            handler(args);
        return S_OK;
    }

    // Lines that begin with `prefix` ("Item" for the item events).
    QStringList Only(const QString &prefix) const { return lines.filter(QRegularExpression(u'^' + prefix)); }

    QStringList lines;
    QHash<QString, std::function<void(Arguments &)>> handlers;

private:
    const InterfaceInfo *events_;
};

// One control: its object, its widget shown on screen, its events.
template <class Control>
class Hosted {
public:
    Hosted(DispatchObject *created, const QString &eventInterface)
        : object(ComPtr<IDispatch>::Adopt(created)), log(eventInterface)
    {
        ComPtr<IControl> control = Query<IControl>(object.Get());
        widget = qobject_cast<Control *>(control->Widget(nullptr));
        widget->resize(400, 300);
        widget->show();
        events = Query<IConnectionPoint>(object.Get());
        events->Advise(&log, &cookie);
    }
    ~Hosted() { events->Unadvise(cookie); }

    DispId Id(const QString &name) const
    {
        DispId id = 0;
        object->GetIDsOfNames(name, &id);
        return id;
    }
    Variant Get(const QString &name) const
    {
        Arguments none;
        Variant result;
        object->Invoke(Id(name), InvokeKind::PropertyGet, none, &result, nullptr);
        return result;
    }
    HResult Put(const QString &name, const Variant &value)
    {
        Arguments args{value};
        return object->Invoke(Id(name), InvokeKind::PropertyPut, args, nullptr, nullptr);
    }
    Variant Call(const QString &name, Arguments args = {})
    {
        Variant result;
        object->Invoke(Id(name), InvokeKind::Method, args, &result, nullptr);
        return result;
    }
    QString Path() const { return Get(QStringLiteral("Path")).ToString(); }

    ComPtr<IDispatch> object;
    Control *widget = nullptr;
    EventLog log;

private:
    ComPtr<IConnectionPoint> events;
    std::uint32_t cookie = 0;
};

// Drives of the test's own, as the controls read them, for as long as it lives.
class Drives {
public:
    explicit Drives(QStringList roots) { Set(std::move(roots)); }
    ~Drives() { MwFSO::SetDriveListSource({}); }
    void Set(QStringList roots)
    {
        MwFSO::SetDriveListSource([roots] { return roots; });
    }
};

// A folder tree to browse: `root()` ends with "/".
class Folders {
public:
    QString root() const { return QDir(temp.path()).canonicalPath() + u'/'; }
    QString dir(const QString &name) const
    {
        QDir().mkpath(root() + name);
        return root() + name + (name.endsWith(u'/') ? QString() : QStringLiteral("/"));
    }
    QString file(const QString &name, const QByteArray &bytes = "x") const
    {
        const QString path = root() + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }

    TempFolder temp;
};

} // namespace mwfso_test
