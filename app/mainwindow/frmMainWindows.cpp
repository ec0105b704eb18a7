// The Windows menu: arranging the document windows and choosing one of them, and the document tabs.
#include "app/mainwindow/frmMain.h"

#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileWindows.h"
#include "platform/widgets/LiteralCaption.h"
#include "platform/widgets/MdiArrangement.h"
#include "platform/widgets/TabStrip.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

using platform::widgets::Arrangement;

void frmMain::mnuWindows_Cascade_Click()
{
    platform::widgets::Arrange(mdiArea, Arrangement::Cascade);
}

void frmMain::mnuWindows_Horizontal_Click()
{
    platform::widgets::Arrange(mdiArea, Arrangement::Horizontal);
}

void frmMain::mnuWindows_Vertical_Click()
{
    platform::widgets::Arrange(mdiArea, Arrangement::Vertical);
}

void frmMain::mnuWindows_Max_Click()
{
    Forward([](frmContent &document) { document.subWindow->showMaximized(); });
}

void frmMain::mnuWindows_Min_Click()
{
    SetAllWindowState(Qt::WindowMinimized);
}

void frmMain::mnuWindows_Arrange_Click()
{
    if (!mdlFile::OpenDocumentWindow(ActiveFileIndex))
        return;
    Forward([this](frmContent &) {
        platform::widgets::Arrange(mdiArea, Arrangement::Cascade);
        platform::widgets::Arrange(mdiArea, Arrangement::Icons);
    });
}

void frmMain::SetAllWindowState(Qt::WindowState state)
{
    const int i = ActiveFileIndex;
    frmContent *active = mdlFile::OpenDocumentWindow(i);
    if (!active)
        return;
    active->SetFocusForm();
    QList<QMdiSubWindow *> windows;
    for (int n = 1; n <= mdlFile::DocumentRecords.count(); ++n)
        if (frmContent *document = mdlFile::OpenDocumentWindow(n))
            windows << document->subWindow;
    platform::widgets::SetWindowStates(windows, state);
    if (frmContent *still = mdlFile::OpenDocumentWindow(i))
        still->SetFocusForm();
}

void frmMain::mnuWindows_File_Click(int index)
{
    mdlFile::ActivateDocument(mdlFile::FindDocumentByMenu(index), true, false);
    // Choosing the active document again leaves the activation as it was, but the click has toggled
    // the item's mark.
    mdlFile::MarkActiveWindowItem();
}

void frmMain::tbsFiles_Click()
{
    mdlFile::ActivateDocument(mdlFile::FindDocumentByTab(tbsFiles->SelectedPosition()), true, false);
}

void frmMain::tbsFiles_MouseDown(int position)
{
    // The user's click on a tab brings its document back into sight; code that selects a tab, for
    // the Window menu or Ctrl+Tab, leaves a minimised window as it is.
    if (frmContent *document = mdlFile::OpenDocumentWindow(mdlFile::FindDocumentByTab(position)))
        if (document->subWindow->isMinimized())
            document->subWindow->showNormal();
}

int frmMain::AddWindowItem(const QString &caption)
{
    QAction *item = mnuWindows->addAction(LiteralCaption(caption));
    item->setCheckable(true);
    const int index = int(mnuWindows_File.size());
    mnuWindows_File.append(item);
    connect(item, &QAction::triggered, this, [this, index] { mnuWindows_File_Click(index); });
    return index;
}
