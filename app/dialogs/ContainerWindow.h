#pragma once

#include <QDialog>

// A secondary window whose controls lie in the container `picBox`, which fills the window less a margin
// (TwipLayout::PlacePicBox). The window is loaded afresh for each opening, so every showing that the
// program asks for is its activation, whether or not the window system activates it.
class ContainerWindow : public QDialog {
    Q_OBJECT

public:
    QWidget *picBox = nullptr;

protected:
    explicit ContainerWindow(QWidget *parent);

    // Nothing by default: a window with something to do at its activation does it here.
    virtual void Form_Activate() {}
    void Form_Resize();
    // Lays the controls out in the container.
    virtual void picBox_Resize() = 0;

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
