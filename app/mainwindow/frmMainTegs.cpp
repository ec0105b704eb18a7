// The tag panel: the tabs of the tag groups, the tool bar of the selected group and its buttons' clicks.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLibraryShell.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadTegKeys.h"
#include "app/core/mdlLoadTegs.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/ToolBar.h"

#include <QVBoxLayout>

void frmMain::CreateTegsPanel(QBoxLayout *top)
{
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 3, 0);
    column->setSpacing(0);
    tbsTegs = new TabStrip(picMain);
    tbsTegs->setAccessibleName(QStringLiteral("Панель тегов"));
    column->addWidget(tbsTegs);
    picTegs = new QWidget(picMain);
    auto *box = new QHBoxLayout(picTegs);
    box->setContentsMargins(3, 1, 1, 0);
    tlbTegs = new ToolBar(picTegs);
    // The pictures are drawn at 16 by 16 pixels; any other size would blur them.
    tlbTegs->setIconSize(QSize(16, 16));
    box->addWidget(tlbTegs);
    column->addWidget(picTegs);
    // The panel takes the strip's width beside the command bars.
    top->addLayout(column, 1);
    // Hidden until the View menu's switch shows the panel.
    tbsTegs->hide();
    picTegs->hide();

    connect(tbsTegs, &TabStrip::Click, this, &frmMain::tbsTegs_Click);
    connect(tlbTegs, &ToolBar::ButtonClick, this, &frmMain::tlbTegs_ButtonClick);
}

void frmMain::ShowTegsPanel(bool visible)
{
    tbsTegs->setVisible(visible);
    picTegs->setVisible(visible);
    picMain->setVisible(visible || picToolbar->isVisibleTo(picMain));
}

void frmMain::tbsTegs_Click()
{
    if (!mdlLoad::ProgramLoaded)
        return;
    mdlLoad::PanelButtons = tbsTegs->SelectedPosition();
    if (tbsTegs->Count() >= 1)
        mdlLoad::FillTegsToolbar(tbsTegs->Key(tbsTegs->SelectedPosition()));
    if (frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex))
        document->SetFocusForm();
    else
        setFocus();
}

void frmMain::tlbTegs_ButtonClick(const QString &key)
{
    frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex);
    const std::optional<QString> activePath =
        document ? std::optional(mdlFile::DocumentRecords[ActiveFileIndex].Path) : std::nullopt;
    const mdlLoad::TegClick click = mdlLoad::TegButtonClick(key, activePath);
    switch (click.What) {
    case mdlLoad::TegClick::Action::Start:
        mdlLibrary::ShellStart(click.Target, click.Parameters, click.Maximized);
        break;
    case mdlLoad::TegClick::Action::Paste:
        document->SetFocusForm();
        document->PasteText2(click.Center, click.Before, click.After);
        break;
    case mdlLoad::TegClick::Action::None:
        break;
    }
}
