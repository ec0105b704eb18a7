#pragma once

#include "platform/forms/GlobalForm.h"

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QMap>

#include <array>

class CheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The settings dialog "Параметры программы": pages chosen from a tree, filled from the settings variables
// when it loads and written back into them only by "Обновить". It guards its number and folder boxes,
// offers the folder picker for the two folder boxes and couples the start page's controls. Every closing
// unloads it, so each opening starts afresh on the introduction page.
class frmSetting : public QDialog {
    Q_OBJECT

public:
    frmSetting();

    QWidget *picBox = nullptr;
    QTreeWidget *trvSetting = nullptr;
    // The tree's pictures: 1 for a branch's own page, 2 for a page under it.
    QList<QIcon> imgTree;
    // The pages by index: 0 index, 1 start, 2 main, 3 dialogs, 4 files, 5 text, 21 main_panels,
    // 22 main_files, 41 files_view.
    QMap<int, QWidget *> picInfo;
    QLabel *lblIndex_Text = nullptr;

    CheckBox *chcStart_New = nullptr;
    std::array<QRadioButton *, 2> optStart_New{};
    std::array<QComboBox *, 2> cmbStart_New{};
    CheckBox *chcStart_Create = nullptr;
    CheckBox *chcStart_Open = nullptr;
    CheckBox *chcStart_Advice = nullptr;

    CheckBox *chcMain_Code_File = nullptr;
    CheckBox *chcMain_Code_View = nullptr;
    CheckBox *chcMain_FullPath = nullptr;

    CheckBox *chcMain_Panels_Standart = nullptr;
    CheckBox *chcMain_Panels_Servise = nullptr;
    CheckBox *chcMain_Panels_Tegs = nullptr;
    CheckBox *chcMain_Panels_Files = nullptr;
    CheckBox *chcMain_Panels_Status = nullptr;

    QComboBox *cmbMain_Files_Place = nullptr;
    QLineEdit *txtMain_Files_LenFile = nullptr;
    CheckBox *chcMain_Files_Picture = nullptr;

    QLineEdit *txtDialogs_Open_Path = nullptr;
    QLineEdit *txtDialogs_Save_Path = nullptr;
    std::array<QToolBar *, 2> tlbDialogs_Path{};
    QComboBox *cmbDialogs_Open_View = nullptr;
    QComboBox *cmbDialogs_Save_View = nullptr;
    CheckBox *chcDialogs_Equal = nullptr;
    QLineEdit *txtDialogs_CodeMax = nullptr;

    QLineEdit *txtFiles_Magazin_Count = nullptr;
    CheckBox *chcFiles_Magazin_Clear = nullptr;
    QComboBox *cmbFiles_SaveCode = nullptr;
    CheckBox *chcFiles_F2 = nullptr;

    CheckBox *chcFiles_View_SaveInner = nullptr;
    CheckBox *chcFiles_View_SaveOuter = nullptr;
    CheckBox *chcFiles_View_OpenInner = nullptr;
    CheckBox *chcFiles_View_OpenOuter = nullptr;
    CheckBox *chcFiles_View_ServerInner = nullptr;
    CheckBox *chcFiles_View_ServerOuter = nullptr;

    CheckBox *chcText_Default = nullptr;
    CheckBox *chcText_NoPrint = nullptr;
    CheckBox *chcText_PrintSetup = nullptr;

    QPushButton *cmmUpdate = nullptr;
    QPushButton *cmmCancel = nullptr;

    // Which kind of new document the start page offers: True an empty file of a kind, False a template.
    bool StartNewEmpty = true;

    // Also raised when the start page's filling sets an option.
    void optStart_New_Click(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Esc.
    void reject() override;

private:
    void Form_Load();
    void CreatePages();
    void picBox_Resize();
    void ShowSettingPage(int index);
    void trvSetting_NodeClick(QTreeWidgetItem *node);
    void trvSetting_Collapse(QTreeWidgetItem *node);
    void tlbDialogs_Path_ButtonClick(int index);
    void chcStart_New_Click();
    void cmmUpdate_Click();
    void cmmCancel_Click();
    // The limits of the number boxes and the checks of the folder boxes, run when a box loses the focus.
    void txt_LostFocus(QLineEdit *box);
    void txt_GotFocus(QLineEdit *box);
};

namespace forms {
inline GlobalForm<::frmSetting> frmSetting;
}
