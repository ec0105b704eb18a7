#pragma once

#include "app/dialogs/PageWindow.h"

#include <QString>

class QCheckBox;
class QPushButton;

namespace platform::pages {
class PagePane;
}

// The tips window: one tip of advice.ini at a time, as a page made from the advice.htm template, stepped
// through in a ring; its check box decides whether the window opens at every start. Every closing
// unloads it, so each opening reads the template and the tips again.
class frmAdvice : public PageWindow {
    Q_OBJECT

public:
    frmAdvice();

    QWidget *imgPicture = nullptr;
    platform::pages::PagePane *wbbAdvice = nullptr;
    QCheckBox *chcOpenStart = nullptr;
    QPushButton *cmmPreview = nullptr;
    QPushButton *cmmNext = nullptr;
    QPushButton *cmmClose = nullptr;

private:
    void Form_Load();
    void Form_Activate() override;
    void Form_QueryUnload() override;
    void picBox_Resize() override;
    void cmmNext_Click();
    void cmmPreview_Click();
    void wbbAdvice_onkeydown(int keyCode, bool shift, bool ctrl, bool alt);
    QString GetAdvicePage(int index) const;
    // Writes tip `index`'s page and shows it; a failed write keeps the page shown and the tip's number.
    void ShowAdvice(int index);
    void SaveAdviceSetting();
    void AdviceKeyDown(int keyCode, bool shift, bool ctrl, bool alt);

    QString AdviceTemplate;
    int AdviceCount = 0;
};

namespace forms {
inline GlobalForm<::frmAdvice> frmAdvice;
}
