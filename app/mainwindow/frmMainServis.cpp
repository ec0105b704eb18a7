// The main window's Service commands.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlSetting.h"
#include "app/dialogs/frmSetting.h"
#include "app/documents/frmCode.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"

void frmMain::mnuServis_Code_Click()
{
    const int n = ActiveFileIndex;
    frmContent *document = mdlFile::OpenDocumentWindow(n);
    if (!document)
        return;
    document->SelectAllText();
    mdlFile::CodeText = document->txtContent->SelText();
    mdlFile::CodeIndex = mdlFile::DocumentRecords[n].ViewCode;
    mdlFile::CodeOK = false;
    platform::dialogs::ShowModal(*forms::frmCode);
    if (mdlFile::CodeOK) {
        // The record first: the replacement shows the new code page in the status bar.
        mdlFile::DocumentRecords[n].ViewCode = mdlFile::CodeIndex;
        document->PasteReCode(mdlFile::CodeText);
    }
    mdlFile::CodeText.clear();
    if (frmContent *still = mdlFile::OpenDocumentWindow(n))
        still->SetFocusForm();
}

// The dialog unloads itself; a change reaches the frame and the documents only once it has closed.
void frmMain::mnuServis_Setting_Click()
{
    const int previous = ActiveFileIndex;
    platform::dialogs::ShowModal(*forms::frmSetting);
    mdlSetting::ApplySettingsToMain();
    if (frmContent *document = mdlFile::OpenDocumentWindow(previous))
        document->SetFocusForm();
}
