// The document window's preview: the pane on the editor's place, the switch between them, the user's own
// browser, and the pane's keys.
#include "app/documents/frmContent.h"

#include "app/core/mdlLibraryShell.h"
#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFilePreview.h"
#include "app/documents/mdlFileSave.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/pages/PagePane.h"


using mdlFile::DocumentRecords;

platform::pages::PagePane *frmContent::PreviewPane()
{
    if (brwIE)
        return brwIE;
    picBrowser = new QWidget(this);
    picBrowser->hide();
    // The layout gives it the editor's place.
    picBrowser->setGeometry(txtContent->geometry());
    picBrowser->installEventFilter(this);
    brwIE = platform::pages::CreatePagePane(picBrowser);
    connect(brwIE, &platform::pages::PagePane::DisplayChanged, this, &frmContent::brwIE_DisplayChanged);
    connect(brwIE, &platform::pages::PagePane::onkeydown, this, &frmContent::brwIE_onkeydown);
    picBrowser_Resize();
    return brwIE;
}

void frmContent::picBrowser_Resize()
{
    brwIE->setGeometry(picBrowser->rect());
}

void frmContent::ShowBrowser(bool visible)
{
    browse_mode = visible;
    if (visible) {
        picBrowser->show();
        txtContent->hide();
    } else {
        txtContent->show();
        if (picBrowser)
            picBrowser->hide();
    }
}

bool frmContent::SaveBeforeView(bool outer)
{
    // A document without a file is never saved here: no Save dialog comes up in front of a preview.
    if (!(outer ? mdlLoad::SaveBrowser : mdlLoad::SaveView) || !mdlFile::HasFile(DocumentRecords[tag_].State))
        return true;
    return forms::frmMain->SaveDocument(tag_);
}

void frmContent::ChangeView()
{
    PreviewPane()->SetBrowseMode(QString());
    if (!browse_mode) {
        // A preview that could not be brought up to date would show an older text as the current one:
        // the window stays in the editor. The failed save has told the user already.
        if (SaveBeforeView(false)) {
            const platform::files::FileError copy = mdlFile::WriteWorkingCopy(*txtContent, filetmp_path);
            if (copy == platform::files::FileError::None) {
                browse_mode = true;
                LoadPreview(mdlFile::IsNew(DocumentRecords[tag_].State) || mdlFile::IsPreviewTmp(true), true);
            } else {
                mdlFile::ReportWriteError(mdlFile::SaveResult::Failure(copy), filetmp_path);
            }
        }
    } else {
        browse_mode = false;
    }
    // The panel's button shows the mode, whichever command switched it.
    PanelButton(QStringLiteral("viewmode"))->setChecked(browse_mode);
    ShowBrowser(browse_mode);
    SetFocusForm();
}

void frmContent::ViewBrowser()
{
    const QString path = DocumentRecords[tag_].Path;
    if (!SaveBeforeView(true))
        return;
    const platform::files::FileError copy = mdlFile::WriteWorkingCopy(*txtContent, filetmp_path);
    const bool fromTmp = mdlFile::IsPreviewTmp(false) || mdlFile::IsNew(DocumentRecords[tag_].State) || path.isEmpty();
    // The copy matters only where it is shown; the file itself needs none.
    if (fromTmp && copy != platform::files::FileError::None) {
        mdlFile::ReportWriteError(mdlFile::SaveResult::Failure(copy), filetmp_path);
        return;
    }
    LoadPreview(fromTmp, false);
}

void frmContent::LoadPreview(bool fromTmp, bool inPane)
{
    const mdlFile::PreviewTarget target =
        mdlFile::ChoosePreview(filetmp_path, DocumentRecords[tag_].Path, fromTmp, inPane);
    if (!inPane) {
        mdlLibrary::ShellOpen(target.source, true);
        return;
    }
    platform::pages::PagePane *pane = PreviewPane();
    if (target.isAddress)
        pane->LoadURL(target.source);
    else
        pane->LoadDocument(target.source);
    pane->SetBaseURL(target.base);
}

void frmContent::brwIE_DisplayChanged()
{
    // Pages load while the user goes on: a preview that finishes in a window the user has left does not
    // call that window back to the front.
    if (forms::frmMain->ActiveFileIndex == tag_)
        SetFocusForm();
}

void frmContent::brwIE_onkeydown(int keyCode, bool shift, bool ctrl, bool alt)
{
    BrowserKeyDown(keyCode, shift, ctrl, alt);
}

void frmContent::BrowserKeyDown(int keyCode, bool, bool ctrl, bool)
{
    if (keyCode == 'R' && ctrl)
        brwIE->Reload();
}
