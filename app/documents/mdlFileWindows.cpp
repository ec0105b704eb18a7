#include "app/documents/mdlFileWindows.h"

#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/mainwindow/frmMain.h"
#include "platform/widgets/LiteralCaption.h"
#include "platform/widgets/TabStrip.h"

#include <QAction>
#include <QMenu>

namespace mdlFile {
namespace {

const QString NoFilesKey = QStringLiteral("nothing");

bool IsDocument(int index)
{
    return index >= 1 && index <= DocumentRecords.count();
}

QAction *WindowItem(int menuIndex)
{
    const QList<QAction *> &items = forms::frmMain->mnuWindows_File;
    return menuIndex >= 1 && menuIndex < items.size() ? items[menuIndex] : nullptr;
}

} // namespace

void ActivateDocument(int index, bool setFocus, bool deactivate)
{
    frmMain *main = forms::frmMain.get();
    if (index == 0 || deactivate) {
        main->ActiveFileIndex = 0;
        MarkActiveWindowItem();
        main->setFocus();
        return;
    }
    if (main->ActiveFileIndex == index)
        return;
    // Set before the tab is selected: the tab's click handler then finds the document already active.
    main->ActiveFileIndex = index;
    const int tab = GetDocumentTabIndex(index);
    if (tab != main->tbsFiles->SelectedPosition())
        main->tbsFiles->Select(tab);
    MarkActiveWindowItem();
    if (setFocus && Documents[index])
        Documents[index]->SetFocusForm();
}

void MarkActiveWindowItem()
{
    const int active = forms::frmMain->ActiveFileIndex;
    const int marked = IsDocument(active) ? DocumentRecords[active].MenuIndex : 0;
    const QList<QAction *> &items = forms::frmMain->mnuWindows_File;
    for (qsizetype i = 1; i < items.size(); ++i)
        items[i]->setChecked(i == marked);
}

bool UnloadDocument(int index)
{
    if (!IsDocument(index) || DocumentRecords[index].Closed)
        return false;
    frmContent *window = Documents[index];
    Documents[index] = nullptr;
    if (window)
        window->Unload();
    return true;
}

void RefreshWindowMenu()
{
    const int n = DocumentRecords.count();
    frmMain *main = forms::frmMain.get();
    DocumentRecords[n].MenuIndex = main->AddWindowItem(ShortFileName(DocumentRecords[n].Name));
    AddDocumentTab(n);
}

void AddDocumentTab(int index)
{
    RemoveNoFilesTab();
    TabStrip *tabs = forms::frmMain->tbsFiles;
    const int position = tabs->Add(tabs->Count() + 1, QString(), ShortFileName(DocumentRecords[index].Name));
    DocumentRecords[index].TabIndex = position;
    tabs->SetToolTip(position, DocumentRecords[index].Path);
    UpdateDocumentTabImage(index);
    ShowNoFilesTab();
}

void UpdateDocumentTab(int index)
{
    if (!IsDocument(index))
        return;
    const DocumentRecord &record = DocumentRecords[index];
    TabStrip *tabs = forms::frmMain->tbsFiles;
    tabs->SetCaption(record.TabIndex, ShortFileName(record.Name));
    tabs->SetToolTip(record.TabIndex, record.Path);
    if (QAction *item = WindowItem(record.MenuIndex))
        item->setText(LiteralCaption(ShortFileName(record.Name)));
    UpdateDocumentTabImage(index);
}

void UpdateDocumentTabImage(int index)
{
    if (!IsDocument(index))
        return;
    TabStrip *tabs = forms::frmMain->tbsFiles;
    const DocumentRecord &record = DocumentRecords[index];
    if (!mdlLoad::FiletabPicture) {
        tabs->SetImage(record.TabIndex, 0);
        return;
    }
    // In the order of the states' numbers.
    const int pictures[] = {TabImageNew, TabImageNewChanged, TabImageOpen, TabImageOpenChanged};
    tabs->SetImage(record.TabIndex, pictures[int(record.State)]);
}

void RemoveDocumentTab(int index)
{
    if (!IsDocument(index))
        return;
    DocumentRecord &record = DocumentRecords[index];
    const int tab = record.TabIndex;
    const int item = record.MenuIndex;
    record.TabIndex = record.MenuIndex = 0;
    TabStrip *tabs = forms::frmMain->tbsFiles;
    if (tab > 0)
        tabs->Remove(tab);
    for (int i = index + 1; i <= DocumentRecords.count(); ++i)
        if (!DocumentRecords[i].Closed)
            --DocumentRecords[i].TabIndex;
    if (QAction *action = WindowItem(item)) {
        action->setEnabled(false);
        action->setVisible(false);
    }
    ShowNoFilesTab();
}

int GetDocumentTabIndex(int index)
{
    return IsDocument(index) ? DocumentRecords[index].TabIndex : 0;
}

void ShowNoFilesTab()
{
    TabStrip *tabs = forms::frmMain->tbsFiles;
    if (tabs->Count() == 0) {
        tabs->Add(1, NoFilesKey, QStringLiteral("файлов нет"));
        tabs->Select(1);
    }
}

void RemoveNoFilesTab()
{
    TabStrip *tabs = forms::frmMain->tbsFiles;
    if (tabs->Count() > 0 && tabs->Key(1) == NoFilesKey)
        tabs->Remove(1);
}

} // namespace mdlFile
