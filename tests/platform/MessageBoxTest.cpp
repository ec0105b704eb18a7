#include "platform/dialogs/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace platform::dialogs;

namespace {

struct Shown {
    QStringList buttons;
    QString defaultButton;
};

// Shows a real box with `style`, notes what it offers and presses the button captioned `press`.
int ShowAndPress(int style, const QString &press, Shown &shown)
{
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *button : box->buttons())
            shown.buttons << button->text();
        shown.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton *button : box->buttons())
            if (button->text() == press)
                button->click();
    });
    return MsgBox(QStringLiteral("Текст"), style, QStringLiteral("Заголовок"));
}

TEST(MessageBox, OffersTheDesignedButtonsInRussianAndAnswersWithTheirCodes)
{
    struct Case {
        int style;
        QStringList buttons;
        const char *defaultButton;
        const char *press;
        int answer;
    } cases[] = {
        {vbOKOnly | vbCritical, {"ОК"}, "ОК", "ОК", vbOK},
        {vbYesNoCancel | vbQuestion | vbDefaultButton3, {"Да", "Нет", "Отмена"}, "Отмена", "Нет", vbNo},
        {vbYesNo | vbDefaultButton2, {"Да", "Нет"}, "Нет", "Да", vbYes},
        {vbCancelTryContinue | vbCritical, {"Отмена", "Повторить", "Продолжить"}, "Отмена", "Продолжить",
         vbContinue},
    };
    for (const Case &c : cases) {
        Shown shown;
        EXPECT_EQ(ShowAndPress(c.style, QString::fromUtf8(c.press), shown), c.answer) << c.style;
        QStringList sorted = shown.buttons, expected = c.buttons;
        sorted.sort();
        expected.sort();
        EXPECT_EQ(sorted, expected) << c.style;
        EXPECT_EQ(shown.defaultButton, QString::fromUtf8(c.defaultButton)) << c.style;
    }
}

} // namespace
