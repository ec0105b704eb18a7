// The confirmed settings applied at once to the main window and the open documents.
#include "app/core/mdlSetting.h"

#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileWindows.h"
#include "app/mainwindow/frmMain.h"

namespace mdlSetting {

void ApplySettingsToMain()
{
    if (!SettingUpdated) {
        ClearSettingChanged();
        return;
    }
    frmMain *main = forms::frmMain.get();
    // The active document brings the status bar up to date for the new settings.
    if (frmContent *active = mdlFile::OpenDocumentWindow(main->ActiveFileIndex))
        active->Form_Activate();
    // Tab captions, pictures and tool tips and the Window menu's items follow the settings.
    for (int i = 1; i <= mdlFile::DocumentRecords.count(); ++i)
        if (!mdlFile::DocumentRecords[i].Closed)
            mdlFile::UpdateDocumentTab(i);
    main->DockFilesPanel(mdlLoad::TabsfilesTop);
    ClearSettingChanged();
}

} // namespace mdlSetting
