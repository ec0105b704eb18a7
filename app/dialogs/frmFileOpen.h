#pragma once

#include "app/dialogs/FileDialogFrame.h"
#include "app/documents/mdlFile.h"
#include "platform/forms/GlobalForm.h"

#include <QDialog>

#include <optional>

class FolderPane;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class TabStrip;

// The program's Open dialog: a file picked on disk or from the recent files, with the code page it is
// written in and the one to show it in. It opens nothing itself: it hands the choice back to its caller.
// Loaded hidden at start and kept until the program ends: closing it only hides it.
class frmFileOpen : public QDialog {
    Q_OBJECT

public:
    frmFileOpen();
    ~frmFileOpen() override;

    // Shows the dialog modal: the file chosen and its code pages; nothing when it was cancelled.
    std::optional<mdlFile::OpenChoice> ShowOpen();

    TabStrip *tbsListFiles = nullptr;
    FolderPane *picListFiles = nullptr;
    QWidget *picMagazine = nullptr;
    QTreeWidget *lstMagazine = nullptr;
    QLabel *lblFilter = nullptr;
    QComboBox *cmbFilter = nullptr;
    QLabel *lblCode = nullptr;
    QComboBox *cmbCode = nullptr;
    QLabel *lblCode2 = nullptr;
    QComboBox *cmbCode2 = nullptr;
    QPushButton *cmmOpen = nullptr;
    QPushButton *cmmCancel = nullptr;

    // The file chosen in the file list in this showing; empty when the list's choice is no file.
    QString strFileSelected;

    // Each showing: the folder, combos, tab, recent files and view from the settings.
    void Form_Activate();
    // Copies the folder, tab, column widths and window rectangle into the settings.
    void Form_Deactivate();
    void cmmOpen_Click();
    void cmmCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Esc.
    void reject() override;

private:
    void Form_Load();
    void ConnectControls();
    void FillMagazine();
    void tbsListFiles_Click();
    void lstMagazine_DblClick();
    void SelectFile(const QString &path);
    // "Открыть" is enabled exactly when the shown page has a file chosen.
    void UpdateOpenButton();
    void SetFocusToPage();
    // The key of the selected tab.
    QString SelectedTabKey() const;

    FileDialogFrame frame_;
    // The choice of a successful Open in this showing.
    std::optional<mdlFile::OpenChoice> choice_;
};

namespace forms {
inline GlobalForm<::frmFileOpen> frmFileOpen;
}
