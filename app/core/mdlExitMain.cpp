#include "app/core/mdlExit.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/dialogs/frmMoney.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileSave.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"

namespace mdlExit {

void ExitProgram()
{
    if (!mdlLoad::ProgramLoaded)
        return;
    frmMain *main = forms::frmMain.loaded();
    // Every changed document still open is asked about, whatever the active-document number says.
    if (main && mdlFile::CountOpenDocuments() > 0 && !CloseAllFiles())
        return;
    mdlLoad::ProgramLoaded = false;
    DeleteTempFiles();
    // Every way out stores the frame's placement, not only its close box.
    if (main)
        main->StoreWindowPosition();
    // The exit goes on: the user learns which settings are lost, and why.
    for (const WriteFailure &failure : SaveSettings())
        mdlFile::ReportFileWriteError(failure.error, failure.path, main);
    UnloadMainAndEnd();
}

bool CloseAllFiles()
{
    frmMain *main = forms::frmMain.get();
    main->mnuFile_CloseAll_Click();
    return mdlFile::CountOpenDocuments() == 0;
}

void UnloadMainAndEnd()
{
    mdlLoad::UnloadForm(forms::frmFileOpen);
    mdlLoad::UnloadForm(forms::frmFileSave);
    mdlLoad::UnloadForm(forms::frmMoney);
    mdlLoad::UnloadForm(forms::frmMain);
    platform::application::End();
}

} // namespace mdlExit
