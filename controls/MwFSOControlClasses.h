#pragma once

#include "controls/MwFSOTypes.h"
#include "controls/MwLibFSO.h"

#include "platform/components/DispatchObject.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;

// The three controls of the library and what they share: the helper object each one holds, the events
// they raise by name, the key events that a handler may change, the right press that the next item click
// reports, and the pointer and redraw states around a long step.
namespace MwFSO {

// The component objects of the three controls: each new object holds one reference and answers
// QueryInterface for IControl, which hands its widget to the host.
platform::components::DispatchObject *CreateTreeObject();
platform::components::DispatchObject *CreateComboObject();
platform::components::DispatchObject *CreateListObject();

class FileSystemControl : public QWidget {
    Q_OBJECT

public:
    // Receives every event by its name in the control's event interface; by-reference arguments are
    // Variant::Ref slots whose changes the control reads back.
    using EventSink = std::function<void(const QString &event, platform::components::Arguments &args)>;
    // Told the name of a saved property whose value changed.
    using ChangeSink = std::function<void(const QString &property)>;

    void SetEventSink(EventSink sink) { events_ = std::move(sink); }
    void SetChangeSink(ChangeSink sink) { changes_ = std::move(sink); }

    bool Enabled() const;
    void SetEnabled(bool enabled);

    virtual void Refresh() = 0;

protected:
    explicit FileSystemControl(QWidget *parent = nullptr);

    // Watches the keys of `view` and, through `mouseArea`, its right presses.
    void WatchView(QWidget *view, QWidget *mouseArea);

    MwLibFSO &Fso() { return fso_; }

    void Raise(const QString &event, platform::components::Arguments args);
    // ItemClick, ItemGoto and the like: the path and its kind.
    void RaiseItem(const QString &event, const QString &path);
    void Changed(const QString &property);

    // Whether a right press now may be reported by the next item click (the view has a selected item).
    virtual bool HasSelectedItem() const = 0;
    // Delivers a pending right press as ItemRightClick for `path`.
    void DeliverRightClick(const QString &path);
    void ClearRightClick() { rightClickPending_ = false; }
    // Runs after KeyDown has been raised, with the values its handlers left.
    virtual void KeyDownDone(qint16 keyCode, qint16 shift);

    // Moves on whenever the current path changes, so that a step that raised an event can tell whether a
    // handler navigated meanwhile and its own further steps are stale.
    quint64 Generation() const { return generation_; }
    void NextGeneration() { ++generation_; }

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool FilterKey(QObject *watched, QKeyEvent *event);
    void RaiseKey(const QString &event, qint16 &keyCode, qint16 &shift);

    MwLibFSO fso_;
    EventSink events_;
    ChangeSink changes_;
    QList<QPointer<QWidget>> views_;
    QList<QPointer<QWidget>> mouseAreas_;
    bool rightClickPending_ = false;
    // The position of the last right press in twips of the view, as events report it.
    qint32 clickX_ = 0;
    qint32 clickY_ = 0;
    bool replaying_ = false;
    quint64 generation_ = 0;
};

// The wait pointer on the control and its view while a step runs; the default pointer comes back on
// every way out.
class Hourglass {
public:
    Hourglass(QWidget *control, QWidget *view);
    ~Hourglass();
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;

private:
    QPointer<QWidget> control_;
    QPointer<QWidget> view_;
};

// No repaint of `view` while it is filled; released on every way out.
class RedrawFreeze {
public:
    explicit RedrawFreeze(QWidget *view);
    ~RedrawFreeze();
    RedrawFreeze(const RedrawFreeze &) = delete;
    RedrawFreeze &operator=(const RedrawFreeze &) = delete;

private:
    QPointer<QWidget> view_;
    bool wasEnabled_;
};

// One question to the helper with its failure read as `fallback`: the controls report no error.
template <typename Result, typename Question>
Result Ask(Question &&question, Result fallback = Result())
{
    try {
        return question();
    } catch (const std::exception &) {
        return fallback;
    }
}

} // namespace MwFSO
