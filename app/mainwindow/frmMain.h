#pragma once

#include "app/core/Table.h"
#include "app/mainwindow/ImageList.h"
#include "platform/forms/GlobalForm.h"
#include "platform/windows/WindowTable.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <initializer_list>
#include <memory>

class QAction;
class QBoxLayout;
class QComboBox;
class QLabel;
class QMdiArea;
class QToolBar;
class QMenu;
class QMdiSubWindow;
class QMimeData;
class QToolBar;
class QTreeWidget;
class frmContent;
class MultiRowTabStrip;
class MwFSOHost;
class PictureBox;
class StatusBar;
class TabStrip;
class ToolBar;

namespace mdlLoad {
struct TreeItem;
}
namespace mdlFile {
enum class SaveMode;
}

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
    // The command tool bars: their buttons are the menu items' own actions.
    QToolBar *tlbMenuFile = nullptr;
    QToolBar *tlbMenuAction = nullptr;
    // The tag panel: one tab per tag group, under it the box with the selected group's buttons.
    TabStrip *tbsTegs = nullptr;
    QWidget *picTegs = nullptr;
    ToolBar *tlbTegs = nullptr;
    QWidget *picServise = nullptr;
    QMdiArea *mdiArea = nullptr;
    QWidget *picFiles = nullptr;
    TabStrip *tbsFiles = nullptr;
    StatusBar *sttMain = nullptr;
    // The document whose save message status panel 2 shows: it stays there until that document's text
    // changes or another document writes the panel. 0 when the panel shows no such message.
    int SavedNoticeDocument = 0;
    // The tag buttons' pictures: the built-in button's first, then those of button.ini.
    ImageList imgPanel;

    // ---- Work panel -------------------------------------------------------------------------------
    // Four pages over the client area of their tab strip, and the splitter at the panel's right edge.
    MultiRowTabStrip *sstServise = nullptr;
    PictureBox *picSplServise = nullptr;
    QWidget *picServiseFile = nullptr;
    QWidget *picServisePhrase = nullptr;
    QWidget *picServiseColor = nullptr;
    QWidget *picServiseSymbol = nullptr;
    // The file page: the MwFSO drive combo, folder tree and file list, the folder-up button, the splitter
    // between tree and list, and the file-type and code-page lists, each with a heading as item 0.
    std::unique_ptr<MwFSOHost> cmbDrive;
    QToolBar *tlbPathUp = nullptr;
    std::unique_ptr<MwFSOHost> trvDir;
    PictureBox *picSplFiles = nullptr;
    std::unique_ptr<MwFSOHost> lstDirFiles;
    QComboBox *cmbFilter = nullptr;
    QComboBox *cmbCode = nullptr;
    QComboBox *cmbCode2 = nullptr;
    // The trees, each node keyed by a letter and its entry's number in the tree's table.
    QTreeWidget *trvPhrase = nullptr;
    QTreeWidget *trvColor = nullptr;
    QTreeWidget *trvSymbol = nullptr;
    // The colour chosen in the colour tree and its text.
    PictureBox *picServiseColorSelect = nullptr;
    QLabel *lblServiseColor = nullptr;
    // The trees' pictures, numbered from 1: a group, an autotext entry, a colour, a symbol.
    QList<QIcon> imgTree;

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
    QMenu *mnuView_ToolBar = nullptr;
    QAction *mnuView_ToolBar_Standart = nullptr;
    QAction *mnuView_ToolBar_Servise = nullptr;
    QAction *mnuView_ToolBar_Tegs = nullptr;
    QAction *mnuView_ToolBar_Files = nullptr;
    QAction *mnuView_ToolBar_StatusBar = nullptr;
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
    QAction *mnuView_WorkPanel = nullptr;

    QMenu *mnuServis = nullptr;
    QAction *mnuServis_Setting = nullptr;
    QAction *mnuServis_Advice = nullptr;
    QAction *mnuServis_SelColor = nullptr;
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
    // The Help menu's entries, item i for entry i of the help list; element 0 is the hidden template.
    QList<QAction *> mnuHelp_File;
    QAction *mnuHelp_Line1 = nullptr;
    QAction *mnuHelp_Tester = nullptr;
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
    // Shown by a right click in the autotext tree and in the colour tree.
    QMenu *mnuPopupPhrase = nullptr;
    QAction *mnuPopupPhrase_Expand = nullptr;
    QAction *mnuPopupPhrase_Coll = nullptr;
    QAction *mnuPopupPhrase_Paste = nullptr;
    QAction *mnuPopupPhrase_Paste2 = nullptr;
    QMenu *mnuPopupColor = nullptr;
    QAction *mnuPopupColor_Expand = nullptr;
    QAction *mnuPopupColor_Coll = nullptr;
    QAction *mnuPopupColor_Paste = nullptr;
    QAction *mnuPopupColor_Paste2 = nullptr;

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
    // The plain save of document `n`, named by every caller: a question on the way may let another
    // document become active. A document without a file goes through the Save dialog.
    bool SaveDocument(int n);
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

    // The command tool bars' pictures from the settings folder, and the room the bars take.
    void LoadCommandBarPictures();

    // ---- View menu ----------------------------------------------------------------------------------
    // The bar switches: each shows or hides its bar, checks its item and keeps the choice in the settings.
    void mnuView_ToolBar_Standart_Click();
    void mnuView_ToolBar_Servise_Click();
    void mnuView_ToolBar_Tegs_Click();
    void mnuView_ToolBar_Files_Click();
    void mnuView_ToolBar_StatusBar_Click();
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
    // Shows or hides the active document's own tool panel.
    void mnuView_WorkPanel_Click();

    // ---- Service menu -----------------------------------------------------------------------------
    // Picks a colour in the colour picker, starting from the last one chosen, and inserts it.
    void mnuServis_SelColor_Click();
    // The colour picker, starting from the swatch's colour.
    void picServiseColorSelect_Click();
    // Converts the active document's whole text between code pages through the re-encoding dialog.
    void mnuServis_Code_Click();
    // Inserts a file's text, recoded as the Open dialog chose, in place of the selection.
    void mnuServis_FileInset_Click();
    void mnuServis_Advice_Click();
    // Shows the settings dialog and applies what it changed.
    void mnuServis_Setting_Click();

    // ---- Windows menu -----------------------------------------------------------------------------
    void mnuWindows_Cascade_Click();
    void mnuWindows_Horizontal_Click();
    void mnuWindows_Vertical_Click();
    void mnuWindows_Max_Click();
    void mnuWindows_Min_Click();
    void mnuWindows_Arrange_Click();
    void mnuWindows_File_Click(int index);
    void tbsFiles_Click();
    // A mouse button went down on the tab at `position`, before the tab is selected.
    void tbsFiles_MouseDown(int position);

    // ---- Tag panel (frmMainTegs.cpp) ----------------------------------------------------------------
    // Shows or hides the tag tabs and buttons; the top bar shows while it holds a bar.
    void ShowTegsPanel(bool visible);
    // A tag tab was chosen: once the start has finished, the choice is recorded and the bar rebuilt.
    void tbsTegs_Click();

    // ---- Help menu --------------------------------------------------------------------------------
    // Opens help entry `index` through the shell: an address as written, anything else from the help folder.
    void mnuHelp_File_Click(int index);
    void mnuHelp_Tester_Click();
    void mnuHelp_User_Click();
    void mnuHelp_About_Click();

    // ---- Work panel layout (frmMainLayout.cpp); lengths are twips --------------------------------------
    // Shows or hides the work panel; the strip of open documents then starts where the panel ends.
    void ShowServisePanel(bool visible);
    // Gives the work panel this width at once.
    void SetServiseWidth(int width);
    void picFiles_Resize();
    void picServise_Resize();
    void picServiseFile_Resize();
    void picServisePhrase_Resize();
    void picServiseColor_Resize();
    void picServiseSymbol_Resize();
    // A drag of a splitter: Button 1 is the left button held; X and Y from the splitter's own corner.
    void picSplServise_MouseMove(int button, int shift, float x, float y);
    void picSplFiles_MouseMove(int button, int shift, float x, float y);
    // Puts the file panel's splitter at the stored `top`, as the start does. A frame without room for it
    // yet (a maximised frame gets its full size only after it is shown) takes it at a later layout of the
    // file page that has room, unless the user has dragged the splitter meanwhile.
    void RestoreFilesSplit(int top);
    void picSplServise_MouseUp();
    void picSplFiles_MouseUp();
    void sstServise_BeforeClick();
    void sstServise_Click();

    // ---- File panel (frmMainFilePanel.cpp) ----------------------------------------------------------
    // The drive combo, the folder tree and the file list show the open folder.
    void SyncFilePanelPath();
    // Each list selects its stored choice again, when the list has it; else the choice becomes "0".
    void SelectFilePanelLists();
    void cmbDrive_ItemClick(const QString &path, int typeItem);
    void cmbDrive_ItemGoto(const QString &path, int typeItem);
    void trvDir_ItemClick(const QString &path, int typeItem);
    void trvDir_ItemGoto(const QString &path, int typeItem);
    void lstDirFiles_ItemDblClick(const QString &path, int typeItem);
    void lstDirFiles_ItemGoto(const QString &path, int typeItem);
    void tlbPathUp_ButtonClick(const QString &key);
    void cmbFilter_Click();
    void cmbCode_Click();
    void cmbCode2_Click();

    // ---- Work panel trees (frmMainTrees.cpp) --------------------------------------------------------
    void trvPhrase_DblClick();
    void trvColor_DblClick();
    void trvSymbol_DblClick();
    void trvColor_NodeClick();
    // Button 2 (the right one) pops the tree's menu up at the point.
    void trvPhrase_MouseDown(int button, const QPoint &at);
    void trvColor_MouseDown(int button, const QPoint &at);
    void mnuPopupPhrase_Click();
    void mnuPopupColor_Click();
    void mnuPopupPhrase_Expand_Click();
    void mnuPopupColor_Expand_Click();
    void mnuPopupPhrase_Coll_Click();
    void mnuPopupColor_Coll_Click();
    void mnuPopupPhrase_Paste_Click();
    void mnuPopupColor_Paste_Click();
    void mnuPopupPhrase_Paste2_Click();
    void mnuPopupColor_Paste2_Click();

    // Loads a further Syntax-menu item and returns its index.
    int AddSyntaxItem(const QString &caption);
    // Loads a further Help-menu entry above the entries' separator and returns its index; "-" is a
    // separator line.
    int AddHelpItem(const QString &caption);
    // Loads a further Window-menu item and returns its index.
    int AddWindowItem(const QString &caption);
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
    void CreateBars();
    void CreateTegsPanel(QBoxLayout *top);
    void CreateMenus();
    void CreateCommandBars();
    // Applies a bar switch's new check.
    void SwitchBar(QAction *item, bool shown);
    // Inserts the texts of the clicked tag button into the active document, or hands a command button's
    // target to the desktop.
    void tlbTegs_ButtonClick(const QString &key);
    void CreateServisePanel();
    // A splitter box: no border, the pointer showing which way it drags.
    static PictureBox *NewSplitter(QWidget *parent, Qt::CursorShape cursor);
    void CreateFilePanel();
    void CreateTreePages();
    // Sets the controls' Path in this order, unless the panel is already doing so: a control reports a
    // Path put with events of its own, which are not the user's navigation. False when it was busy.
    bool SetFilePanelPaths(std::initializer_list<MwFSOHost *> controls, const QString &path);
    // A click on one of the panel's lists, with the setting that keeps its choice.
    void FilePanelListClick(QComboBox *list, QString &setting, void (frmMain::*click)());
    // Shows the colour of the colour tree's selected node in the swatch; false when it holds none.
    bool ShowTreeColor();
    // The popup of a tree: its items enabled by the selected node and the active document.
    void EnableTreePopup(QTreeWidget *tree, const Table<mdlLoad::TreeItem> &items, QAction *expand,
                         QAction *collapse, QAction *paste, QAction *paste2);
    // Inserts the caption of the tree's selected node into the active document.
    void PasteTreeCaption(QTreeWidget *tree, const Table<mdlLoad::TreeItem> &items);
    // Shows the colour picker on `start` and keeps and inserts the colour only when one was accepted.
    void PickColor(const QString &start);
    // Opening a menu first brings its commands' states up to date.
    void mnuMenu_Click();
    // Rebuilds "Из журнала" from the recent files, newest first.
    void FillMagazineMenu();
    // The next item of "Из журнала": it shows `path` and opens it.
    void AddMagazineItem(const QString &path);
    // Every open document's window set to one state (minimised, ...), the active one first.
    void SetAllWindowState(Qt::WindowState state);
    // The frame made another document window active, or none: the window that stops being active is
    // deactivated and the new one activated, so that every command finds the document the user sees.
    void mdiArea_SubWindowActivated(QMdiSubWindow *window);
    // Runs `command` on the active document and gives it the focus back.
    void Forward(const std::function<void(frmContent &)> &command);
    void ReturnFocus(int previous);
    // Opens the handed-over paths as the command line's, in order; a path of an open document activates it.
    void CarryOutHandOver(const QStringList &paths);
    // Shows the Save dialog for document `n` in `mode` and brings the window, its tab and the status bar
    // up to date.
    void ShowSaveDialog(int n, mdlFile::SaveMode mode);

    // The document window the frame last showed active.
    QPointer<frmContent> shownDocument_;
    // True while the file panel sets its controls' paths.
    bool filePanelBusy_ = false;
    // Moves the file panel's splitter to `top` when its limits allow; whether it moved.
    bool MoveFilesSplitter(int top);
    // The stored split still waiting for room; 0 when none waits.
    int waitingFilesSplit_ = 0;
};

namespace forms {
inline GlobalForm<::frmMain> frmMain;
}
