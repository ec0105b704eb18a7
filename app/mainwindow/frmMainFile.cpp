// The main window's file and Help commands.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlExit.h"
#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/dialogs/frmFileNew.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileCommands.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileSave.h"
#include "app/documents/mdlFileWindows.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/widgets/LiteralCaption.h"
#include "platform/widgets/StatusBar.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTime>

#include <optional>

namespace {

using mdlFile::DocumentRecords;
using mdlFile::Documents;

bool IsOpen(int number)
{
    return mdlFile::OpenDocumentWindow(number) != nullptr;
}

// "Файл … сохранен" after a save, with the time as "09:05" (a plain save) or as "9:5" (the Save dialog).
QString SavedText(const QString &path, bool padded)
{
    const QTime now = QTime::currentTime();
    const QString time = padded ? now.toString(QStringLiteral("hh:mm"))
                                : QString::number(now.hour()) + u':' + QString::number(now.minute());
    return time + QStringLiteral(" - Файл ") + path + QStringLiteral(" сохранен");
}

} // namespace

// The dialog makes the document itself.
void frmMain::mnuFile_New_Click()
{
    const int previous = ActiveFileIndex;
    platform::dialogs::ShowModal(*forms::frmFileNew);
    ReturnFocus(previous);
}

void frmMain::mnuFile_Open_Click()
{
    const int previous = ActiveFileIndex;
    if (const std::optional<mdlFile::OpenChoice> choice = forms::frmFileOpen->ShowOpen()) {
        if (const int open = mdlFile::FindDocumentByPath(choice->Path); open > 0) {
            mdlFile::AddToMagazine(choice->Path);
            Documents[open]->SetFocusForm();
            return;
        }
        mdlFile::OpenDocumentFile(choice->Path, choice->Name, choice->CodeFrom, choice->CodeTo);
    }
    // The dialog shares the file panel's folder and lists, also when it was cancelled.
    SelectFilePanelLists();
    SyncFilePanelPath();
    ReturnFocus(previous);
}

bool frmMain::mnuFile_Save_Click()
{
    return SaveDocument(ActiveFileIndex);
}

bool frmMain::SaveDocument(int n)
{
    bool written = false;
    if (IsOpen(n)) {
        if (mdlFile::IsNew(DocumentRecords[n].State)) {
            ShowSaveDialog(n, mdlFile::SaveMode::SaveAs);
            return IsOpen(n) && mdlFile::HasFile(DocumentRecords[n].State);
        }
        const mdlFile::SaveResult result = mdlFile::WriteDocumentFile(n, this);
        written = result.written();
        if (written) {
            Documents[n]->ShowSaved(SavedText(DocumentRecords[n].Path, true));
        } else if (result.outcome == mdlFile::SaveResult::Failed) {
            mdlFile::ReportWriteError(result, DocumentRecords[n].Path);
            sttMain->SetPanelText(2, QString());
            SavedNoticeDocument = 0;
        }
    }
    mdlFile::UpdateDocumentTab(n);
    return written;
}

void frmMain::ShowSaveDialog(int n, mdlFile::SaveMode mode)
{
    Documents[n]->SetFocusForm();
    // What the dialog wrote, not the record's state: a cancelled dialog on a saved document wrote nothing,
    // and a copy is written elsewhere than the document's own file.
    const std::optional<QString> written = forms::frmFileSave->ShowSave(n, mode);
    if (mode == mdlFile::SaveMode::SaveAs)
        mdlFile::UpdateDocumentTab(n);
    SyncFilePanelPath();
    if (!IsOpen(n))
        return;
    // Activation brings the caption and the name panel up to date with a new name.
    Documents[n]->SetFocusForm();
    if (written)
        Documents[n]->ShowSaved(SavedText(*written, false));
    else
        Documents[n]->Size_Exchange();
}

void frmMain::mnuFile_SaveAs_Click()
{
    if (IsOpen(ActiveFileIndex))
        ShowSaveDialog(ActiveFileIndex, mdlFile::SaveMode::SaveAs);
}

void frmMain::mnuFile_SaveCopy_Click()
{
    if (IsOpen(ActiveFileIndex))
        ShowSaveDialog(ActiveFileIndex, mdlFile::SaveMode::SaveCopy);
}

void frmMain::mnuFile_Close_Click()
{
    if (IsOpen(ActiveFileIndex))
        Documents[ActiveFileIndex]->subWindow->close();
}

void frmMain::mnuFile_CloseAll_Click()
{
    const int previous = ActiveFileIndex;
    // Every open document is asked about, whichever one the active-document number names.
    const int kept = mdlFile::CloseAllDocuments([this](int n) {
        if (!IsOpen(n))
            return;
        ActiveFileIndex = n;
        Documents[n]->SetFocusForm();
        mnuFile_Close_Click();
        ActiveFileIndex = 0;
    });
    if (kept > 0) {
        ActiveFileIndex = kept;
        return;
    }
    mdlFile::RefreshDocumentCommands();
    if (IsOpen(previous))
        Documents[previous]->SetFocusForm();
}

void frmMain::mnuFile_SaveAll_Click()
{
    const int previous = ActiveFileIndex;
    mdlFile::SaveAllDocuments([this](int n) {
        ActiveFileIndex = n;
        SaveDocument(n);
    });
    if (IsOpen(previous))
        Documents[previous]->SetFocusForm();
}

void frmMain::mnuFile_Print_Click()
{
    const int n = ActiveFileIndex;
    if (!IsOpen(n))
        return;
    Documents[n]->SetFocusForm();
    Documents[n]->PrintText();
    if (IsOpen(n))
        Documents[n]->SetFocusForm();
}

void frmMain::AddMagazineItem(const QString &path)
{
    QAction *item = mnuFile_Magazine->addAction(LiteralCaption(path));
    item->setData(path);
    const int index = int(mnuFile_Magazine_File.size());
    connect(item, &QAction::triggered, this, [this, index] { mnuFile_Magazine_File_Click(index); });
    mnuFile_Magazine_File.append(item);
}

void frmMain::FillMagazineMenu()
{
    QAction *empty = mnuFile_Magazine_File.first();
    empty->setVisible(true);
    while (mnuFile_Magazine_File.size() > 1)
        delete mnuFile_Magazine_File.takeLast();
    const Table<StringPair> &magazine = mdlLoad::Magazine;
    const int n = magazine.count();
    for (int i = 1; i <= n; ++i)
        AddMagazineItem(magazine[n - i + 1].Second + magazine[n - i + 1].First);
    if (n >= 1)
        empty->setVisible(false);
}

void frmMain::mnuFile_Magazine_File_Click(int index)
{
    const int previous = ActiveFileIndex;
    const QAction *item = mnuFile_Magazine_File.value(index);
    const QString path = item ? item->data().toString() : QString();
    const QString name = mdlLibrary::GetFileNameOf(path);
    if (const int open = mdlFile::FindDocumentByPath(path); open > 0) {
        mdlFile::AddToMagazine(path);
        Documents[open]->SetFocusForm();
        return;
    }
    if (mdlLibrary::IsTextFile(path))
        mdlFile::OpenDocumentFile(path, name, 0, 0);
    else
        platform::dialogs::MsgBox(mdlLoad::CannotOpenMessage(name), platform::dialogs::vbCritical,
                                  QStringLiteral("Ошибка чтения"), this);
    ReturnFocus(previous);
}

void frmMain::mnuFile_Exit_Click()
{
    const int previous = ActiveFileIndex;
    mdlExit::ExitProgram();
    if (mdlLoad::ProgramLoaded)
        ReturnFocus(previous);
}
