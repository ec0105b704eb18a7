#pragma once

#include <Qsci/qsciscintilla.h>

namespace platform::editor {

// The control inside the editor. Text that the user brings in (keys typed, input-method text, paste,
// drop) is mapped through the system code page before the control takes it, so that a character
// without a byte shows as "?" at once and the text shown is the text that will be saved.
class EditorControl : public QsciScintilla {
public:
    explicit EditorControl(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    // Paste, middle-button paste and drop all take their text from here.
    QByteArray fromMimeData(const QMimeData *source, bool &rectangular) const override;
};

} // namespace platform::editor
