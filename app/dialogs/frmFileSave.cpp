#include "app/dialogs/frmFileSave.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadTypeFiles.h"
#include "app/dialogs/DialogLists.h"
#include "app/dialogs/FolderPane.h"
#include "app/dialogs/MwFSOControls.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileSave.h"
#include "app/documents/mdlLanguage.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/forms/StoredRect.h"
#include "platform/widgets/TabStrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace dialogs = platform::dialogs;
namespace fso = MwFSOControls;
using mdlFile::DocumentRecord;

namespace {

// The dialog's rectangle in the settings.
platform::forms::StoredRect StoredPosition()
{
    return {mdlLoad::FilesaveLeft, mdlLoad::FilesaveTop, mdlLoad::FilesaveWidth, mdlLoad::FilesaveHeight};
}

} // namespace

frmFileSave::frmFileSave()
    : QDialog(forms::frmMain.loaded()), frame_(this, QStringLiteral("Сохранить"), QStyle::SP_DialogSaveButton)
{
    Form_Load();
}

frmFileSave::~frmFileSave() = default;

std::optional<QString> frmFileSave::ShowSave(int number, mdlFile::SaveMode mode)
{
    number_ = number;
    mode_ = mode;
    written_.reset();
    platform::dialogs::ShowModal(*this);
    number_ = 0;
    return std::exchange(written_, std::nullopt);
}

void frmFileSave::Form_Load()
{
    setWindowTitle(QStringLiteral("Сохранить файл"));
    setModal(true);
    tbsListFiles = frame_.tbsListFiles;
    cmmSave = frame_.cmmAccept;
    cmmCancel = frame_.cmmCancel;
    cmmSave->setEnabled(false);
    tbsListFiles->Add(1, QStringLiteral("disk"), QStringLiteral("На диске"));

    picListFiles = new FolderPane(mdlLoad::TypeviewSave, frame_.pages);
    lblFileName = new QLabel(QStringLiteral("Имя файла:"), picListFiles);
    txtFileName = new QLineEdit(picListFiles);
    lblFilter = new QLabel(QStringLiteral("Тип файлов:"), picListFiles);
    cmbFilter = new QComboBox(picListFiles);
    lblCode = new QLabel(QStringLiteral("В кодировке:"), picListFiles);
    cmbCode = new QComboBox(picListFiles);
    picListFiles->AddField(lblFileName, txtFileName);
    picListFiles->AddField(lblFilter, cmbFilter);
    picListFiles->AddField(lblCode, cmbCode);
    frame_.AddPage(picListFiles);

    platform::forms::RestoreRect(*this, StoredPosition());
    mdlLoad::FillTypeFileCombo(cmbFilter, QString());
    mdlLoad::FillCodeCombo(cmbCode, QString());
    if (cmbCode->count() > 0)
        cmbCode->setCurrentIndex(0);
    ConnectControls();
}

void frmFileSave::ConnectControls()
{
    connect(cmmSave, &QPushButton::clicked, this, &frmFileSave::cmmSave_Click);
    connect(cmmCancel, &QPushButton::clicked, this, &frmFileSave::cmmCancel_Click);
    connect(tbsListFiles, &TabStrip::Click, this, [this] { picListFiles->FocusList(); });
    connect(cmbFilter, &QComboBox::currentIndexChanged, this,
            [this](int index) { picListFiles->SetPattern(mdlLoad::GetTypeFileFilter(index)); });
    connect(txtFileName, &QLineEdit::textChanged, this,
            [this](const QString &text) { cmmSave->setEnabled(!text.isEmpty()); });

    picListFiles->OnDriveEvent(fso::TreeOrComboEvent::ItemClick, [this](const QString &path, int) {
        picListFiles->SetDrivePath(path);
        picListFiles->SetListPath(path);
    });
    picListFiles->OnDriveEvent(fso::TreeOrComboEvent::ItemGoto, [this](const QString &path, int typeItem) {
        cmmSave->setEnabled(typeItem != fso::ElementTypePathComputer);
        picListFiles->SetListPath(path);
        if (mdlLoad::PathOsEqual)
            mdlLoad::PathOpen = path;
    });
    picListFiles->OnListEvent(fso::ListEvent::ItemDblClick, [this](const QString &path, int typeItem) {
        if (typeItem == fso::ElementTypePathFile) {
            txtFileName->setText(mdlLibrary::GetFileNameOf(path));
        } else {
            picListFiles->SetListPath(path);
            picListFiles->SetDrivePath(path);
        }
    });
    picListFiles->OnListEvent(fso::ListEvent::ItemGoto,
                              [this](const QString &path, int) { picListFiles->SetDrivePath(path); });
}

void frmFileSave::Form_Activate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DocumentRecord record = mdlFile::DocumentRecords.contains(number_) ? mdlFile::DocumentRecords[number_]
                                                                              : DocumentRecord();
    if (mdlLoad::PathOsEqual)
        mdlLoad::PathSave = mdlLoad::PathOpen;
    tbsListFiles->Select(mdlLoad::SaveDialog);
    if (!mdlLibrary::TrimSpaces(record.Path).isEmpty())
        mdlLoad::PathSave = mdlLibrary::GetFolderOf(record.Path);
    picListFiles->ShowFolder(mdlLoad::PathSave);
    picListFiles->ApplyTypeView(mdlLoad::TypeviewSave);
    txtFileName->setText(record.Name);
    mdlLoad::SelectListIndex(cmbFilter, GetFilterIndex(record.Language));
    if (cmbCode->count() > 0)
        mdlLoad::SelectListIndex(cmbCode, mdlFile::SaveCodePage(record) - 1);
    QApplication::restoreOverrideCursor();
}

int frmFileSave::GetFilterIndex(int language) const
{
    if (language < 0 || language > mdlLanguage::LangHeader.count())
        return 0;
    const QString &syntaxName = mdlLanguage::LangHeader[language].SyntaxName;
    int match = 0;
    for (int i = 1; i <= mdlLoad::TypeFiles.count(); ++i)
        if (mdlLoad::TypeFiles[i].Language == syntaxName)
            match = i;
    return match > 0 ? match - 1 : 0;
}

void frmFileSave::cmmSave_Click()
{
    if (!mdlFile::OpenDocumentWindow(number_))
        return;
    txtFileName->setText(mdlLoad::GetTypeFileExt(cmbFilter->currentIndex(), txtFileName->text()));
    const QString name = txtFileName->text();
    // Only a folder of the disk takes the file: at the computer level there is none, and a bare name
    // would land in whatever folder the program runs in.
    QString folder = picListFiles->ListPath();
    if (!folder.startsWith(u'/') || name.isEmpty())
        return;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    // The name may be a path of its own, relative to the folder or from "/".
    const QString path = mdlLibrary::OutsidePath(name, folder);

    // Every existing file is asked about, hidden ones too.
    if (QFileInfo(path).isFile() &&
        dialogs::MsgBox(QStringLiteral("Файл с именем ") + name + QStringLiteral(" уже существует.\r\nПерезаписать файл?"),
                        dialogs::vbYesNo | dialogs::vbQuestion | dialogs::vbDefaultButton2,
                        QStringLiteral("Предупреждение"), this) != dialogs::vbYes)
        return;
    const int code = cmbCode->currentIndex() + 1;
    platform::files::FileStamp stamp;
    if (!WriteDocument(path, code, stamp))
        return;

    DocumentRecord &record = mdlFile::DocumentRecords[number_];
    // A copy that lands on the document's own file leaves the document the name it has.
    if (mdlFile::SaveBindsDocument(mode_, path, record))
        mdlFile::MarkSaved(record, mode_ == mdlFile::SaveMode::SaveCopy ? record.Path : path, code, stamp);
    written_ = path;
    mdlLoad::PathSave = mdlLibrary::GetFolderOf(path);
    mdlFile::AddToMagazine(path);
    Form_Deactivate();
    done(QDialog::Accepted);
}

bool frmFileSave::WriteDocument(const QString &path, int code, platform::files::FileStamp &stamp)
{
    // The overwrite question has been asked already: no question about another program's change.
    const mdlFile::SaveResult result = mdlFile::WriteDocumentText(number_, path, code, false, this);
    stamp = result.stamp;
    if (result.outcome == mdlFile::SaveResult::Failed)
        dialogs::MsgBox(mdlFile::WriteFailureText(QStringLiteral("Файл не удалось записать,"), result, path),
                        dialogs::vbCritical | dialogs::vbCancelTryContinue, QStringLiteral("Ошибка записи"), this);
    return result.written();
}

void frmFileSave::Form_Deactivate()
{
    if (picListFiles->HasList()) {
        mdlLoad::PathSave = picListFiles->ListPath();
        if (mdlLoad::PathOsEqual)
            mdlLoad::PathOpen = mdlLoad::PathSave;
    }
    mdlLoad::SaveDialog = tbsListFiles->SelectedPosition();
    platform::forms::StoreRect(*this, StoredPosition());
}

void frmFileSave::cmmCancel_Click()
{
    Form_Deactivate();
    done(QDialog::Rejected);
}

void frmFileSave::reject()
{
    cmmCancel_Click();
}

void frmFileSave::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void frmFileSave::closeEvent(QCloseEvent *event)
{
    event->ignore();
    cmmCancel_Click();
}

void frmFileSave::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (mdlLoad::ProgramLoaded && isVisible())
        picListFiles->FocusList();
}
