// The main window's two command tool bars and the View menu's switches of its bars. A tool bar button is
// the very action of its menu item, so the two are enabled, checked and pressed together.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/Pictures.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct Button {
    QAction *action;
    const char *key;
    const char *toolTip;
};

// A tool bar of the menu items' own actions in their designed order; a null action is a separator.
QToolBar *CommandBar(QWidget *parent, std::initializer_list<Button> buttons)
{
    auto *bar = new QToolBar(parent);
    bar->setIconSize(QSize(16, 16));
    for (const Button &button : buttons) {
        if (!button.action) {
            bar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(button.key);
        button.action->setObjectName(key);
        button.action->setToolTip(QString::fromUtf8(button.toolTip));
        // The menus show captions only, as designed.
        button.action->setIconVisibleInMenu(false);
        bar->addAction(button.action);
    }
    return bar;
}

} // namespace

void frmMain::CreateCommandBars()
{
    auto *stack = new QVBoxLayout(picToolbar);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    tlbMenuFile = CommandBar(picToolbar, {{mnuFile_New, "new", "Создать новый файл"},
                                          {mnuFile_Open, "open", "Открыть файл"},
                                          {},
                                          {mnuFile_Save, "save", "Сохранить файл"},
                                          {mnuFile_SaveAll, "saveall", "Сохранить все файлы"},
                                          {},
                                          {mnuFile_Print, "print", "Выдать на печать"},
                                          {},
                                          {mnuView_ToolBar_Servise, "servise", "Показать/скрыть служебную панель"},
                                          {mnuView_ToolBar_Tegs, "tegs", "Показать/скрыть панель тегов"}});
    tlbMenuAction = CommandBar(picToolbar, {{mnuEdit_Cut, "cut", "Вырезать в буфер"},
                                            {mnuEdit_Copy, "copy", "Скопировать в буфер"},
                                            {mnuEdit_Paste, "paste", "Вставить из буфера"},
                                            {},
                                            {mnuEdit_Undo, "undo", "Отменить последнее действие"},
                                            {mnuEdit_Redo, "redo", "Вернуть последнее действие"},
                                            {},
                                            {mnuSearch_Find, "find", "Найти в тексте"},
                                            {mnuSearch_FindNext, "findnext", "Найти далее"},
                                            {mnuSearch_Replace, "replace", "Заменить в тексте"}});
    stack->addWidget(tlbMenuFile);
    stack->addWidget(tlbMenuAction);
}

void frmMain::LoadCommandBarPictures()
{
    for (QToolBar *bar : {tlbMenuFile, tlbMenuAction})
        for (QAction *button : bar->actions())
            if (!button->isSeparator())
                button->setIcon(platform::widgets::LoadIcon(mdlLoad::SettingFolder + QStringLiteral("menu_%1.png").arg(button->objectName())));
    // The box is as wide as the wider bar, so that every button stays in sight; the tag panel beside it
    // takes what room is left.
    picToolbar->setFixedWidth(std::max(tlbMenuFile->sizeHint().width(), tlbMenuAction->sizeHint().width()));
}

void frmMain::mnuView_ToolBar_Standart_Click()
{
    mnuView_ToolBar_Standart->trigger();
}

void frmMain::mnuView_ToolBar_Servise_Click()
{
    mnuView_ToolBar_Servise->trigger();
}

void frmMain::mnuView_ToolBar_Tegs_Click()
{
    mnuView_ToolBar_Tegs->trigger();
}

void frmMain::mnuView_ToolBar_Files_Click()
{
    mnuView_ToolBar_Files->trigger();
}

void frmMain::mnuView_ToolBar_StatusBar_Click()
{
    mnuView_ToolBar_StatusBar->trigger();
}

void frmMain::SwitchBar(QAction *item, bool shown)
{
    if (item == mnuView_ToolBar_Standart) {
        mdlLoad::ViewPanelStandart = shown;
        picToolbar->setVisible(shown);
        picMain->setVisible(shown || mnuView_ToolBar_Tegs->isChecked());
    } else if (item == mnuView_ToolBar_Servise) {
        mdlLoad::ViewPanelServise = shown;
        ShowServisePanel(shown);
    } else if (item == mnuView_ToolBar_Tegs) {
        mdlLoad::ViewPanelTegs = shown;
        ShowTegsPanel(shown);
    } else if (item == mnuView_ToolBar_Files) {
        mdlLoad::ViewPanelFiles = shown;
        picFiles->setVisible(shown);
    } else if (item == mnuView_ToolBar_StatusBar) {
        mdlLoad::ViewPanelStatus = shown;
        sttMain->setVisible(shown);
    }
    if (frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex))
        document->SetFocusForm();
}
