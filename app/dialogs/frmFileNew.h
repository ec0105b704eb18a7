#pragma once

#include "app/dialogs/ContainerWindow.h"
#include "platform/forms/GlobalForm.h"

#include <QIcon>
#include <QList>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class TabStrip;

// The New dialog: the kinds of empty document (newfile.ini) on one tab, the templates (pattern.ini) on
// the other. It makes no document itself: Create hands the chosen entry to the new-document operations,
// which unload the dialog before they make the document. Every closing unloads it, so each opening
// rereads both lists and their icons and starts from the stored position, size and tab.
class frmFileNew : public ContainerWindow {
    Q_OBJECT

public:
    frmFileNew();

    QLabel *imgPicture = nullptr;
    TabStrip *tbsTypeDoc = nullptr;
    QListWidget *lstStandart = nullptr;
    QListWidget *lstPattern = nullptr;
    QPushButton *cmmCreat = nullptr;
    QPushButton *cmmCancel = nullptr;
    // The icons of both lists, kinds first, then templates; an entry's ImageIndex counts from 1.
    QList<QIcon> imgBig;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Esc.
    void reject() override;

private:
    void Form_Load();
    void Form_Activate() override;
    void Form_QueryUnload();
    void picBox_Resize() override;
    void tbsTypeDoc_Click();
    void cmmCreat_Click();
    void cmmCancel_Click();
    void lst_DblClick();
    // Copies the window's rectangle and its tab into the settings.
    void StoreState();
    QString SelectedTabKey() const;
    // The entry that the list's selected item stands for; 0 when none is selected or the table has no
    // such entry.
    static int SelectedEntry(const QListWidget *list, int entries);

    // The tab strip's client area, bordered like a tab page; the lists lie over it.
    QFrame *tabPane_ = nullptr;
};

namespace forms {
inline GlobalForm<::frmFileNew> frmFileNew;
}
