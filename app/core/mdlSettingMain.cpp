// The confirmed settings applied at once to the main window and the open documents.
#include "app/core/mdlSetting.h"

#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileWindows.h"
#include "app/mainwindow/frmMain.h"

#include <QAction>

#include <tuple>

namespace mdlSetting {

void ApplySettingsToMain()
{
    if (!SettingUpdated) {
        ClearSettingChanged();
        return;
    }
    frmMain *main = forms::frmMain.get();
    main->picServiseFile_Resize();
    // The active document brings the status bar up to date for the new settings.
    if (frmContent *active = mdlFile::OpenDocumentWindow(main->ActiveFileIndex))
        active->Form_Activate();
    // Only the bars whose setting changed are switched.
    const std::tuple<bool, QAction *, void (frmMain::*)()> bars[] = {
        {mdlLoad::ViewPanelStandart, main->mnuView_ToolBar_Standart, &frmMain::mnuView_ToolBar_Standart_Click},
        {mdlLoad::ViewPanelServise, main->mnuView_ToolBar_Servise, &frmMain::mnuView_ToolBar_Servise_Click},
        {mdlLoad::ViewPanelTegs, main->mnuView_ToolBar_Tegs, &frmMain::mnuView_ToolBar_Tegs_Click},
        {mdlLoad::ViewPanelFiles, main->mnuView_ToolBar_Files, &frmMain::mnuView_ToolBar_Files_Click},
        {mdlLoad::ViewPanelStatus, main->mnuView_ToolBar_StatusBar, &frmMain::mnuView_ToolBar_StatusBar_Click}};
    for (const auto &[shown, item, click] : bars)
        if (shown != item->isChecked())
            (main->*click)();
    // Tab captions, pictures and tool tips and the Window menu's items follow the settings.
    for (int i = 1; i <= mdlFile::DocumentRecords.count(); ++i)
        if (!mdlFile::DocumentRecords[i].Closed)
            mdlFile::UpdateDocumentTab(i);
    main->DockFilesPanel(mdlLoad::TabsfilesTop);
    main->SyncFilePanelPath();
    ClearSettingChanged();
}

} // namespace mdlSetting
