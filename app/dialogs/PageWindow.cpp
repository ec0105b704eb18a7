#include "app/dialogs/PageWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

void PageWindow::cmmClose_Click()
{
    Form_QueryUnload();
    unloadForm_();
}

void PageWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        cmmClose_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PageWindow::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    QDialog::closeEvent(event);
    if (event->isAccepted() && loadedForm_() == this)
        unloadForm_();
}
