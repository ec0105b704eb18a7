// The View menu's document commands: syntax language, code pages, letter case, spaces, lines, preview,
// whitespace marks and tool panel of the active document.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLibrary.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileCommands.h"
#include "app/documents/mdlLanguageApply.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/LiteralCaption.h"

#include <QAction>
#include <QMenu>

void frmMain::mnuView_Syntax_Lang_Click(int index)
{
    Forward([index](frmContent &document) {
        mdlFile::DocumentRecords[document.Tag()].Language = index;
        mdlLanguage::SetDocumentLanguage(document.txtContent, index, QString(), true);
    });
}

int frmMain::AddSyntaxItem(const QString &caption)
{
    QAction *item = mnuView_Syntax->addAction(LiteralCaption(caption));
    item->setCheckable(true);
    const int index = int(mnuView_Syntax_Lang.size());
    mnuView_Syntax_Lang.append(item);
    connect(item, &QAction::triggered, this, [this, index] { mnuView_Syntax_Lang_Click(index); });
    return index;
}

void frmMain::mnuView_CodeView_File_List_Click(int index)
{
    // The text stays as it is: the file's code page decides only how the document is written back.
    Forward([index](frmContent &document) {
        if (index > 0)
            mdlFile::DocumentRecords[document.Tag()].FileCode = index;
        mdlFile::RefreshCodeMenus();
        document.Form_Activate();
    });
}

void frmMain::mnuView_CodeView_View_List_Click(int index)
{
    Forward([index](frmContent &document) {
        if (index > 0)
            mdlFile::DocumentRecords[document.Tag()].ViewCode = index;
        mdlFile::RefreshCodeMenus();
        document.Form_Activate();
    });
}

void frmMain::mnuView_Registr_Click(int mode)
{
    Forward([mode](frmContent &document) { document.RegistrText(mode); });
}

void frmMain::mnuView_Space_Click(int mode)
{
    Forward([mode](frmContent &document) { document.SpaceDelText(mode); });
}

void frmMain::mnuView_Line_Join_Click()
{
    Forward([](frmContent &document) {
        document.SelectLineText();
        document.txtContent->SetSelText(mdlLibrary::JoinLines(document.txtContent->SelText()));
    });
}

void frmMain::mnuView_Line_DelEmpty_Click()
{
    Forward([](frmContent &document) {
        document.SelectLineText();
        document.txtContent->SetSelText(mdlLibrary::DeleteEmptyLines(document.txtContent->SelText()));
    });
}

void frmMain::mnuView_OuterBrowser_Click()
{
    // The browser takes the user's attention: the focus is not brought back.
    if (frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex))
        document->ViewBrowser();
}

void frmMain::mnuView_EditBrowser_Click()
{
    Forward([](frmContent &document) {
        document.SetFocusForm();
        document.ChangeView();
    });
}

void frmMain::mnuView_ViewSpace_Click()
{
    Forward([](frmContent &document) {
        document.ViewSpaceChange(!mdlFile::DocumentRecords[document.Tag()].ViewSpace);
    });
}

void frmMain::mnuView_WorkPanel_Click()
{
    // The check mark shows the active document's panel; the item has flipped its own mark already
    // when the user chose it, so the new state is taken from the panel rather than from the mark.
    Forward([this](frmContent &document) {
        const bool shown = !document.panel_visible;
        mnuView_WorkPanel->setChecked(shown);
        document.PanelVisible(shown);
    });
}
