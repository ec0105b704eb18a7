#include "app/dialogs/frmFileOpen.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/dialogs/DialogLists.h"
#include "app/dialogs/FolderPane.h"
#include "app/dialogs/MwFSOControls.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/forms/StoredRect.h"
#include "platform/forms/Twips.h"
#include "platform/widgets/TabStrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace fso = MwFSOControls;

namespace {

constexpr int KeyRole = Qt::UserRole;

const QString DiskKey = QStringLiteral("disk");
const QString MagazineKey = QStringLiteral("magazine");

// A stored list index for a combo: selected when below the item count, else the setting becomes "0".
void SelectStored(QComboBox *combo, QString &setting)
{
    const int index = mdlLibrary::ToWholeNumber(setting).value_or(0);
    if (index < combo->count())
        mdlLoad::SelectListIndex(combo, index);
    else
        setting = QStringLiteral("0");
}

// The dialog's rectangle in the settings.
platform::forms::StoredRect StoredPosition()
{
    return {mdlLoad::FileopenLeft, mdlLoad::FileopenTop, mdlLoad::FileopenWidth, mdlLoad::FileopenHeight};
}

} // namespace

frmFileOpen::frmFileOpen()
    : QDialog(forms::frmMain.loaded()), frame_(this, QStringLiteral("Открыть"), QStyle::SP_DialogOpenButton)
{
    Form_Load();
}

frmFileOpen::~frmFileOpen() = default;

std::optional<mdlFile::OpenChoice> frmFileOpen::ShowOpen()
{
    choice_.reset();
    platform::dialogs::ShowModal(*this);
    return std::exchange(choice_, std::nullopt);
}

void frmFileOpen::Form_Load()
{
    setWindowTitle(QStringLiteral("Открыть файл"));
    setModal(true);
    tbsListFiles = frame_.tbsListFiles;
    cmmOpen = frame_.cmmAccept;
    cmmCancel = frame_.cmmCancel;
    cmmOpen->setEnabled(false);
    tbsListFiles->Add(1, DiskKey, QStringLiteral("На диске"));
    tbsListFiles->Add(2, MagazineKey, QStringLiteral("Журнал"));

    picListFiles = new FolderPane(mdlLoad::TypeviewOpen, frame_.pages);
    lblFilter = new QLabel(QStringLiteral("Тип файлов:"), picListFiles);
    cmbFilter = new QComboBox(picListFiles);
    lblCode = new QLabel(QStringLiteral("Кодировка файла:"), picListFiles);
    cmbCode = new QComboBox(picListFiles);
    lblCode2 = new QLabel(QStringLiteral("Открыть в кодировке:"), picListFiles);
    cmbCode2 = new QComboBox(picListFiles);
    picListFiles->AddField(lblFilter, cmbFilter);
    picListFiles->AddField(lblCode, cmbCode);
    picListFiles->AddField(lblCode2, cmbCode2);

    picMagazine = new QWidget(frame_.pages);
    lstMagazine = new QTreeWidget(picMagazine);
    lstMagazine->setHeaderLabels({QStringLiteral("Имя файла"), QStringLiteral("Путь к файлу")});
    lstMagazine->headerItem()->setData(0, KeyRole, QStringLiteral("namefile"));
    lstMagazine->headerItem()->setData(1, KeyRole, QStringLiteral("pathfile"));
    lstMagazine->setRootIsDecorated(false);
    lstMagazine->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstMagazine->installEventFilter(this);
    auto *magazineLayout = new QVBoxLayout(picMagazine);
    magazineLayout->setContentsMargins(0, 0, 0, 0);
    magazineLayout->addWidget(lstMagazine);

    frame_.AddPage(picListFiles);
    frame_.AddPage(picMagazine);
    picMagazine->hide();

    platform::forms::RestoreRect(*this, StoredPosition());
    mdlLoad::FillTypeFileCombo(cmbFilter, QString());
    mdlLoad::FillCodeCombo(cmbCode, QString());
    mdlLoad::FillCodeCombo(cmbCode2, QString());
    ConnectControls();
}

void frmFileOpen::ConnectControls()
{
    connect(cmmOpen, &QPushButton::clicked, this, &frmFileOpen::cmmOpen_Click);
    connect(cmmCancel, &QPushButton::clicked, this, &frmFileOpen::cmmCancel_Click);
    connect(tbsListFiles, &TabStrip::Click, this, &frmFileOpen::tbsListFiles_Click);
    connect(cmbFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        picListFiles->SetPattern(mdlLoad::GetTypeFileFilter(index));
        mdlLoad::FilterMain = QString::number(index);
    });
    connect(cmbCode, &QComboBox::currentIndexChanged, this,
            [](int index) { mdlLoad::Code1Main = QString::number(index); });
    connect(cmbCode2, &QComboBox::currentIndexChanged, this,
            [](int index) { mdlLoad::Code2Main = QString::number(index); });
    connect(lstMagazine, &QTreeWidget::itemSelectionChanged, this, &frmFileOpen::UpdateOpenButton);
    connect(lstMagazine, &QTreeWidget::itemDoubleClicked, this, &frmFileOpen::lstMagazine_DblClick);

    picListFiles->OnDriveEvent(fso::TreeOrComboEvent::ItemClick, [this](const QString &path, int) {
        picListFiles->SetDrivePath(path);
        picListFiles->SetListPath(path);
    });
    picListFiles->OnDriveEvent(fso::TreeOrComboEvent::ItemGoto, [this](const QString &path, int) {
        SelectFile(QString());
        picListFiles->SetListPath(path);
    });
    picListFiles->OnListEvent(fso::ListEvent::ItemClick, [this](const QString &path, int typeItem) {
        SelectFile(typeItem == fso::ElementTypePathFile ? path : QString());
    });
    picListFiles->OnListEvent(fso::ListEvent::ItemDblClick, [this](const QString &path, int typeItem) {
        if (typeItem == fso::ElementTypePathFile) {
            strFileSelected = path;
            cmmOpen_Click();
        } else {
            picListFiles->SetDrivePath(path);
            picListFiles->SetListPath(path);
        }
    });
    picListFiles->OnListEvent(fso::ListEvent::ItemGoto, [this](const QString &path, int) {
        picListFiles->SetDrivePath(path);
        SelectFile(QString());
    });
}

void frmFileOpen::Form_Activate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A file chosen in an earlier showing is not the user's choice now.
    strFileSelected.clear();
    picListFiles->ShowFolder(mdlLoad::PathOpen);
    SelectStored(cmbFilter, mdlLoad::FilterMain);
    SelectStored(cmbCode, mdlLoad::Code1Main);
    SelectStored(cmbCode2, mdlLoad::Code2Main);
    choice_.reset();
    tbsListFiles->Select(mdlLoad::OpenDialog);
    lstMagazine->setColumnWidth(0, platform::forms::PixelsTowardZero(mdlLoad::MagazineName));
    lstMagazine->setColumnWidth(1, platform::forms::PixelsTowardZero(mdlLoad::MagazinePath));
    FillMagazine();
    picListFiles->ApplyTypeView(mdlLoad::TypeviewOpen);
    SetFocusToPage();
    QApplication::restoreOverrideCursor();
}

void frmFileOpen::FillMagazine()
{
    // Filling is no click: the Open button keeps its state.
    const QSignalBlocker blocker(lstMagazine);
    lstMagazine->clear();
    const Table<StringPair> &magazine = mdlLoad::Magazine;
    const int rows = std::min(magazine.count(), mdlLoad::MaxMagazine);
    for (int r = 1; r <= rows; ++r) {
        const int e = magazine.count() - r + 1;
        auto *row = new QTreeWidgetItem(lstMagazine, {magazine[e].First, magazine[e].Second});
        row->setData(0, KeyRole, QStringLiteral("n_") + QString::number(e));
        row->setData(1, KeyRole, QStringLiteral("f_") + QString::number(e));
        row->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    }
    if (QTreeWidgetItem *top = lstMagazine->topLevelItem(0))
        lstMagazine->setCurrentItem(top);
}

void frmFileOpen::Form_Deactivate()
{
    if (picListFiles->HasList())
        mdlLoad::PathOpen = mdlLibrary::GetFolderOf(picListFiles->ListPath());
    mdlLoad::OpenDialog = tbsListFiles->SelectedPosition();
    mdlLoad::MagazineName = platform::forms::Twips(lstMagazine->columnWidth(0));
    mdlLoad::MagazinePath = platform::forms::Twips(lstMagazine->columnWidth(1));
    platform::forms::StoreRect(*this, StoredPosition());
}

void frmFileOpen::cmmOpen_Click()
{
    QString path;
    const QString key = SelectedTabKey();
    if (key == DiskKey) {
        path = strFileSelected;
    } else if (key == MagazineKey) {
        if (const QTreeWidgetItem *row = lstMagazine->currentItem())
            path = row->text(1) + row->text(0);
    }
    if (path.isEmpty())
        return;
    const QString name = mdlLibrary::GetFileNameOf(path);
    mdlLoad::PathOpen = mdlLibrary::GetFolderOf(path);
    if (!mdlLibrary::IsTextFile(path)) {
        platform::dialogs::MsgBox(mdlLoad::CannotOpenMessage(name), platform::dialogs::vbCritical,
                                  QStringLiteral("Ошибка чтения"), this);
        return;
    }
    if (mdlFile::RefuseTooLargeFile(path, this))
        return;
    choice_ = mdlFile::OpenChoice{path, name, cmbCode->currentIndex() + 1, cmbCode2->currentIndex() + 1};
    Form_Deactivate();
    done(QDialog::Accepted);
}

void frmFileOpen::cmmCancel_Click()
{
    Form_Deactivate();
    done(QDialog::Rejected);
}

void frmFileOpen::reject()
{
    cmmCancel_Click();
}

void frmFileOpen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void frmFileOpen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    cmmCancel_Click();
}

void frmFileOpen::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (mdlLoad::ProgramLoaded && isVisible())
        SetFocusToPage();
}

bool frmFileOpen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstMagazine && event->type() == QEvent::FocusIn)
        UpdateOpenButton();
    // Enter opens the recent file as it opens the file chosen on the disk page.
    if (watched == lstMagazine && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstMagazine_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString frmFileOpen::SelectedTabKey() const
{
    return tbsListFiles->Key(tbsListFiles->SelectedPosition());
}

void frmFileOpen::SetFocusToPage()
{
    const QString key = SelectedTabKey();
    if (key == DiskKey)
        picListFiles->FocusList();
    else if (key == MagazineKey)
        lstMagazine->setFocus();
}

void frmFileOpen::tbsListFiles_Click()
{
    picListFiles->hide();
    picMagazine->hide();
    const QString key = SelectedTabKey();
    if (key == DiskKey)
        picListFiles->show();
    else if (key == MagazineKey)
        picMagazine->show();
    UpdateOpenButton();
    SetFocusToPage();
}

void frmFileOpen::SelectFile(const QString &path)
{
    strFileSelected = path;
    UpdateOpenButton();
}

void frmFileOpen::UpdateOpenButton()
{
    const QString key = SelectedTabKey();
    const QTreeWidgetItem *row = lstMagazine->currentItem();
    cmmOpen->setEnabled(key == DiskKey     ? !strFileSelected.isEmpty()
                        : key == MagazineKey ? row && !row->text(0).isEmpty()
                                             : false);
}

void frmFileOpen::lstMagazine_DblClick()
{
    const QTreeWidgetItem *row = lstMagazine->currentItem();
    if (lstMagazine->topLevelItemCount() > 0 && row && !row->text(0).isEmpty())
        cmmOpen_Click();
}
