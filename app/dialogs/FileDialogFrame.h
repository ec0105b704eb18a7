#pragma once

#include <QStyle>

class QDialog;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;
class TabStrip;

// What the Open and Save dialogs have in common around their pages: the container picBox, 60 twips in
// from the window's edges, with the picture imgPicture at the left, the tab strip tbsListFiles and its
// pages at the right, and the accept and cancel buttons at the bottom right. Neither button is pressed
// by Enter.
class FileDialogFrame {
public:
    FileDialogFrame(QDialog *dialog, const QString &acceptCaption, QStyle::StandardPixmap picture);

    // Places a page in the tab strip's client area.
    void AddPage(QWidget *page);

    QWidget *picBox = nullptr;
    QLabel *imgPicture = nullptr;
    TabStrip *tbsListFiles = nullptr;
    QWidget *pages = nullptr;
    QPushButton *cmmAccept = nullptr;
    QPushButton *cmmCancel = nullptr;

private:
    QVBoxLayout *pageLayout_ = nullptr;
};
