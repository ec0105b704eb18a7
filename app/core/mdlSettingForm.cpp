// The settings dialog's pages filled from the settings variables and written back into them.
#include "app/core/mdlSetting.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/dialogs/DialogLists.h"
#include "app/dialogs/frmSetting.h"
#include "platform/widgets/CheckBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <optional>
#include <vector>

namespace mdlSetting {
namespace {

using namespace mdlLoad;

// The Show operation that fills a check box.
enum class Page { Start, Main, Dialog, File, Text };

struct CheckSetting {
    Page page;
    bool &value;
    CheckBox *frmSetting::*box;
};

// Every check box of the dialog with the setting it edits.
const std::vector<CheckSetting> &CheckSettings()
{
    static const std::vector<CheckSetting> checks = {
        {Page::Start, FileCreat, &frmSetting::chcStart_New},
        {Page::Start, DialogNew, &frmSetting::chcStart_Create},
        {Page::Start, DialogOpen, &frmSetting::chcStart_Open},
        {Page::Start, DialogAdvice, &frmSetting::chcStart_Advice},
        {Page::Main, MainCode1, &frmSetting::chcMain_Code_File},
        {Page::Main, MainCode2, &frmSetting::chcMain_Code_View},
        {Page::Main, StatusFullpath, &frmSetting::chcMain_FullPath},
        {Page::Main, ViewPanelStandart, &frmSetting::chcMain_Panels_Standart},
        {Page::Main, ViewPanelServise, &frmSetting::chcMain_Panels_Servise},
        {Page::Main, ViewPanelTegs, &frmSetting::chcMain_Panels_Tegs},
        {Page::Main, ViewPanelFiles, &frmSetting::chcMain_Panels_Files},
        {Page::Main, ViewPanelStatus, &frmSetting::chcMain_Panels_Status},
        {Page::Main, FiletabPicture, &frmSetting::chcMain_Files_Picture},
        {Page::Dialog, PathOsEqual, &frmSetting::chcDialogs_Equal},
        {Page::File, SaveF2, &frmSetting::chcFiles_F2},
        {Page::File, MagazineClearStart, &frmSetting::chcFiles_Magazin_Clear},
        {Page::File, SaveView, &frmSetting::chcFiles_View_SaveInner},
        {Page::File, SaveBrowser, &frmSetting::chcFiles_View_SaveOuter},
        {Page::File, ViewTmpfile, &frmSetting::chcFiles_View_OpenInner},
        {Page::File, BrowserTmpfile, &frmSetting::chcFiles_View_OpenOuter},
        {Page::File, ServerView, &frmSetting::chcFiles_View_ServerInner},
        {Page::File, ServerBrowser, &frmSetting::chcFiles_View_ServerOuter},
        {Page::Text, UseDefaultLng, &frmSetting::chcText_Default},
        {Page::Text, ViewSpaceReg, &frmSetting::chcText_NoPrint},
        {Page::Text, PrintSetup, &frmSetting::chcText_PrintSetup},
    };
    return checks;
}

void ShowChecks(frmSetting &form, Page page)
{
    for (const CheckSetting &check : CheckSettings())
        if (check.page == page)
            SetCheckValue(check.value, form.*check.box);
}

// A number box's text as a whole number; nothing when it is not one, which leaves the setting as it was.
std::optional<int> BoxNumber(const QLineEdit *box)
{
    return mdlLibrary::ToWholeNumber(box->text());
}

QTreeWidgetItem *AddNode(frmSetting &form, QTreeWidgetItem *parent, const QString &key, const QString &caption,
                         int image)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(form.trvSetting);
    node->setText(0, caption);
    node->setData(0, Qt::UserRole, key);
    node->setIcon(0, form.imgTree.value(image - 1));
    return node;
}

} // namespace

bool GetCheckValue(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked;
}

void SetCheckValue(bool value, QCheckBox *box)
{
    box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
}

void InitSettingForm(frmSetting &form)
{
    FillSettingTree(form);
    ShowStartSettings(form);
    ShowMainSettings(form);
    ShowDialogSettings(form);
    ShowFileSettings(form);
    ShowTextSettings(form);
}

void FillSettingTree(frmSetting &form)
{
    // Filling selects no page on the user's behalf.
    const QSignalBlocker blocker(form.trvSetting);
    QTreeWidgetItem *index = AddNode(form, nullptr, QStringLiteral("index"), QStringLiteral("Настройка"), 1);
    AddNode(form, index, QStringLiteral("start"), QStringLiteral("Запуск"), 1);
    QTreeWidgetItem *main = AddNode(form, index, QStringLiteral("main"), QStringLiteral("Главное окно"), 1);
    AddNode(form, index, QStringLiteral("dialogs"), QStringLiteral("Диалоги"), 1);
    QTreeWidgetItem *files = AddNode(form, index, QStringLiteral("files"), QStringLiteral("Файлы"), 1);
    AddNode(form, index, QStringLiteral("text"), QStringLiteral("Текст"), 1);
    AddNode(form, main, QStringLiteral("main_panels"), QStringLiteral("Элементы"), 2);
    AddNode(form, main, QStringLiteral("main_files"), QStringLiteral("Панель файлов"), 2);
    AddNode(form, files, QStringLiteral("files_view"), QStringLiteral("Просмотр"), 2);
    for (QTreeWidgetItem *node : {index, main, files})
        node->setExpanded(true);

    QLabel *text = form.lblIndex_Text;
    text->setText(text->text() +
                  QStringLiteral("    Здесь Вы можете изменить лишь малую долю параметров, которые настраиваются в "
                                 "программе.\r\n\r\n"));
    text->setText(text->text() +
                  QStringLiteral("    Если Вы хотите изменить структуру дерева автотекста, дерева цветов, "
                                 "вкладышей кнопок быстрой вставки, перечень справок, "));
    text->setText(text->text() +
                  QStringLiteral("изменить один из языков подцветки или же добавить свой, исправить некоторые "
                                 "шаблоны новых файлов, а также многое другое, Вам придется обратиться к справке "
                                 "по программе, где Вы найдете подробную информацию, как наилучшим образом для Вас "
                                 "обустроить данную программу."));
}

void ShowStartSettings(frmSetting &form)
{
    ShowChecks(form, Page::Start);
    QComboBox *kinds = form.cmbStart_New[0];
    QComboBox *patterns = form.cmbStart_New[1];
    kinds->clear();
    patterns->clear();
    for (const NewFileType &kind : NewFiles)
        kinds->addItem(kind.Caption);
    for (const NewFilePattern &pattern : Patterns)
        patterns->addItem(pattern.Caption);
    for (QComboBox *list : form.cmbStart_New)
        if (list->count() > 0)
            list->setCurrentIndex(0);

    const StartNewChoice choice = SplitNewFile(NewFile, NewFiles.count(), Patterns.count());
    const int option = choice.fromPattern ? 1 : 0;
    SelectListIndex(form.cmbStart_New[option], choice.fromPattern ? choice.patternIndex : choice.kindIndex);
    // Setting an option raises its click, which enables its own list only.
    form.optStart_New[option]->setChecked(true);
    form.optStart_New_Click(option);
    if (!FileCreat) {
        for (QRadioButton *button : form.optStart_New)
            button->setEnabled(false);
        for (QComboBox *list : form.cmbStart_New)
            list->setEnabled(false);
    }
}

void ShowMainSettings(frmSetting &form)
{
    ShowChecks(form, Page::Main);
    form.cmbMain_Files_Place->setCurrentIndex(TabsfilesTop ? 0 : 1);
    form.txtMain_Files_LenFile->setText(FilenameMax);
}

void ShowDialogSettings(frmSetting &form)
{
    ShowChecks(form, Page::Dialog);
    form.txtDialogs_Open_Path->setText(PathOpen);
    form.txtDialogs_Save_Path->setText(PathSave);
    form.cmbDialogs_Open_View->setCurrentIndex(TypeviewIndex(TypeviewOpen));
    form.cmbDialogs_Save_View->setCurrentIndex(TypeviewIndex(TypeviewSave));
    form.txtDialogs_CodeMax->setText(QString::number(CodeMaxlen));
}

void ShowFileSettings(frmSetting &form)
{
    ShowChecks(form, Page::File);
    form.txtFiles_Magazin_Count->setText(QString::number(MaxMagazine));
    SelectListIndex(form.cmbFiles_SaveCode, SaveCode - 1);
}

void ShowTextSettings(frmSetting &form)
{
    ShowChecks(form, Page::Text);
}

void ApplySettingForm(frmSetting &form)
{
    for (const CheckSetting &check : CheckSettings())
        check.value = GetCheckValue(form.*check.box);
    const bool fromPattern = form.optStart_New[1]->isChecked();
    NewFile = JoinNewFile(fromPattern, form.cmbStart_New[fromPattern ? 1 : 0]->currentIndex(), NewFiles.count());
    if (const auto length = BoxNumber(form.txtMain_Files_LenFile))
        FilenameMax = QString::number(*length);
    TabsfilesTop = form.cmbMain_Files_Place->currentIndex() == 0;
    if (const auto codeMax = BoxNumber(form.txtDialogs_CodeMax))
        CodeMaxlen = *codeMax;
    PathOpen = form.txtDialogs_Open_Path->text();
    PathSave = form.txtDialogs_Save_Path->text();
    TypeviewOpen = TypeviewFromIndex(form.cmbDialogs_Open_View->currentIndex());
    TypeviewSave = TypeviewFromIndex(form.cmbDialogs_Save_View->currentIndex());
    if (const auto count = BoxNumber(form.txtFiles_Magazin_Count))
        MaxMagazine = *count;
    SaveCode = form.cmbFiles_SaveCode->currentIndex() + 1;
}

} // namespace mdlSetting
