#include "app/documents/mdlFileCommands.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadHelps.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlLanguage.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/LiteralCaption.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace mdlFile {
namespace {

void Enable(std::initializer_list<QAction *> commands, bool enabled)
{
    for (QAction *command : commands)
        command->setEnabled(enabled);
}

void CheckOnly(const QList<QAction *> &items, int index)
{
    for (int i = 1; i < items.size(); ++i)
        items[i]->setChecked(i == index);
}

} // namespace

void RefreshDocumentCommands()
{
    frmMain *m = forms::frmMain.get();
    const bool active = OpenDocumentWindow(m->ActiveFileIndex) != nullptr;
    Enable({m->mnuFile_Save, m->mnuFile_SaveAll, m->mnuFile_SaveAs, m->mnuFile_SaveCopy, m->mnuFile_Close,
            m->mnuFile_CloseAll, m->mnuFile_Print, m->mnuEdit_SelectAll, m->mnuEdit_SelectLine, m->mnuEdit_DelLine,
            m->mnuSearch_Find, m->mnuSearch_FindNext, m->mnuSearch_GotoLine, m->mnuSearch_Replace,
            m->mnuView_Syntax->menuAction(), m->mnuView_CodeView->menuAction(), m->mnuView_Registr->menuAction(),
            m->mnuView_Space->menuAction(), m->mnuView_Lines->menuAction(), m->mnuView_OuterBrowser,
            m->mnuView_EditBrowser, m->mnuPopupText_Browser, m->mnuView_ViewSpace, m->mnuView_WorkPanel,
            m->mnuServis_Code, m->mnuServis_FileInset, m->mnuWindows_Cascade, m->mnuWindows_Horizontal,
            m->mnuWindows_Vertical, m->mnuWindows_Min, m->mnuWindows_Max, m->mnuWindows_Arrange},
           active);
    m->mnuWindows_Line2->setVisible(active);
    if (mdlLanguage::LangHeader.count() < 1)
        m->mnuView_Syntax->menuAction()->setEnabled(false);
    if (mdlLoad::Codes.isEmpty())
        Enable({m->mnuServis_Code, m->mnuView_CodeView->menuAction()}, false);
    RefreshCodeMenus();
    RefreshEditCommands();
    RefreshHelpFileMenu();
}

void RefreshCodeMenus()
{
    frmMain *m = forms::frmMain.get();
    const bool active = OpenDocumentWindow(m->ActiveFileIndex) != nullptr;
    const DocumentRecord none;
    const DocumentRecord &record = active ? DocumentRecords[m->ActiveFileIndex] : none;
    CheckOnly(m->mnuView_CodeView_File_List, record.FileCode);
    CheckOnly(m->mnuView_CodeView_View_List, record.ViewCode);
}

void RefreshEditCommands()
{
    frmMain *m = forms::frmMain.get();
    const frmContent *document = OpenDocumentWindow(m->ActiveFileIndex);
    if (!document) {
        Enable({m->mnuEdit_Cut, m->mnuEdit_Copy, m->mnuEdit_Del, m->mnuEdit_Paste, m->mnuEdit_Redo, m->mnuEdit_Undo,
                m->mnuPopupText_Undo},
               false);
        return;
    }
    const bool selection = document->txtContent->HasSelection();
    Enable({m->mnuEdit_Cut, m->mnuEdit_Copy, m->mnuEdit_Del, m->mnuPopupText_Cut, m->mnuPopupText_Copy,
            m->mnuPopupText_Del},
           selection);
    // Whether there is anything to paste, undo or redo, the document's own command asks before it acts.
    Enable({m->mnuEdit_Paste, m->mnuPopupText_Paste, m->mnuEdit_Redo, m->mnuEdit_Undo, m->mnuPopupText_Undo}, true);
}

// An entry opens an address, or a file of the help folder while it is there; a folder is no help file.
void RefreshHelpFileMenu()
{
    const QList<QAction *> &items = forms::frmMain->mnuHelp_File;
    for (int i = 1; i <= mdlLoad::Helps.count() && i < items.size(); ++i) {
        const QString &target = mdlLoad::Helps[i].Second;
        if (mdlLoad::Helps[i].First != QLatin1String("-"))
            items[i]->setEnabled(mdlLoad::IsHelpAddress(target) || QFileInfo(mdlLoad::HelpFolder + target).isFile());
    }
}

} // namespace mdlFile

namespace mdlLoad {

void FillCodeMenus()
{
    frmMain *m = forms::frmMain.get();
    for (auto [menu, items] : {std::pair{m->mnuView_CodeView_File, &m->mnuView_CodeView_File_List},
                               std::pair{m->mnuView_CodeView_View, &m->mnuView_CodeView_View_List}}) {
        const bool fileList = items == &m->mnuView_CodeView_File_List;
        for (int i = 1; i <= Codes.count(); ++i) {
            QAction *item = menu->addAction(LiteralCaption(Codes[i].Name));
            item->setCheckable(true);
            QObject::connect(item, &QAction::triggered, m, [m, i, fileList] {
                fileList ? m->mnuView_CodeView_File_List_Click(i) : m->mnuView_CodeView_View_List_Click(i);
            });
            items->append(item);
        }
        if (!Codes.isEmpty())
            items->first()->setVisible(false);
    }
}

} // namespace mdlLoad
