#include "controls/MwFSOControlClasses.h"

#include "controls/MwFSOCombo.h"
#include "controls/MwFSOList.h"
#include "controls/MwFSOPaths.h"
#include "controls/MwFSOTree.h"
#include "controls/MwFSOTypeLibrary.h"

#include "platform/components/ControlObject.h"
#include "platform/components/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/keys/KeyCodes.h"
#include "platform/text/AnsiCodePage.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace MwFSO {

using platform::components::Arguments;
using platform::components::Variant;

FileSystemControl::FileSystemControl(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void FileSystemControl::WatchView(QWidget *view, QWidget *mouseArea)
{
    view->installEventFilter(this);
    views_.append(view);
    if (mouseArea) {
        mouseArea->installEventFilter(this);
        mouseAreas_.append(mouseArea);
    }
}

bool FileSystemControl::Enabled() const
{
    return views_.isEmpty() || !views_.first() || views_.first()->isEnabled();
}

void FileSystemControl::SetEnabled(bool enabled)
{
    for (const QPointer<QWidget> &view : views_) {
        if (view)
            view->setEnabled(enabled);
    }
    Changed(QStringLiteral("Enabled"));
}

void FileSystemControl::Raise(const QString &event, Arguments args)
{
    if (!events_)
        return;
    // A handler may replace the sink (or the host drop the control): call the one in place now.
    const EventSink sink = events_;
    try {
        sink(event, args);
    } catch (...) {
        // A failing handler is the host's matter; the control carries on.
    }
}

void FileSystemControl::RaiseItem(const QString &event, const QString &path)
{
    Raise(event, {Variant(path), Variant(static_cast<std::int32_t>(GetPathType(path)))});
}

void FileSystemControl::Changed(const QString &property)
{
    if (changes_)
        changes_(property);
}

void FileSystemControl::DeliverRightClick(const QString &path)
{
    if (!rightClickPending_)
        return;
    rightClickPending_ = false;
    Raise(QStringLiteral("ItemRightClick"),
          {Variant(path), Variant(static_cast<std::int32_t>(GetPathType(path))), Variant(clickX_), Variant(clickY_)});
}

void FileSystemControl::KeyDownDone(qint16, qint16) {}

void FileSystemControl::RaiseKey(const QString &event, qint16 &keyCode, qint16 &shift)
{
    Variant code(keyCode);
    Variant state(shift);
    Raise(event, {Variant::Ref(code), Variant::Ref(state)});
    keyCode = code.ToInt16();
    shift = state.ToInt16();
}

bool FileSystemControl::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        for (const QPointer<QWidget> &view : views_) {
            if (view == watched)
                return FilterKey(watched, static_cast<QKeyEvent *>(event));
        }
        break;
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        // Every right press forgets the one before; it counts only over a selected item.
        rightClickPending_ = false;
        if (HasSelectedItem()) {
            rightClickPending_ = true;
            clickX_ = static_cast<qint32>(mouse->position().x() * platform::forms::TwipsPerPixel);
            clickY_ = static_cast<qint32>(mouse->position().y() * platform::forms::TwipsPerPixel);
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Raises KeyDown, KeyPress or KeyUp with the key's codes by reference: the virtual-key code of the key's
// place and the character's byte in the code page. What the handlers leave is what the view then
// receives: a code of 0 swallows the key, another code or character replaces it.
bool FileSystemControl::FilterKey(QObject *watched, QKeyEvent *event)
{
    if (replaying_)
        return false;
    const QPointer<FileSystemControl> alive(this);
    const auto originalCode = static_cast<qint16>(platform::keys::VirtualKeyCode(*event));
    qint16 code = originalCode;
    auto shift = static_cast<qint16>(platform::keys::ShiftStateOf(event->modifiers()));
    if (event->type() == QEvent::KeyRelease) {
        if (event->isAutoRepeat() || originalCode == 0)
            return false;
        RaiseKey(QStringLiteral("KeyUp"), code, shift);
        return alive && code == 0;
    }
    if (code != 0) {
        if (code == platform::keys::VK_F5 || (shift == platform::keys::CtrlMask && code == 'R'))
            Refresh();
        if (!alive)
            return true;
        RaiseKey(QStringLiteral("KeyDown"), code, shift);
        if (!alive)
            return true;
        if (code == 0)
            return true;
        KeyDownDone(code, shift);
        if (!alive)
            return true;
    }
    const auto originalChar = static_cast<qint16>(platform::keys::CharacterCode(event->text()));
    qint16 character = originalChar;
    if (character != 0) {
        Variant ascii(character);
        Raise(QStringLiteral("KeyPress"), {Variant::Ref(ascii)});
        if (!alive)
            return true;
        character = ascii.ToInt16();
    }
    if (code == originalCode && character == originalChar)
        return false;
    const int key = code == originalCode ? event->key() : platform::keys::QtKeyOf(code);
    // A character code put in by a handler is a byte of the code page; anything else types nothing.
    QString text = event->text();
    if (character != originalChar)
        text = character > 0 && character < 256
                   ? QString(QChar(platform::text::AnsiToChar(static_cast<unsigned char>(character))))
                   : QString();
    if (key == 0 && text.isEmpty())
        return true;
    QKeyEvent replaced(QEvent::KeyPress, key, event->modifiers(), text, event->isAutoRepeat());
    replaying_ = true;
    QCoreApplication::sendEvent(watched, &replaced);
    if (alive)
        replaying_ = false;
    return true;
}

Hourglass::Hourglass(QWidget *control, QWidget *view) : control_(control), view_(view)
{
    if (control_)
        control_->setCursor(Qt::WaitCursor);
    if (view_)
        view_->setCursor(Qt::WaitCursor);
}

Hourglass::~Hourglass()
{
    if (view_)
        view_->unsetCursor();
    if (control_)
        control_->unsetCursor();
}

RedrawFreeze::RedrawFreeze(QWidget *view) : view_(view), wasEnabled_(view && view->updatesEnabled())
{
    if (view_)
        view_->setUpdatesEnabled(false);
}

RedrawFreeze::~RedrawFreeze()
{
    if (view_ && wasEnabled_)
        view_->setUpdatesEnabled(true);
}

} // namespace MwFSO

// ---- Component objects --------------------------------------------------------------------------------

namespace MwFSO {

namespace {

using platform::components::ControlObject;
using platform::components::DispatchObject;
using platform::components::HResult;
using platform::components::PropertyBag;

// A member's failure stays inside the control: the host gets the default result.
template <typename Step>
Variant Quietly(Step &&step)
{
    try {
        return step();
    } catch (...) {
        return Variant();
    }
}

// The component object of one control: its members bound by name to the control's default interface,
// its events raised by name, its saved properties read and written through the host's property bag.
template <class Control>
class ControlClass : public ControlObject {
public:
    HResult Load(const PropertyBag &bag) override
    {
        Quietly([&] {
            LoadProperties(bag);
            return Variant();
        });
        return platform::components::S_OK;
    }

    HResult Save(PropertyBag &bag) override
    {
        Quietly([&] {
            SaveProperties(bag);
            return Variant();
        });
        return platform::components::S_OK;
    }

protected:
    explicit ControlClass(const char *className) : ControlObject(MwFSOTypeLibrary(), QString::fromLatin1(className))
    {
        Property("Enabled", [this] { return Variant(Ctl()->Enabled()); },
                 [this](const Variant &value) { Ctl()->SetEnabled(value.ToBool()); });
        Property("Path", [this] { return Variant(Ctl()->Path()); },
                 [this](const Variant &value) { Ctl()->SetPath(value.ToString()); });
        Method("Refresh", [this](Arguments &) {
            Ctl()->Refresh();
            return Variant();
        });
    }

    ~ControlClass() override { delete control_.data(); }

    // The control; made anew when the host's window destroyed the one it had.
    Control *Ctl()
    {
        if (!control_) {
            control_ = new Control;
            control_->SetEventSink([this](const QString &event, Arguments &args) { RaiseEvent(event, args); });
            control_->SetChangeSink([this](const QString &property) { PropertyChanged(property); });
        }
        return control_;
    }

    void Property(const char *name, std::function<Variant()> get, std::function<void(const Variant &)> put)
    {
        BindProperty(QString::fromLatin1(name), [get] { return Quietly(get); },
                     [put](const Variant &value) {
                         Quietly([&] {
                             put(value);
                             return Variant();
                         });
                     });
    }

    void Method(const char *name, std::function<Variant(Arguments &)> method)
    {
        BindMethod(QString::fromLatin1(name), [method](Arguments &args) { return Quietly([&] { return method(args); }); });
    }

    virtual void LoadProperties(const PropertyBag &bag) = 0;
    virtual void SaveProperties(PropertyBag &bag) = 0;

private:
    QWidget *CreateWidget(QWidget *parent) override
    {
        Control *control = Ctl();
        control->setParent(parent);
        return control;
    }

    QPointer<Control> control_;
};

// The tree and the combo save their enabled state and path; a loaded path is not navigated to.
template <class Control>
class FolderControlClass : public ControlClass<Control> {
protected:
    using ControlClass<Control>::ControlClass;
    using ControlClass<Control>::Ctl;

    void LoadProperties(const PropertyBag &bag) override
    {
        Ctl()->SetEnabled(bag.Read(QStringLiteral("Enabled"), Variant(true)).ToBool());
        Ctl()->LoadPath(bag.Read(QStringLiteral("Path"), Variant(QString())).ToString());
    }

    void SaveProperties(PropertyBag &bag) override
    {
        bag.Write(QStringLiteral("Enabled"), Variant(Ctl()->Enabled()));
        bag.Write(QStringLiteral("Path"), Variant(Ctl()->Path()));
    }
};

class TreeClass : public FolderControlClass<MwFSOTree> {
public:
    TreeClass() : FolderControlClass("MwFSOTree") {}
};

class ComboClass : public FolderControlClass<MwFSOCombo> {
public:
    ComboClass() : FolderControlClass("MwFSOCombo") {}
};

class ListClass : public ControlClass<MwFSOList> {
public:
    ListClass() : ControlClass("MwFSOList")
    {
        Property("Pattern", [this] { return Variant(Ctl()->Pattern()); },
                 [this](const Variant &value) { Ctl()->SetPattern(value.ToString()); });
        Property("TypeView", [this] { return Variant(static_cast<std::int32_t>(Ctl()->TypeView())); },
                 [this](const Variant &value) { Ctl()->SetTypeView(value.ToInt32()); });
        Method("GotoUp", [this](Arguments &) { return Variant(Ctl()->GotoUp()); });
        Method("Selected", [this](Arguments &args) {
            qint32 type = ElementTypePathNothing;
            const QString name = Ctl()->Selected(&type);
            if (!args.isEmpty() && args[0].IsRef())
                args[0].Assign(Variant(static_cast<std::int32_t>(type)));
            return Variant(name);
        });
        Method("Selecting", [this](Arguments &args) {
            const bool isPath = args.size() < 2 || args[1].IsMissing() || args[1].ToBool();
            return Variant(Ctl()->Selecting(args.value(0).ToString(), isPath));
        });
    }

private:
    // Hosts rely on this order: the first drive is shown while the pattern is applied, then the saved path
    // and view.
    void LoadProperties(const PropertyBag &bag) override
    {
        Ctl()->SetEnabled(bag.Read(QStringLiteral("Enabled"), Variant(true)).ToBool());
        Ctl()->LoadStart();
        Ctl()->SetPattern(bag.Read(QStringLiteral("Pattern"), Variant(QStringLiteral("*.*"))).ToString());
        Ctl()->SetPath(bag.Read(QStringLiteral("Path"), Variant(QString())).ToString());
        Ctl()->SetTypeView(bag.Read(QStringLiteral("TypeView"), Variant(std::int16_t(1))).ToInt32());
    }

    void SaveProperties(PropertyBag &bag) override
    {
        bag.Write(QStringLiteral("Enabled"), Variant(Ctl()->Enabled()));
        bag.Write(QStringLiteral("Pattern"), Variant(Ctl()->Pattern()));
        bag.Write(QStringLiteral("Path"), Variant(Ctl()->Path()));
        bag.Write(QStringLiteral("TypeView"), Variant(static_cast<std::int16_t>(Ctl()->TypeView())));
    }
};

} // namespace

DispatchObject *CreateTreeObject()
{
    return new TreeClass;
}

DispatchObject *CreateComboObject()
{
    return new ComboClass;
}

DispatchObject *CreateListObject()
{
    return new ListClass;
}

} // namespace MwFSO
