#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// The top-level windows of every running copy of this program, for the current user and display, and
// messages between them. Each copy lists its windows in a file of a shared runtime folder and serves the
// messages for them on a local socket there; only copies of this program are ever listed, and a listed
// copy that takes no connection on its socket counts as none.
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

using MessageHandler = std::function<void(unsigned message, qint32 wParam, qint32 lParam)>;

// The shared folder: $VELLICOR_WINDOW_TABLE when set, else a folder in the user's runtime location named
// after the display ($WAYLAND_DISPLAY, else $DISPLAY), so that copies on other displays never meet.
QString TableFolder();

// Copies that start at the same moment take turns, each from its look for a running copy until it has
// handed its file over or listed its own main window: so each finds the one before it, never one that is
// still starting. Waits for the turn on construction, giving up after a while when the copy before hangs;
// the turn ends with Release() or the object.
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

// Lists a window of this copy under its title, which is kept up to date; `handler` receives the messages
// sent to it. A window without a widget (the application's own) has a fixed title.
Handle RegisterWindow(QWidget *window, MessageHandler handler);
Handle RegisterApplicationWindow(const QString &title);
void UnregisterWindow(Handle handle);

// Every listed window of every live copy; copies that ended without unlisting are dropped.
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
// Delivers a message and returns once the receiving window's handler has run.
bool SendMessage(Handle handle, unsigned message, qint32 wParam, qint32 lParam);

} // namespace platform::windows
