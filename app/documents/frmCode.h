#pragma once

#include "app/dialogs/ContainerWindow.h"
#include "platform/forms/GlobalForm.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace platform::editor {
class Editor;
}

// The re-encoding dialog: converts mdlFile::CodeText from the code page picked as the current one to the
// one picked as the new one. A sample of the text shows the conversion as the pages are picked. Convert
// leaves the whole text converted in CodeText, its code page in CodeIndex and CodeOK True; Cancel and the
// close box leave the three as the caller set them. Either way the window stores its rectangle and unloads.
class frmCode : public ContainerWindow {
    Q_OBJECT

public:
    frmCode();

    QLabel *imgPicture = nullptr;
    QLabel *lblCodeOld = nullptr;
    QComboBox *cmbCodeOld = nullptr;
    QLabel *lblCodeNew = nullptr;
    QComboBox *cmbCodeNew = nullptr;
    platform::editor::Editor *txtCode = nullptr;
    QPushButton *cmmCode = nullptr;
    QPushButton *cmmCancel = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Esc.
    void reject() override;

private:
    void Form_Load();
    void SetCodeContainers();
    void picBox_Resize() override;
    void cmbCodeOld_Click();
    void cmbCodeNew_Click();
    void cmmCode_Click();
    void cmmCancel_Click();
    void SaveCodeSetting();
    // Entry `index` of both lists, the current page's first, as if the user picked it.
    void SelectCodes(int index);
    // Stores the page picked in `list` as `code`; the sample follows when the page changed.
    void CodeListClick(const QComboBox *list, int &code);

    QString sample_;
    int codeOld_ = 0;
    int codeNew_ = 0;
};

namespace forms {
inline GlobalForm<::frmCode> frmCode;
}
