#pragma once

#include "app/dialogs/FileDialogFrame.h"
#include "app/documents/mdlFileState.h"
#include "platform/files/FileError.h"
#include "platform/forms/GlobalForm.h"

#include <QDialog>

#include <optional>

class FolderPane;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TabStrip;

// The program's Save dialog: writes one document to a file picked by folder and name, in a code page
// picked from the list. Save As binds the document to the file written; a copy leaves the document's
// record alone, unless it lands on the document's own path. Loaded hidden at start and kept until the
// program ends: closing it only hides it.
class frmFileSave : public QDialog {
    Q_OBJECT

public:
    frmFileSave();
    ~frmFileSave() override;

    // Shows the dialog modal for document `number`: the path it wrote; nothing when it wrote nothing.
    std::optional<QString> ShowSave(int number, mdlFile::SaveMode mode);
    // The document the dialog saves while it is shown; 0 otherwise.
    int DocumentNumber() const { return number_; }

    TabStrip *tbsListFiles = nullptr;
    FolderPane *picListFiles = nullptr;
    QLabel *lblFileName = nullptr;
    QLineEdit *txtFileName = nullptr;
    QLabel *lblFilter = nullptr;
    QComboBox *cmbFilter = nullptr;
    QLabel *lblCode = nullptr;
    QComboBox *cmbCode = nullptr;
    QPushButton *cmmSave = nullptr;
    QPushButton *cmmCancel = nullptr;

    // Each showing: folder, view, name, file type and code page from the document and the settings.
    void Form_Activate();
    // Copies the folder, tab and window rectangle into the settings.
    void Form_Deactivate();
    void cmmSave_Click();
    void cmmCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Esc.
    void reject() override;

private:
    void Form_Load();
    void ConnectControls();
    // The file-type entry of a document's syntax language.
    int GetFilterIndex(int language) const;
    // Writes the document's text as `path` in code page `code`, `stamp` receiving the file's as written;
    // false when the user declined a question of the save, or after telling the user that it failed.
    bool WriteDocument(const QString &path, int code, platform::files::FileStamp &stamp);

    FileDialogFrame frame_;
    int number_ = 0;
    mdlFile::SaveMode mode_ = mdlFile::SaveMode::SaveAs;
    std::optional<QString> written_;
};

namespace forms {
inline GlobalForm<::frmFileSave> frmFileSave;
}
