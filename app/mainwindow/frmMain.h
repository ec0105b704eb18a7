#pragma once

#include "app/mainwindow/ImageList.h"
#include "platform/forms/GlobalForm.h"
#include "platform/windows/WindowTable.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QMimeData;
class frmContent;
class StatusBar;
class TabStrip;

// The program's MDI frame: every document window lives inside it. Its menu commands are spread over
// one source file per menu (frmMainFile.cpp, frmMainEdit.cpp, ...); frmMainMenus.cpp builds the menus.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain();
    ~frmMain() override;

    // The number of the active document; 0 = none.
    int ActiveFileIndex = 0;
    platform::windows::Handle hWnd = 0;

    // ---- Bars and panels --------------------------------------------------------------------------
    // The top bar holds the command tool bars' box and the tag tabs; the work panel stands at the left
    // of the documents, the strip of open documents below them.
    QWidget *picMain = nullptr;
    QWidget *picToolbar = nullptr;
    QWidget *picServise = nullptr;
    QWidget *picSplServise = nullptr;
    QMdiArea *mdiArea = nullptr;
    QWidget *picFiles = nullptr;
    TabStrip *tbsFiles = nullptr;
    StatusBar *sttMain = nullptr;
    // The tag buttons' pictures: the built-in button's first, then those of button.ini.
    ImageList imgPanel;

    // ---- Menus ------------------------------------------------------------------------------------
    // Lists filled at run time keep their designed element 0, hidden or disabled; element i stands for
    // entry i of its table.
    QMenu *mnuFile = nullptr;
    QAction *mnuFile_New = nullptr;
    QAction *mnuFile_Open = nullptr;
    QMenu *mnuFile_Magazine = nullptr;
    QList<QAction *> mnuFile_Magazine_File;
    QAction *mnuFile_Save = nullptr;
    QAction *mnuFile_SaveAll = nullptr;
    QAction *mnuFile_SaveAs = nullptr;
    QAction *mnuFile_SaveCopy = nullptr;
    QAction *mnuFile_Close = nullptr;
    QAction *mnuFile_CloseAll = nullptr;
    QAction *mnuFile_Print = nullptr;
    QAction *mnuFile_Exit = nullptr;

    QMenu *mnuEdit = nullptr;
    QAction *mnuEdit_Undo = nullptr;
    QAction *mnuEdit_Redo = nullptr;
    QAction *mnuEdit_Cut = nullptr;
    QAction *mnuEdit_Copy = nullptr;
    QAction *mnuEdit_Paste = nullptr;
    QAction *mnuEdit_Del = nullptr;
    QAction *mnuEdit_DelLine = nullptr;
    QAction *mnuEdit_SelectLine = nullptr;
    QAction *mnuEdit_SelectAll = nullptr;

    QMenu *mnuSearch = nullptr;
    QAction *mnuSearch_Find = nullptr;
    QAction *mnuSearch_FindNext = nullptr;
    QAction *mnuSearch_Replace = nullptr;
    QAction *mnuSearch_GotoLine = nullptr;

    QMenu *mnuView = nullptr;
    QMenu *mnuView_Syntax = nullptr;
    QList<QAction *> mnuView_Syntax_Lang;
    QMenu *mnuView_CodeView = nullptr;
    QMenu *mnuView_CodeView_File = nullptr;
    QList<QAction *> mnuView_CodeView_File_List;
    QMenu *mnuView_CodeView_View = nullptr;
    QList<QAction *> mnuView_CodeView_View_List;
    QMenu *mnuView_Registr = nullptr;
    QAction *mnuView_Registr_Alphabet = nullptr;
    QAction *mnuView_Registr_Translit = nullptr;
    QAction *mnuView_Registr_Big = nullptr;
    QAction *mnuView_Registr_Small = nullptr;
    QAction *mnuView_Registr_First = nullptr;
    QAction *mnuView_Registr_Switch = nullptr;
    QAction *mnuView_Registr_Text = nullptr;
    QMenu *mnuView_Space = nullptr;
    QAction *mnuView_Space_Double = nullptr;
    QAction *mnuView_Space_LineStart = nullptr;
    QAction *mnuView_Space_LineEnd = nullptr;
    QMenu *mnuView_Lines = nullptr;
    QAction *mnuView_Line_Join = nullptr;
    QAction *mnuView_Line_DelEmpty = nullptr;
    QAction *mnuView_OuterBrowser = nullptr;
    QAction *mnuView_EditBrowser = nullptr;
    QAction *mnuView_ViewSpace = nullptr;

    QMenu *mnuServis = nullptr;
    QAction *mnuServis_Code = nullptr;
    QAction *mnuServis_FileInset = nullptr;

    QMenu *mnuWindows = nullptr;
    QAction *mnuWindows_Cascade = nullptr;
    QAction *mnuWindows_Horizontal = nullptr;
    QAction *mnuWindows_Vertical = nullptr;
    QAction *mnuWindows_Max = nullptr;
    QAction *mnuWindows_Min = nullptr;
    QAction *mnuWindows_Arrange = nullptr;
    // The separator above the documents' items.
    QAction *mnuWindows_Line2 = nullptr;
    QList<QAction *> mnuWindows_File;

    QMenu *mnuHelp = nullptr;
    QAction *mnuHelp_User = nullptr;
    QAction *mnuHelp_About = nullptr;

    // Shown by a right click in a document's editor.
    QMenu *mnuPopupText = nullptr;
    QAction *mnuPopupText_Undo = nullptr;
    QAction *mnuPopupText_Cut = nullptr;
    QAction *mnuPopupText_Copy = nullptr;
    QAction *mnuPopupText_Paste = nullptr;
    QAction *mnuPopupText_Del = nullptr;
    QAction *mnuPopupText_Browser = nullptr;
    QAction *mnuPopupText_SelLine = nullptr;
    QAction *mnuPopupText_FindNext = nullptr;

    // ---- Frame events -----------------------------------------------------------------------------
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
    // Copies the frame's placement into the stored position.
    void StoreWindowPosition();

    // ---- File menu --------------------------------------------------------------------------------
    void mnuFile_New_Click();
    void mnuFile_Open_Click();
    // True when the active document was written.
    bool mnuFile_Save_Click();
    void mnuFile_SaveAll_Click();
    void mnuFile_SaveAs_Click();
    void mnuFile_SaveCopy_Click();
    void mnuFile_Close_Click();
    void mnuFile_CloseAll_Click();
    void mnuFile_Print_Click();
    void mnuFile_Exit_Click();
    void mnuFile_Magazine_File_Click(int index);

    // ---- Edit and Search menus: forwarded to the active document ----------------------------------
    void mnuEdit_Undo_Click();
    void mnuEdit_Redo_Click();
    void mnuEdit_Cut_Click();
    void mnuEdit_Copy_Click();
    void mnuEdit_Paste_Click();
    void mnuEdit_Del_Click();
    void mnuEdit_DelLine_Click();
    void mnuEdit_SelectLine_Click();
    void mnuEdit_SelectAll_Click();
    void mnuSearch_Find_Click();
    void mnuSearch_FindNext_Click();
    void mnuSearch_Replace_Click();
    void mnuSearch_GotoLine_Click();

    // ---- View menu ----------------------------------------------------------------------------------
    void mnuView_Syntax_Lang_Click(int index);
    void mnuView_CodeView_File_List_Click(int index);
    void mnuView_CodeView_View_List_Click(int index);
    // Letter case and layout of the selection, by the text transforms' mode (1 to 7).
    void mnuView_Registr_Click(int mode);
    // Spaces removed from the selection, by the text transforms' mode (1 to 3).
    void mnuView_Space_Click(int mode);
    void mnuView_Line_Join_Click();
    void mnuView_Line_DelEmpty_Click();
    // The active document in the user's browser.
    void mnuView_OuterBrowser_Click();
    // The active document switched between its editor and its preview.
    void mnuView_EditBrowser_Click();
    void mnuView_ViewSpace_Click();

    // ---- Service menu -----------------------------------------------------------------------------
    // Converts the active document's whole text between code pages through the re-encoding dialog.
    void mnuServis_Code_Click();
    // Inserts a file's text, recoded as the Open dialog chose, in place of the selection.
    void mnuServis_FileInset_Click();

    // ---- Windows menu -----------------------------------------------------------------------------
    void mnuWindows_Cascade_Click();
    void mnuWindows_Horizontal_Click();
    void mnuWindows_Vertical_Click();
    void mnuWindows_Max_Click();
    void mnuWindows_Min_Click();
    void mnuWindows_Arrange_Click();
    void mnuWindows_File_Click(int index);
    void tbsFiles_Click();

    // ---- Help menu --------------------------------------------------------------------------------
    void mnuHelp_User_Click();
    void mnuHelp_About_Click();

    // Loads a further Syntax-menu item and returns its index.
    int AddSyntaxItem(const QString &caption);
    // Loads a further Window-menu item and returns its index.
    int AddWindowItem(const QString &caption);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void CreateBars();
    void CreateMenus();
    // Opening a menu first brings its commands' states up to date.
    void mnuMenu_Click();
    // Rebuilds "Из журнала" from the recent files, newest first.
    void FillMagazineMenu();
    // Every open document's window set to one state (minimised, ...), the active one first.
    void SetAllWindowState(Qt::WindowState state);
    // The frame made another document window active, or none: the window that stops being active is
    // deactivated and the new one activated, so that every command finds the document the user sees.
    void mdiArea_SubWindowActivated(QMdiSubWindow *window);
    // Runs `command` on the active document and gives it the focus back.
    void Forward(const std::function<void(frmContent &)> &command);
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
