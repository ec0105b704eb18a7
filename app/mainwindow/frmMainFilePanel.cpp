// The work panel's file page: MwFSO's drive combo, folder tree and file list kept in step with each
// other and with the open folder, the folder-up button, the file-type list and the two code-page lists
// with which a double-clicked file is opened.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/dialogs/DialogLists.h"
#include "app/dialogs/MwFSOControls.h"
#include "app/dialogs/MwFSOHost.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/widgets/ClippedTextTip.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/ToolBar.h"

#include <QAction>
#include <QComboBox>
#include <QScopedValueRollback>
#include <QStyle>

#include <algorithm>

namespace fso = MwFSOControls;

namespace {

// A code-page list's choice as a code-page index: its heading, and no choice at all, mean no recoding.
int CodePageOf(const QComboBox *list)
{
    return std::max(0, list->currentIndex());
}

} // namespace

void frmMain::CreateFilePanel()
{
    cmbDrive = std::make_unique<MwFSOHost>(fso::CLSID_MwFSOCombo, fso::TreeOrCombo::Path, picServiseFile);
    tlbPathUp = new ToolBar(picServiseFile);
    QAction *up = tlbPathUp->addAction(style()->standardIcon(QStyle::SP_FileDialogToParent), QString());
    up->setObjectName(QStringLiteral("updir"));
    up->setToolTip(QStringLiteral("На уровень вверх"));
    connect(up, &QAction::triggered, this, [this] { tlbPathUp_ButtonClick(QStringLiteral("updir")); });
    trvDir = std::make_unique<MwFSOHost>(fso::CLSID_MwFSOTree, fso::TreeOrCombo::Path, picServiseFile);
    picSplFiles = NewSplitter(picServiseFile, Qt::SplitVCursor);
    lstDirFiles = std::make_unique<MwFSOHost>(fso::CLSID_MwFSOList, fso::List::Path, picServiseFile);
    // Whenever the list goes to a folder of its own accord the panel asks it for small icons; it shows
    // them from the start.
    lstDirFiles->Put(fso::List::TypeView, std::int32_t(fso::ElementTypeViewSmallIcon));
    cmbFilter = new QComboBox(picServiseFile);
    cmbCode = new QComboBox(picServiseFile);
    cmbCode2 = new QComboBox(picServiseFile);

    // The parts' heights; the page's layout then places them.
    const int listHeight = cmbFilter->sizeHint().height();
    for (QComboBox *list : {cmbFilter, cmbCode, cmbCode2}) {
        list->resize(list->width(), listHeight);
        // The panel is narrow: a code page's long name shows whole in the tip.
        ClippedTextTip::Attach(list);
    }
    cmbDrive->place->resize(cmbDrive->place->width(), listHeight);
    tlbPathUp->resize(tlbPathUp->sizeHint().width(), listHeight);

    cmbDrive->OnItemEvent(fso::TreeOrComboEvent::ItemClick,
                          [this](const QString &path, int typeItem) { cmbDrive_ItemClick(path, typeItem); });
    cmbDrive->OnItemEvent(fso::TreeOrComboEvent::ItemGoto,
                          [this](const QString &path, int typeItem) { cmbDrive_ItemGoto(path, typeItem); });
    trvDir->OnItemEvent(fso::TreeOrComboEvent::ItemClick,
                        [this](const QString &path, int typeItem) { trvDir_ItemClick(path, typeItem); });
    trvDir->OnItemEvent(fso::TreeOrComboEvent::ItemGoto,
                        [this](const QString &path, int typeItem) { trvDir_ItemGoto(path, typeItem); });
    lstDirFiles->OnItemEvent(fso::ListEvent::ItemDblClick,
                             [this](const QString &path, int typeItem) { lstDirFiles_ItemDblClick(path, typeItem); });
    lstDirFiles->OnItemEvent(fso::ListEvent::ItemGoto,
                             [this](const QString &path, int typeItem) { lstDirFiles_ItemGoto(path, typeItem); });
    // Only the user's choice is a click; filling or clearing a list is none.
    connect(cmbFilter, &QComboBox::activated, this, &frmMain::cmbFilter_Click);
    connect(cmbCode, &QComboBox::activated, this, &frmMain::cmbCode_Click);
    connect(cmbCode2, &QComboBox::activated, this, &frmMain::cmbCode2_Click);
}

bool frmMain::SetFilePanelPaths(std::initializer_list<MwFSOHost *> controls, const QString &path)
{
    if (filePanelBusy_)
        return false;
    const QScopedValueRollback busy(filePanelBusy_, true);
    for (MwFSOHost *control : controls)
        control->SetPath(path);
    return true;
}

void frmMain::SyncFilePanelPath()
{
    SetFilePanelPaths({cmbDrive.get(), trvDir.get(), lstDirFiles.get()}, mdlLoad::PathOpen);
}

void frmMain::cmbDrive_ItemClick(const QString &path, int)
{
    SetFilePanelPaths({cmbDrive.get(), trvDir.get(), lstDirFiles.get()}, path);
}

void frmMain::cmbDrive_ItemGoto(const QString &path, int)
{
    SetFilePanelPaths({trvDir.get(), lstDirFiles.get()}, path);
}

void frmMain::trvDir_ItemClick(const QString &path, int)
{
    if (SetFilePanelPaths({trvDir.get(), lstDirFiles.get(), cmbDrive.get()}, path))
        mdlLoad::PathOpen = path;
}

void frmMain::trvDir_ItemGoto(const QString &path, int typeItem)
{
    trvDir_ItemClick(path, typeItem);
}

void frmMain::lstDirFiles_ItemGoto(const QString &path, int)
{
    if (!SetFilePanelPaths({lstDirFiles.get(), trvDir.get(), cmbDrive.get()}, path))
        return;
    lstDirFiles->Put(fso::List::TypeView, std::int32_t(fso::ElementTypeViewSmallIcon));
    mdlLoad::PathOpen = mdlLibrary::GetFolderOf(path);
}

void frmMain::lstDirFiles_ItemDblClick(const QString &path, int typeItem)
{
    if (typeItem != fso::ElementTypePathFile) {
        if (SetFilePanelPaths({lstDirFiles.get(), trvDir.get(), cmbDrive.get()}, path))
            mdlLoad::PathOpen = mdlLibrary::GetFolderOf(path);
        return;
    }
    const QString name = mdlLibrary::GetFileNameOf(path);
    if (const int open = mdlFile::FindDocumentByPath(path); open >= 1) {
        mdlFile::AddToMagazine(path);
        mdlFile::Documents[open]->SetFocusForm();
    } else if (mdlLibrary::IsTextFile(path)) {
        mdlFile::OpenDocumentFile(path, name, CodePageOf(cmbCode), CodePageOf(cmbCode2));
    } else {
        platform::dialogs::MsgBox(mdlLoad::CannotOpenMessage(name), platform::dialogs::vbCritical,
                                  QStringLiteral("Ошибка чтения"), this);
    }
}

void frmMain::tlbPathUp_ButtonClick(const QString &key)
{
    if (key != u"updir" || filePanelBusy_)
        return;
    const QScopedValueRollback busy(filePanelBusy_, true);
    cmbDrive->SetPath(fso::FolderUp(cmbDrive->Path()));
    trvDir->SetPath(cmbDrive->Path());
    lstDirFiles->SetPath(cmbDrive->Path());
}

void frmMain::FilePanelListClick(QComboBox *list, QString &setting, void (frmMain::*click)())
{
    const int index = list->currentIndex();
    if (index >= 1) {
        setting = QString::number(index - 1);
        return;
    }
    // The heading cannot stay chosen: the stored choice comes back, with its click.
    const int stored = mdlLibrary::ToWholeNumber(setting).value_or(0);
    if (index == 0 && stored >= 0 && stored + 1 < list->count()) {
        list->setCurrentIndex(stored + 1);
        (this->*click)();
    }
}

void frmMain::cmbFilter_Click()
{
    if (const int index = cmbFilter->currentIndex(); index >= 1) {
        // The list reads its folder again for the new pattern and reports it as a navigation, which the
        // user did not make: the open folder stays.
        const QScopedValueRollback busy(filePanelBusy_, true);
        lstDirFiles->Put(fso::List::Pattern, mdlLoad::GetTypeFileFilter(index - 1));
    }
    FilePanelListClick(cmbFilter, mdlLoad::FilterMain, &frmMain::cmbFilter_Click);
}

void frmMain::cmbCode_Click()
{
    FilePanelListClick(cmbCode, mdlLoad::Code1Main, &frmMain::cmbCode_Click);
}

void frmMain::cmbCode2_Click()
{
    FilePanelListClick(cmbCode2, mdlLoad::Code2Main, &frmMain::cmbCode2_Click);
}

void frmMain::SelectFilePanelLists()
{
    const struct {
        QComboBox *list;
        QString &setting;
        void (frmMain::*click)();
    } lists[] = {{cmbCode, mdlLoad::Code1Main, &frmMain::cmbCode_Click},
                 {cmbCode2, mdlLoad::Code2Main, &frmMain::cmbCode2_Click},
                 {cmbFilter, mdlLoad::FilterMain, &frmMain::cmbFilter_Click}};
    for (const auto &[list, setting, click] : lists) {
        const int stored = mdlLibrary::ToWholeNumber(setting).value_or(0);
        if (stored >= 0 && stored + 1 < list->count()) {
            list->setCurrentIndex(stored + 1);
            (this->*click)();
        } else {
            setting = QStringLiteral("0");
        }
    }
}
