#include "platform/dialogs/MessageBox.h"

#include "platform/dialogs/ModalScope.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace platform::dialogs {
namespace {

MessageBoxHook messageBoxHook;
DialogHook dialogHook;

struct ButtonChoice {
    QMessageBox::ButtonRole role;
    const char *text; // UTF-8
    int result;
};

std::vector<ButtonChoice> ButtonsOf(int style)
{
    switch (style & 7) {
    case vbOKCancel: return {{QMessageBox::AcceptRole, "ОК", vbOK}, {QMessageBox::RejectRole, "Отмена", vbCancel}};
    case vbAbortRetryIgnore:
        return {{QMessageBox::RejectRole, "Прервать", vbAbort}, {QMessageBox::AcceptRole, "Повторить", vbRetry},
                {QMessageBox::DestructiveRole, "Пропустить", vbIgnore}};
    case vbYesNoCancel:
        return {{QMessageBox::YesRole, "Да", vbYes}, {QMessageBox::NoRole, "Нет", vbNo},
                {QMessageBox::RejectRole, "Отмена", vbCancel}};
    case vbYesNo: return {{QMessageBox::YesRole, "Да", vbYes}, {QMessageBox::NoRole, "Нет", vbNo}};
    case vbRetryCancel:
        return {{QMessageBox::AcceptRole, "Повторить", vbRetry}, {QMessageBox::RejectRole, "Отмена", vbCancel}};
    case vbCancelTryContinue:
        return {{QMessageBox::RejectRole, "Отмена", vbCancel}, {QMessageBox::AcceptRole, "Повторить", vbTryAgain},
                {QMessageBox::ActionRole, "Продолжить", vbContinue}};
    default: return {{QMessageBox::AcceptRole, "ОК", vbOK}};
    }
}

QMessageBox::Icon IconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int MsgBox(const QString &prompt, int buttons, const QString &title, QWidget *owner)
{
    const ModalScope modal;
    if (messageBoxHook)
        return messageBoxHook({prompt, buttons, title});

    QMessageBox box(IconOf(buttons), title, prompt, QMessageBox::NoButton, owner);
    const std::vector<ButtonChoice> choices = ButtonsOf(buttons);
    std::vector<std::pair<QAbstractButton *, int>> added;
    QAbstractButton *escape = nullptr;
    for (const ButtonChoice &choice : choices) {
        QPushButton *button = box.addButton(QString::fromUtf8(choice.text), choice.role);
        added.emplace_back(button, choice.result);
        if (choice.result == vbCancel || choice.result == vbNo || choices.size() == 1)
            escape = button;
    }
    box.setEscapeButton(escape);
    const size_t defaultIndex = (buttons & vbDefaultButton3) ? 2 : (buttons & vbDefaultButton2) ? 1 : 0;
    if (defaultIndex < added.size())
        box.setDefaultButton(static_cast<QPushButton *>(added[defaultIndex].first));
    box.exec();
    for (const auto &[button, result] : added)
        if (box.clickedButton() == button)
            return result;
    return choices.size() == 1 ? vbOK : vbCancel;
}

int ShowModal(QDialog &dialog)
{
    const ModalScope modal;
    if (dialogHook)
        return dialogHook(dialog);
    return dialog.exec();
}

void SetMessageBoxHook(MessageBoxHook hook)
{
    messageBoxHook = std::move(hook);
}

void SetDialogHook(DialogHook hook)
{
    dialogHook = std::move(hook);
}

} // namespace platform::dialogs
