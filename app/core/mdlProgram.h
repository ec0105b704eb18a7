#pragma once

#include <QList>
#include <QString>

// The start procedure and the hand-over of a command-line file to a copy that is already running.
namespace mdlProgram {

// The message that hands the file over: a double-click on the running copy's main window.
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x203;
// The request to close a window, as its close box gives it.
inline constexpr unsigned WM_CLOSE = 0x10;

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

// True and the checked full path when the command line names a readable text file.
bool GetCommandFile(QString &path, const QString &commandLine);
// The path in the form the file system stores it; empty when nothing is there.
QString GetLongFileName(const QString &path);

// The hand-over file in this copy's program folder, as the sending copy names it before it has a program
// folder of its own, and the running copy also while it starts.
QString SendFile();

} // namespace mdlProgram
