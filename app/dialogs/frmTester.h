#pragma once

#include "platform/forms/GlobalForm.h"

#include <QDialog>
#include <QString>

class QPushButton;

namespace platform::pages {
class PagePane;
}

// The testers page: the people of tester.ini by group, as one page made from three templates (the page,
// a group, a person). Every closing unloads it, so each opening reads the list and the templates again.
class frmTester : public QDialog {
    Q_OBJECT

public:
    frmTester();

    QWidget *picBox = nullptr;
    platform::pages::PagePane *wbbTester = nullptr;
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
    void cmmClose_Click();
    void wbbTester_onkeydown(int keyCode, bool shift, bool ctrl, bool alt);
    QString BuildTesterMen(int group) const;
    void BuildTesterPage();
    void SaveTesterState();
    void TesterKey(int keyCode, bool shift, bool ctrl, bool alt);

    // The page's template, which becomes the finished page.
    QString PageTemplate;
    QString GroupTemplate;
    QString ManTemplate;
};

namespace forms {
inline GlobalForm<::frmTester> frmTester;
}
