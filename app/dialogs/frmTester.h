#pragma once

#include "app/dialogs/PageWindow.h"

#include <QString>

class QPushButton;

namespace platform::pages {
class PagePane;
}

// The testers page: the people of tester.ini by group, as one page made from three templates (the page,
// a group, a person). Every closing unloads it, so each opening reads the list and the templates again.
class frmTester : public PageWindow {
    Q_OBJECT

public:
    frmTester();

    platform::pages::PagePane *wbbTester = nullptr;
    QPushButton *cmmClose = nullptr;

private:
    void Form_Load();
    void Form_Activate() override;
    void Form_QueryUnload() override;
    void picBox_Resize() override;
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
