#include "app/core/mdlProgram.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
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
    {
        // A running copy that is stopped or busy is given up on: this copy opens its files itself then.
        const windows::Patience patience(HandOverPatienceMs);
        if (windows::AnotherCopyRuns() && FindPrevInstance(platform::application::Title()) && PrevInstanceWnd > 0) {
            load = false;
            ActivatePrevInstance();
            QStringList paths;
            for (const QString &argument : platform::application::Arguments())
                if (const QString path = GetCommandFile(argument); !path.isEmpty())
                    paths.append(path);
            // The paths travel with the message. The running copy carries out exactly the hand-overs it
            // took while their senders waited: what it did not take is this copy's to open.
            if (!paths.isEmpty() && !windows::SendMessage(PrevInstanceWnd, WM_LBUTTONDBLCLK, 0, 0, paths)) {
                load = true;
                // Named from this copy's current folder, as they were for the running copy.
                platform::application::SetArguments(paths);
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

QString OpenCommandFiles(const QStringList &arguments)
{
    QString last;
    QList<NotFile> notFiles;
    for (const QString &argument : arguments) {
        const QString path = GetCommandFile(argument);
        if (path.isEmpty())
            continue;
        // An open document is activated through the document table, so its tab and Window-menu item follow.
        if (const int open = mdlFile::FindDocumentByPath(path); open > 0) {
            mdlFile::ActivateDocument(open, true, false);
            last = path;
        } else if (const platform::files::EntryKind kind = platform::files::KindOf(path);
                   kind != platform::files::EntryKind::File) {
            notFiles.append({path, kind});
        } else if (mdlLibrary::IsTextFile(path) &&
                   mdlFile::OpenDocumentFile(path, mdlLibrary::GetFileNameOf(path), 0, 0)) {
            last = path;
        }
    }
    if (!notFiles.isEmpty())
        platform::dialogs::MsgBox(NotFilesMessage(notFiles), platform::dialogs::vbExclamation,
                                  QStringLiteral("Ошибка чтения"), forms::frmMain.get());
    return last;
}

} // namespace mdlProgram
