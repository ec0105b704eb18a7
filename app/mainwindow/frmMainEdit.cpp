// The Edit and Search menus and the text popup: each command goes to the active document, which then
// gets the focus back.
#include "app/mainwindow/frmMain.h"

#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/editor/Editor.h"

void frmMain::Forward(const std::function<void(frmContent &)> &command)
{
    // The number is read once: the focus goes back to that document even when the command changed
    // which one is active.
    const int i = ActiveFileIndex;
    frmContent *document = mdlFile::OpenDocumentWindow(i);
    if (!document)
        return;
    command(*document);
    if (frmContent *still = mdlFile::OpenDocumentWindow(i))
        still->SetFocusForm();
}

void frmMain::mnuEdit_Undo_Click()
{
    Forward(&frmContent::Undo);
}

void frmMain::mnuEdit_Redo_Click()
{
    Forward(&frmContent::Redo);
}

void frmMain::mnuEdit_Cut_Click()
{
    Forward(&frmContent::ClipboardCut);
}

void frmMain::mnuEdit_Copy_Click()
{
    Forward(&frmContent::ClipboardCopy);
}

void frmMain::mnuEdit_Paste_Click()
{
    Forward(&frmContent::ClipboardPaste);
}

void frmMain::mnuEdit_Del_Click()
{
    Forward(&frmContent::ClipboardDel);
}

void frmMain::mnuEdit_SelectLine_Click()
{
    Forward(&frmContent::SelectLineText);
}

void frmMain::mnuEdit_SelectAll_Click()
{
    Forward(&frmContent::SelectAllText);
}

void frmMain::mnuEdit_DelLine_Click()
{
    Forward([](frmContent &document) {
        document.SelectLineText();
        platform::editor::Editor *editor = document.txtContent;
        platform::editor::Range line = editor->GetSel(false);
        // Any line but the last goes with its line end; the last one is emptied and stays.
        if (line.EndLine + 1 < editor->LineCount()) {
            ++line.EndLine;
            line.EndCol = 0;
            editor->SetSel(line);
        }
        document.ClipboardDel();
    });
}

void frmMain::mnuSearch_Find_Click()
{
    Forward(&frmContent::FindText);
}

void frmMain::mnuSearch_FindNext_Click()
{
    Forward(&frmContent::FindNextText);
}

void frmMain::mnuSearch_Replace_Click()
{
    Forward(&frmContent::ReplaceText);
}

void frmMain::mnuSearch_GotoLine_Click()
{
    Forward(&frmContent::GotoLine);
}
