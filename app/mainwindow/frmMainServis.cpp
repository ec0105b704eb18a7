// The main window's Service commands.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmAdvice.h"
#include "app/core/mdlSetting.h"
#include "app/dialogs/frmSetting.h"
#include "app/dialogs/frmSelColor.h"
#include "app/documents/frmCode.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileRecode.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/PictureBox.h"

#include <QTreeWidget>

#include <optional>

void frmMain::PickColor(const QString &start)
{
    const int i = ActiveFileIndex;
    mdlLoad::SelColorOK = false;
    mdlLoad::SelColorValue = start;
    forms::frmSelColor->ShowSelColor(this);
    // Only an accepted, valid colour is kept as the last one chosen and inserted.
    if (mdlLoad::SelColorOK && mdlLibrary::IsColorString(mdlLoad::SelColorValue)) {
        mdlLoad::ColorPink = mdlLoad::SelColorValue;
        if (frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex))
            document->PasteText(mdlLoad::ColorPink);
    }
    if (frmContent *document = mdlFile::OpenDocumentWindow(i))
        document->SetFocusForm();
}

void frmMain::mnuServis_SelColor_Click()
{
    PickColor(mdlLoad::ColorPink);
}

void frmMain::picServiseColorSelect_Click()
{
    // The swatch's colour is only where the picker starts; the last colour chosen stays until the user
    // accepts another.
    if (trvColor->topLevelItemCount() > 0)
        PickColor(mdlLibrary::ConvertColor(QString::number(picServiseColorSelect->BackColor()), 1, 2));
}

void frmMain::mnuServis_Code_Click()
{
    const int n = ActiveFileIndex;
    frmContent *document = mdlFile::OpenDocumentWindow(n);
    if (!document)
        return;
    document->SelectAllText();
    if (std::optional<mdlFile::RecodedText> recoded =
            forms::frmCode->ShowRecode(document->txtContent->SelText(), mdlFile::DocumentRecords[n].ViewCode)) {
        // The record first: the replacement shows the new code page in the status bar.
        mdlFile::DocumentRecords[n].ViewCode = recoded->Code;
        document->PasteReCode(recoded->Text);
    }
    if (frmContent *still = mdlFile::OpenDocumentWindow(n))
        still->SetFocusForm();
}

void frmMain::mnuServis_FileInset_Click()
{
    const int i = ActiveFileIndex;
    if (frmContent *document = mdlFile::OpenDocumentWindow(i)) {
        if (const std::optional<mdlFile::OpenChoice> choice = forms::frmFileOpen->ShowOpen()) {
            if (!mdlLibrary::IsTextFile(choice->Path))
                return;
            // A code page of 0 means no recoding, as everywhere: the text is inserted as the file holds it.
            document->PasteText(mdlFile::RecodeText(mdlLibrary::FileReadText(choice->Path), choice->CodeFrom,
                                                    choice->CodeTo, QStringLiteral("?")));
        }
    }
    // The Open dialog shares the file panel's folder and lists: the panel follows what it chose.
    SelectFilePanelLists();
    SyncFilePanelPath();
    if (frmContent *still = mdlFile::OpenDocumentWindow(i))
        still->SetFocusForm();
}

void frmMain::mnuServis_Advice_Click()
{
    const int n = ActiveFileIndex;
    platform::dialogs::ShowModal(*forms::frmAdvice);
    if (frmContent *document = mdlFile::OpenDocumentWindow(n))
        document->SetFocusForm();
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
