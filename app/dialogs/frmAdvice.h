#pragma once

#include "platform/forms/GlobalForm.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QPushButton;

namespace platform::pages {
class PagePane;
}

// The tips window: one tip of advice.ini at a time, as a page made from the advice.htm template, stepped
// through in a ring; its check box decides whether the window opens at every start. Every closing
// unloads it, so each opening reads the template and the tips again.
class frmAdvice : public QDialog {
    Q_OBJECT

public:
    frmAdvice();

    QWidget *picBox = nullptr;
    QWidget *imgPicture = nullptr;
    platform::pages::PagePane *wbbAdvice = nullptr;
    QCheckBox *chcOpenStart = nullptr;
    QPushButton *cmmPreview = nullptr;
    QPushButton *cmmNext = nullptr;
    QPushButton *cmmClose = nullptr;

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
    void cmmNext_Click();
    void cmmPreview_Click();
    void cmmClose_Click();
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
