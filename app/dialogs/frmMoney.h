#pragma once

#include "app/dialogs/PageWindow.h"

class QCheckBox;
class QPushButton;

namespace platform::pages {
class PagePane;
}

// The support page: setting/money.htm in a page pane, with the box that stops its showing at start.
class frmMoney : public PageWindow {
    Q_OBJECT

public:
    frmMoney();

    platform::pages::PagePane *wbbMoney = nullptr;
    QCheckBox *chcView = nullptr;
    QPushButton *cmmClose = nullptr;

    // Shows the window modal over `owner`, centred on the screen.
    void ShowMoney(QWidget *owner);

private:
    void Form_Load();
    void Form_Activate() override;
    void Form_QueryUnload() override;
    void picBox_Resize() override;
    void wbbMoney_onkeydown(int keyCode, bool shift, bool ctrl, bool alt);
    void MoneyKey(int keyCode, bool shift, bool ctrl, bool alt);
    void SaveMoneyState();
};

namespace forms {
inline GlobalForm<::frmMoney> frmMoney;
}
