#pragma once

#include "platform/files/EntryKind.h"

#include <QList>
#include <QString>
#include <QStringList>

// The start procedure and the hand-over of the command line's files to a copy that is already running.
namespace mdlProgram {

// The message that hands the files over: a double-click on the running copy's main window, which carries
// the paths as its data.
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x203;
// The request to close a window, as its close box gives it.
inline constexpr unsigned WM_CLOSE = 0x10;
// How long a start waits for the running copy to answer before it opens its files itself.
inline constexpr int HandOverPatienceMs = 8000;

// Windows collected by FindPrevInstance; element 0 stays empty.
inline QList<qint32> WindowHandles;
inline QList<QString> WindowTitles;
inline qint32 PrevInstanceWnd = 0;
inline QString PrevInstanceTitle;

// The start: hands over and ends when another copy runs, else loads the main window. Returns whether the
// main window was loaded (the program goes on into its event loop).
bool Main();

bool FindPrevInstance(const QString &title);
int EnumWindowsProc(qint32 hwnd, qint32 lParam);
void ActivatePrevInstance();

// The full, clean path that one command-line argument names when something is there (a file, or a folder,
// FIFO or device that cannot be opened as one); empty when it names nothing.
QString GetCommandFile(const QString &argument);
// The path in the form the file system stores it; empty when nothing is there.
QString GetLongFileName(const QString &path);
// A path that names something there that is no file: a folder, a FIFO, a device or a socket.
struct NotFile {
    QString path;
    platform::files::EntryKind kind;
};
// The message that names each of them with what it is.
QString NotFilesMessage(const QList<NotFile> &entries);

// Opens each file that the arguments name, in order, as a new document without recoding; one already open
// is activated instead. Paths that are no files are named in one message once the files are open. The path
// of the last file opened or activated; empty when none was (a file too large to open is refused with a
// message of its own).
QString OpenCommandFiles(const QStringList &arguments);

} // namespace mdlProgram
