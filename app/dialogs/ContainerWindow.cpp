#include "app/dialogs/ContainerWindow.h"

#include "app/dialogs/TwipLayout.h"

#include <QShowEvent>

ContainerWindow::ContainerWindow(QWidget *parent) : QDialog(parent)
{
    picBox = new QWidget(this);
    picBox->installEventFilter(this);
}

void ContainerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void ContainerWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void ContainerWindow::Form_Resize()
{
    TwipLayout::PlacePicBox(this, picBox);
}

bool ContainerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picBox && event->type() == QEvent::Resize)
        picBox_Resize();
    return QDialog::eventFilter(watched, event);
}
