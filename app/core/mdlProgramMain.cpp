#include "app/core/mdlProgram.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/windows/WindowTable.h"

namespace mdlProgram {

namespace windows = platform::windows;

bool Main()
{
    // Copies started at the same moment look for a running copy one after another.
    windows::StartTurn turn;
    // This copy's application window bears the title until the main window takes over; with a running
    // copy's main window it makes the two matches that tell a second start.
    const windows::Handle applicationWindow = windows::RegisterApplicationWindow(platform::application::Title());
    bool load = true;
    if (windows::AnotherCopyRuns() && FindPrevInstance(platform::application::Title()) && PrevInstanceWnd > 0) {
        load = false;
        ActivatePrevInstance();
        QString path;
        if (GetCommandFile(path, platform::application::CommandLine())) {
            const QString sendFile = SendFile();
            // A path that could not be written would reach the running copy as nothing, and a copy that
            // takes no message is not running after all: either way this one opens the file itself.
            if (mdlLibrary::FileWriteText(sendFile, path, mdlLibrary::TextEncoding::Utf8)) {
                load = !windows::SendMessage(PrevInstanceWnd, WM_LBUTTONDBLCLK, 0, 0);
                // Emptied for the running copy's next plain double-click. Should that fail, the path left
                // brings up this same file again at most, and this copy has no window to say so in.
                mdlLibrary::FileWriteText(sendFile, QString(), mdlLibrary::TextEncoding::Utf8);
            } else {
                load = true;
            }
        }
    }
    if (load)
        forms::frmMain.get();
    // The turn ends once this copy is listed as its main window or not at all.
    windows::UnregisterWindow(applicationWindow);
    turn.Release();
    if (load)
        forms::frmMain->MDIForm_Load();
    return load;
}

bool FindPrevInstance(const QString &title)
{
    WindowHandles = {0};
    WindowTitles = {QString()};
    windows::EnumWindows(EnumWindowsProc, 0);

    int matches = 0;
    for (qsizetype i = 0; i < WindowTitles.size(); ++i) {
        if (WindowTitles[i].isEmpty() || !WindowTitles[i].contains(title, Qt::CaseInsensitive))
            continue;
        ++matches;
        if (!windows::IsOwnWindow(WindowHandles[i])) {
            PrevInstanceWnd = WindowHandles[i];
            PrevInstanceTitle = WindowTitles[i];
        }
        if (matches > 1)
            return true;
    }
    PrevInstanceWnd = 0;
    PrevInstanceTitle.clear();
    return false;
}

int EnumWindowsProc(qint32 hwnd, qint32)
{
    // Titles are read into a buffer of 256 characters, of which at most 254 are kept.
    const QString title = windows::GetWindowText(hwnd).left(254);
    if (!title.isEmpty()) {
        WindowTitles.append(title);
        WindowHandles.append(hwnd);
    }
    return 1;
}

void ActivatePrevInstance()
{
    if (windows::GetShowState(PrevInstanceWnd) == windows::SW_SHOWMINIMIZED)
        windows::ShowWindow(PrevInstanceWnd, windows::SW_RESTORE);
    windows::ActivateByTitle(PrevInstanceTitle);
}

QString SendFile()
{
    return mdlLibrary::AsHostFolder(platform::application::Path()) + QStringLiteral("tmp/send.txt");
}

} // namespace mdlProgram
