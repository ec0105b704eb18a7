// The main window's Help commands: the help entries and the testers page.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLibraryShell.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadHelps.h"
#include "app/dialogs/frmTester.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/dialogs/MessageBox.h"

#include <QStringList>

namespace {

// An address is opened as written; letter case counts, so "HTTP:" names a file in the help folder.
bool IsHelpAddress(const QString &target)
{
    static const QStringList schemes = {QStringLiteral("http:"), QStringLiteral("https:"), QStringLiteral("ftp:"),
                                        QStringLiteral("mailto:")};
    for (const QString &scheme : schemes)
        if (target.startsWith(scheme))
            return true;
    return false;
}

} // namespace

// A target that the desktop cannot open is not reported.
void frmMain::mnuHelp_File_Click(int index)
{
    if (!mdlLoad::Helps.contains(index))
        return;
    const QString &target = mdlLoad::Helps[index].Second;
    mdlLibrary::ShellOpen(IsHelpAddress(target) ? target : mdlLoad::HelpFolder + target, QString(), true);
}

void frmMain::mnuHelp_Tester_Click()
{
    const int previous = ActiveFileIndex;
    platform::dialogs::ShowModal(*forms::frmTester);
    if (frmContent *document = mdlFile::OpenDocumentWindow(previous))
        document->SetFocusForm();
}
