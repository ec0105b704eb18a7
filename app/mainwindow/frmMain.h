#pragma once

#include "platform/forms/GlobalForm.h"
#include "platform/windows/WindowTable.h"

#include <QMainWindow>

class QMdiArea;
class QAction;
class QMenu;

// The program's MDI frame: every document window lives inside it.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain();
    ~frmMain() override;

    // The number of the active document; 0 = none.
    int ActiveFileIndex = 0;
    platform::windows::Handle hWnd = 0;

    QMdiArea *mdiArea = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuFile_Exit = nullptr;

    // Drives the whole start of a first copy.
    void MDIForm_Load();
    // A double-click on the frame's background: also the receiving end of a second copy's hand-over.
    void MDIForm_DblClick();
    void MDIForm_QueryUnload(bool &cancel);

    void mnuFile_Exit_Click();
    void mnuFile_CloseAll_Click();

    // Copies the frame's placement into the stored position.
    void StoreWindowPosition();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

namespace forms {
inline GlobalForm<::frmMain> frmMain;
}
