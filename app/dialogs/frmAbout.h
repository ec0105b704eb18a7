#pragma once

#include "platform/forms/GlobalForm.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The about box, which is also the start-up splash: the logo, a progress bar shown only during the
// start-up, and the button to the support page. It lays itself out as a splash while the program is
// still loading, and then no click or key closes it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout();

    QLabel *imgLogo = nullptr;
    QProgressBar *prgLoading = nullptr;
    QPushButton *cmbUser = nullptr;

    // Shows the window modeless over `owner` with the hourglass, painted before the start-up goes on.
    void ShowSplash(QWidget *owner);
    // Advances the splash's bar (0 to 100) and paints it at once, the window thread being busy.
    void SetLoadingValue(int value);
    // Shows the window modal over `owner` as the about box.
    void ShowAbout(QWidget *owner);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void Form_Load();
    void Form_Click();
    void cmbUser_Click();
    void CloseAbout();
    void TakeOwner(QWidget *owner);

    bool centred_ = false;
};

namespace forms {
inline GlobalForm<::frmAbout> frmAbout;
}
