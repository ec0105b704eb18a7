#pragma once

#include "platform/forms/GlobalForm.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace platform::pages {
class PagePane;
}

// The support page: setting/money.htm in a page pane, with the box that stops its showing at start.
class frmMoney : public QDialog {
    Q_OBJECT

public:
    frmMoney();

    QWidget *picBox = nullptr;
    platform::pages::PagePane *wbbMoney = nullptr;
    QCheckBox *chcView = nullptr;
    QPushButton *cmmClose = nullptr;

    // Shows the window modal over `owner`, centred on the screen.
    void ShowMoney(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_QueryUnload();
    void picBox_Resize();
    void cmmClose_Click();
    void wbbMoney_onkeydown(int keyCode, bool shift, bool ctrl, bool alt);
    void MoneyKey(int keyCode, bool shift, bool ctrl, bool alt);
    void SaveMoneyState();
};

namespace forms {
inline GlobalForm<::frmMoney> frmMoney;
}
