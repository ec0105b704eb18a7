#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// Message boxes and modal dialogs. Every one passes through here, so that a test can answer it.
namespace platform::dialogs {

// Buttons and icons, added together as the `buttons` argument.
enum MessageBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCancelTryContinue = 6,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    // Which button is the default: the first unless one of these is added.
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// Answers.
enum MessageBoxResult {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
    vbTryAgain = 10,
    vbContinue = 11,
};

struct MessageBoxCall {
    QString prompt;
    int buttons = vbOKOnly;
    QString title;
};

// Shows a modal message box with Russian button texts and returns the answer.
int MsgBox(const QString &prompt, int buttons, const QString &title, QWidget *owner = nullptr);

// Runs `dialog` modal and returns its result code.
int ShowModal(QDialog &dialog);

// While a hook is set, it answers instead of the user: message boxes with an answer code, dialogs by
// acting on the dialog (filling it, accepting or rejecting) and returning its result code.
using MessageBoxHook = std::function<int(const MessageBoxCall &)>;
using DialogHook = std::function<int(QDialog &)>;
void SetMessageBoxHook(MessageBoxHook hook);
void SetDialogHook(DialogHook hook);

} // namespace platform::dialogs
