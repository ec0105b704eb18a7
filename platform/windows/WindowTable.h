#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The top-level windows of every running copy of this program, for the current user and display, and
// messages between them. Each copy lists its windows in a file of a shared runtime folder and serves the
// messages for them on a local socket there; only copies of this program are ever listed, and a listed
// copy that takes no connection on its socket counts as none.
//
// A request that acts (a message, a restore, an activation) is carried out exactly when its asker still
// waits for it: the copy asked says it is about to act and acts only once the asker has confirmed, so a
// request that the asker has given up on is never carried out later, and one the asker counts as taken is.
namespace platform::windows {

using Handle = qint32;

// Show states and commands, as the windowing API numbers them.
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_RESTORE = 9;

struct WindowEntry {
    Handle handle = 0;
    QString title;
    // The application's own window, which stands for a copy while it starts, before its main window.
    bool application = false;
};

// `data`: the texts that travel with the message, as WM_COPYDATA carries its block.
using MessageHandler = std::function<void(unsigned message, qint32 wParam, qint32 lParam, const QStringList &data)>;

// The shared folder: $VELLICOR_WINDOW_TABLE when set, else a folder in the user's runtime location named
// after the display ($WAYLAND_DISPLAY, else $DISPLAY), so that copies on other displays never meet.
QString TableFolder();

// Copies that start at the same moment take turns, each from its look for a running copy until it has
// handed its files over or listed its own main window: so each finds the one before it, never one that is
// still starting. Waits for the turn on construction, giving up when one copy keeps the turn so long that it
// must hang (a queue of copies that each take their turn in time is waited for however long it is); the
// turn ends with Release() or the object.
class StartTurn {
public:
    StartTurn();
    ~StartTurn();
    StartTurn(const StartTurn &) = delete;
    StartTurn &operator=(const StartTurn &) = delete;
    void Release();

private:
    int fd_ = -1;
};

// While one lives, no question this copy asks another (SendMessage, GetShowState, ShowWindow,
// ActivateByTitle, and the look for live copies) waits past its deadline: a copy that does not answer by
// then is given up on, and what it did not take it never carries out.
class Patience {
public:
    explicit Patience(int milliseconds);
    ~Patience();
    Patience(const Patience &) = delete;
    Patience &operator=(const Patience &) = delete;
};

// Lists a window of this copy under its title, which is kept up to date; `handler` receives the messages
// sent to it. A window without a widget (the application's own) has a fixed title.
Handle RegisterWindow(QWidget *window, MessageHandler handler);
Handle RegisterApplicationWindow(const QString &title);
void UnregisterWindow(Handle handle);

// Every listed window of every live copy, as a desktop lists its windows from the top: this copy's own
// first, then the other copies', the one that joined last first, so that a start picks the copy that came
// up most recently (a new first copy rather than one that stopped answering before it). Copies that ended
// without unlisting are dropped.
QList<WindowEntry> EnumWindows();
// Calls `visit` with each listed window's handle and `lParam` until it returns 0.
void EnumWindows(const std::function<int(Handle, qint32)> &visit, qint32 lParam);
// The window's title; empty when it is not listed.
QString GetWindowText(Handle handle);
bool IsOwnWindow(Handle handle);
// Whether another live copy of the program lists windows.
bool AnotherCopyRuns();

// The show state of a window (one of the SW_SHOW... values), or 0 when it cannot be reached.
int GetShowState(Handle handle);
bool ShowWindow(Handle handle, int command);
// Brings another copy's window with exactly this title to the front; does not wait for it. False when no
// other copy lists such a window.
bool ActivateByTitle(const QString &title);
// Delivers a message, with `data`, and returns once the receiving window's handler has run on it; also
// true when the receiving copy took it and stopped before its handler had run, which then runs as soon as
// that copy goes on. False when the handler never runs on it: the window is not there, or its copy did not
// take the message while this one waited, or ended before its handler had run.
bool SendMessage(Handle handle, unsigned message, qint32 wParam, qint32 lParam, const QStringList &data = {});

} // namespace platform::windows
