#pragma once

#include <QWidget>

class QAction;
class QKeyEvent;
class QMdiSubWindow;
class QToolBar;

namespace platform::editor {
class Editor;
}
namespace platform::pages {
class PagePane;
}

// The document window: one per document number, an MDI child of the main window holding the editor.
class frmContent : public QWidget {
    Q_OBJECT

public:
    // Creates the window for document `number` inside the main window and runs its load.
    explicit frmContent(int number);
    ~frmContent() override;

    bool browse_mode = false;
    bool panel_visible = true;
    QString filetmp_path;

    platform::editor::Editor *txtContent = nullptr;
    // The window's own narrow strip of buttons at its top-left corner, the editor beside it.
    QToolBar *tlbPanel = nullptr;
    // The preview pane and its box on the editor's place; both are made the first time a preview is
    // shown, so that a document opens without the page engine.
    QWidget *picBrowser = nullptr;
    platform::pages::PagePane *brwIE = nullptr;
    QMdiSubWindow *subWindow = nullptr;

    // The document number, as the window's tag holds it.
    int Tag() const { return tag_; }

    void SetFocusForm();
    void SetFocusForm2();
    // Run by the frame whenever this window becomes the active one, whatever made it so, and when it
    // stops being so.
    void Form_Activate();
    void Form_Deactivate();
    // Whitespace marks on or off; the choice also becomes the default for documents made later.
    void ViewSpaceChange(bool typeSpace);

    // ---- Editor and preview (frmContentPreview.cpp) -------------------------------------------------
    // Switches between the editor and the preview pane; the preview shows the text as it is now.
    void ChangeView();
    // Hands the document to the user's own browser; the window stays as it is.
    void ViewBrowser();

    // ---- Editing commands (frmContentEdit.cpp) ------------------------------------------------------
    // The editor's find, find next, replace and go-to-line dialogs.
    void FindText();
    void FindNextText();
    void GotoLine();
    void ReplaceText();
    // Prints the text on the default printer, or through the print dialog when the settings ask for it.
    void PrintText();
    // Replaces the whole text with `newText` as one edit, so that one Undo brings the old text back.
    void PasteReCode(const QString &newText);
    void SelectAllText();
    // Widens the selection to whole lines, without the last line's end.
    void SelectLineText();
    // Removes spaces from the selection by the text transforms' mode (1 to 3).
    void SpaceDelText(int typeDel);
    // Inserts the text in place of the selection, the caret after it; its lines end as the document's do.
    void PasteText(const QString &phraseText);
    // Inserts `center`; when it is empty, wraps the selection in `before` and `after`.
    void PasteText2(const QString &center, const QString &before, const QString &after);
    void Undo();
    void Redo();
    void ClipboardCopy();
    void ClipboardCut();
    void ClipboardDel();
    void ClipboardPaste();
    // Shows or hides the tool panel; the editor takes the room it leaves.
    void PanelVisible(bool newVisible);
    // Letter case and layout of the selection by the text transforms' mode (1 to 7).
    void RegistrText(int typeRegistr);
    // Moves the caret; -1 keeps the current line or column, a line past the end goes to the last one.
    void PositionCursor(int newLine, int newCol);
    int PositionLine() const;
    int PositionCol() const;

    // Status panel 2: the text's size, unless it shows the message of this document's last save.
    void Size_Exchange();
    // Puts the message of a save of this document into status panel 2, where it stays until the text or
    // the active document changes, and shows the code pages that the file now holds.
    void ShowSaved(const QString &message);
    void Change_Position();
    // The tool panel at the top-left corner, the editor filling the rest.
    void Form_Resize();
    // Asks about saving a changed document; sets `cancel` when the window is to stay open.
    void Form_QueryUnload(bool &cancel);

    // The window's key preview (frmContentKeys.cpp): keys that the window acts on before the editor sees
    // them. True when the key was taken.
    bool KeyPreview(const QKeyEvent &event);

    // Shows the window as a child of the frame.
    void ShowWindow();
    // Destroys the window without asking (its close was already decided).
    void Unload();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Load();
    // Puts `text` in place of the selection as it stands, the caret after it.
    void InsertText(const QString &text);
    void UpdateMainCaption(bool active);
    void UpdateWindowCaption();
    // Only the document the frame shows active names itself in the frame's caption.
    void RefreshCaptions();
    // Status panel 4: the file's and the view's code pages.
    void ShowCodePages();
    void ActivateNextForm(bool backward);
    // Takes the window's own keys, setting both codes to 0.
    void FormKeyCommand(int &keyCode, int &shift);
    void ClosingSteps();

    // ---- Keys and editor events (frmContentKeys.cpp) ------------------------------------------------
    // Keys that the window takes from the editor; the consumed ones get both codes set to 0.
    void Form_KeyDown(int &keyCode, int &shift);
    void txtContent_KeyDown(int keyCode, int shift, bool &cancel);
    void txtContent_Change();
    void txtContent_KeyUp();
    void txtContent_MouseDown();
    void txtContent_MouseUp();
    void txtContent_RClick();
    // Comments the selection out with the markers of the document's language.
    void CommentText();

    // ---- Tool panel (frmContentPanel.cpp) -----------------------------------------------------------
    void CreatePanel();
    QAction *PanelButton(const QString &key) const;
    void tlbPanel_ButtonClick(const QString &key);
    // ---- Editor and preview (frmContentPreview.cpp) -------------------------------------------------
    // The preview pane, made on first use.
    platform::pages::PagePane *PreviewPane();
    void ShowBrowser(bool visible);
    // Saves the document first when the settings ask for it; False when that save failed.
    bool SaveBeforeView(bool outer);
    void LoadPreview(bool fromTmp, bool inPane);
    void picBrowser_Resize();
    void brwIE_DisplayChanged();
    void brwIE_onkeydown(int keyCode, bool shift, bool ctrl, bool alt);
    void BrowserKeyDown(int keyCode, bool shift, bool ctrl, bool alt);

    int tag_ = 0;
    bool unloading_ = false;
};
