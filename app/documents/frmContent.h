#pragma once

#include <QWidget>

class QKeyEvent;
class QMdiSubWindow;

namespace platform::editor {
class Editor;
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
    QMdiSubWindow *subWindow = nullptr;

    // The document number, as the window's tag holds it.
    int Tag() const { return tag_; }

    void SetFocusForm();
    void SetFocusForm2();
    // Run by the frame whenever this window becomes the active one, whatever made it so, and when it
    // stops being so.
    void Form_Activate();
    void Form_Deactivate();
    void ViewSpaceChange(bool typeSpace);
    // Replaces the whole text with `newText` as one edit, so that one Undo brings the old text back.
    void PasteReCode(const QString &newText);
    void SelectAllText();
    void Size_Exchange();
    void Change_Position();
    int PositionLine() const;
    int PositionCol() const;
    // Asks about saving a changed document; sets `cancel` when the window is to stay open.
    void Form_QueryUnload(bool &cancel);

    // The window's key preview: keys that the window acts on before the editor sees them. True when the
    // key was taken.
    bool KeyPreview(const QKeyEvent &event);

    // Shows the window as a child of the frame.
    void ShowWindow();
    // Destroys the window without asking (its close was already decided).
    void Unload();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void UpdateMainCaption(bool active);
    // Status panel 4: the file's and the view's code pages.
    void ShowCodePages();
    void ActivateNextForm(bool backward);
    // Takes the window's own keys, setting both codes to 0.
    void FormKeyCommand(int &keyCode, int &shift);
    void ClosingSteps();

    int tag_ = 0;
    bool unloading_ = false;
};
