#include "app/core/mdlExit.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"

namespace mdlExit {

void ExitProgram()
{
    if (!mdlLoad::ProgramLoaded)
        return;
    frmMain *main = forms::frmMain.loaded();
    if (main && main->ActiveFileIndex > 0 && !CloseAllFiles())
        return;
    mdlLoad::ProgramLoaded = false;
    DeleteTempFiles();
    // Every way out stores the frame's placement, not only its close box.
    if (main)
        main->StoreWindowPosition();
    SaveSettings();
    UnloadMainAndEnd();
}

bool CloseAllFiles()
{
    frmMain *main = forms::frmMain.get();
    main->mnuFile_CloseAll_Click();
    return main->ActiveFileIndex == 0;
}

void UnloadMainAndEnd()
{
    mdlLoad::UnloadForm(forms::frmMain);
    platform::application::End();
}

} // namespace mdlExit
