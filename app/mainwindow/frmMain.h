#pragma once

#include "app/mainwindow/ImageList.h"
#include "platform/forms/GlobalForm.h"
#include "platform/windows/WindowTable.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QMimeData;
class frmContent;
class StatusBar;
class TabStrip;

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
    TabStrip *tbsFiles = nullptr;
    StatusBar *sttMain = nullptr;
    // The tag buttons' pictures: the built-in button's first, then those of button.ini.
    ImageList imgPanel;

    QMenu *mnuFile = nullptr;
    QAction *mnuFile_Open = nullptr;
    QAction *mnuFile_Save = nullptr;
    QAction *mnuFile_SaveAs = nullptr;
    QAction *mnuFile_SaveCopy = nullptr;
    QAction *mnuFile_Close = nullptr;
    QAction *mnuFile_CloseAll = nullptr;
    QAction *mnuFile_Exit = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuView_Syntax = nullptr;
    // The Syntax menu's languages; element 0 is the hidden template.
    QList<QAction *> mnuView_Syntax_Lang;
    QMenu *mnuWindows = nullptr;
    QAction *mnuWindows_Cascade = nullptr;
    // The Window menu's document items; element 0 is the designed, hidden "(пусто)".
    QList<QAction *> mnuWindows_File;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelp_User = nullptr;
    QAction *mnuHelp_About = nullptr;

    // Drives the whole start of a first copy.
    void MDIForm_Load();
    void MDIForm_Activate();
    // A double-click on the frame's background: also the receiving end of a second copy's hand-over.
    void MDIForm_DblClick();
    void MDIForm_QueryUnload(bool &cancel);
    // Opens every dropped file that reads as a new document, without recoding.
    void MDIForm_OLEDragDrop(const QStringList &files);
    // The local files that a drag carries, folders left out; empty when it carries none.
    static QStringList DroppedFiles(const QMimeData *data);

    void mnuFile_New_Click();
    void mnuFile_Open_Click();
    void mnuFile_Save_Click();
    void mnuFile_SaveAs_Click();
    void mnuFile_SaveCopy_Click();
    void mnuFile_Close_Click();
    void mnuFile_Exit_Click();
    void mnuFile_CloseAll_Click();
    // Converts the active document's whole text between code pages through the re-encoding dialog.
    void mnuServis_Code_Click();
    // Shows the settings dialog and applies what it changed.
    void mnuServis_Setting_Click();
    void mnuHelp_User_Click();
    void mnuHelp_About_Click();
    void mnuView_Syntax_Lang_Click(int index);
    void mnuWindows_Cascade_Click();
    void mnuWindows_File_Click(int index);
    void tbsFiles_Click();

    // Loads a further Syntax-menu item and returns its index.
    int AddSyntaxItem(const QString &caption);
    // Loads a further Window-menu item and returns its index.
    int AddWindowItem(const QString &caption);
    // Copies the frame's placement into the stored position.
    void StoreWindowPosition();
    // Docks the strip of open documents at the top of the client area with its tabs on top, or at the
    // bottom with its tabs at the bottom.
    void DockFilesPanel(bool top);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void CreateMenus();
    // The frame made another document window active, or none: the window that stops being active is
    // deactivated and the new one activated, so that every command finds the document the user sees.
    void mdiArea_SubWindowActivated(QMdiSubWindow *window);
    void ReturnFocus(int previous);
    // Shows the Save dialog for the active document in `mode` ("saveas", "savecopy") and brings the
    // window, its tab and the status bar up to date.
    void ShowSaveDialog(const QString &mode);

    // The document window the frame last showed active.
    QPointer<frmContent> shownDocument_;
};

namespace forms {
inline GlobalForm<::frmMain> frmMain;
}
