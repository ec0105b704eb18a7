// The main window's Help commands: the help entries, the testers page, the support page and the about box.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLibraryShell.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadHelps.h"
#include "app/dialogs/frmAbout.h"
#include "app/dialogs/frmMoney.h"
#include "app/dialogs/frmTester.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/dialogs/MessageBox.h"

#include <QAction>
#include <QMenu>

// A target that the desktop cannot open is not reported.
void frmMain::mnuHelp_File_Click(int index)
{
    if (!mdlLoad::Helps.contains(index))
        return;
    const QString &target = mdlLoad::Helps[index].Second;
    mdlLibrary::ShellOpen(mdlLoad::IsHelpAddress(target) ? target : mdlLoad::HelpFolder + target, true);
}

void frmMain::mnuHelp_Tester_Click()
{
    const int previous = ActiveFileIndex;
    platform::dialogs::ShowModal(*forms::frmTester);
    if (frmContent *document = mdlFile::OpenDocumentWindow(previous))
        document->SetFocusForm();
}

void frmMain::mnuHelp_User_Click()
{
    const int previous = ActiveFileIndex;
    forms::frmMoney->ShowMoney(this);
    ReturnFocus(previous);
}

void frmMain::mnuHelp_About_Click()
{
    const int previous = ActiveFileIndex;
    forms::frmAbout->ShowAbout(this);
    ReturnFocus(previous);
}

int frmMain::AddHelpItem(const QString &caption)
{
    // A caption "-" is a separator line, and the line alone: a separator's text would be drawn beside it.
    const bool separator = caption == QLatin1String("-");
    auto *item = new QAction(separator ? QString() : caption, mnuHelp);
    item->setSeparator(separator);
    mnuHelp->insertAction(mnuHelp_Line1, item);
    const int index = int(mnuHelp_File.size());
    mnuHelp_File.append(item);
    connect(item, &QAction::triggered, this, [this, index] { mnuHelp_File_Click(index); });
    return index;
}
