#pragma once

#include "app/dialogs/ContainerWindow.h"
#include "app/documents/mdlFile.h"
#include "platform/forms/GlobalForm.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace platform::editor {
class Editor;
}

// The re-encoding dialog: converts a document's whole text from the code page picked as the current one
// to the one picked as the new one. A sample of the text shows the conversion as the pages are picked.
// Convert hands the converted text and its code page back; Cancel and the close box hand nothing back.
// Either way the window stores its rectangle and unloads as the showing ends.
class frmCode : public ContainerWindow {
    Q_OBJECT

public:
    frmCode();

    // Shows the dialog modal over `text` in code page `code` (1-based): the text converted and the page it
    // is in now when the user converted; nothing when cancelled.
    std::optional<mdlFile::RecodedText> ShowRecode(QString text, int code);

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

    QString text_;
    QString sample_;
    int codeOld_ = 0;
    int codeNew_ = 0;
    std::optional<mdlFile::RecodedText> result_;
};

namespace forms {
inline GlobalForm<::frmCode> frmCode;
}
