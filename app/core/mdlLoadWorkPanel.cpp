#include "app/core/mdlLoadWorkPanel.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlLoadTrees.h"
#include "app/dialogs/DialogLists.h"
#include "app/dialogs/MwFSOHost.h"
#include "app/dialogs/TwipLayout.h"
#include "app/mainwindow/frmMain.h"
#include "platform/widgets/MultiRowTabStrip.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Pictures.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLayout>
#include <QPixmap>
#include <QToolBar>
#include <QTreeWidget>

namespace mdlLoad {

namespace {

constexpr int TreeKeyRole = Qt::UserRole;

// Moves the widget to a left and top edge, keeping its size.
void MoveTo(QWidget *widget, int left, int top)
{
    const QRect now = TwipLayout::Rect(widget);
    TwipLayout::Place(widget, left, top, now.width(), now.height());
}

// The file panel's first placement; the page's own layout places the rest.
void PlaceFilePanel(frmMain *main)
{
    using TwipLayout::Rect;
    MoveTo(main->tlbPathUp, 0, Rect(main->tlbPathUp).top());
    MoveTo(main->cmbDrive->place, Rect(main->tlbPathUp).width(), Rect(main->cmbDrive->place).top());
    const QRect drive = Rect(main->cmbDrive->place);
    TwipLayout::Place(main->trvDir->place, 0, drive.top() + drive.height() + 30, Rect(main->trvDir->place).width(),
                      Rect(main->picServise).height() / 3);
    for (QWidget *part : std::initializer_list<QWidget *>{main->picSplFiles, main->lstDirFiles->place, main->cmbFilter})
        MoveTo(part, 0, Rect(part).top());
}

} // namespace

QString TreeNodeKey(const QTreeWidgetItem *node)
{
    return node ? node->data(0, TreeKeyRole).toString() : QString();
}

void FillTree(QTreeWidget *tree, const Table<TreeItem> &items, QChar letter, const QIcon &groupPicture,
              const QIcon &itemPicture)
{
    tree->clear();
    // The latest node of each level that can hold others, 1 to 4.
    QTreeWidgetItem *parents[5] = {};
    for (int i = 1; i <= items.count(); ++i) {
        const TreeItem &entry = items[i];
        if (entry.Level < 1 || entry.Level > 5)
            continue;
        QTreeWidgetItem *parent = entry.Level > 1 ? parents[entry.Level - 1] : nullptr;
        if (entry.Level > 1 && !parent)
            continue;
        auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        node->setText(0, entry.Caption);
        node->setData(0, TreeKeyRole, letter + QString::number(i));
        node->setIcon(0, entry.IsGroup ? groupPicture : itemPicture);
        if (entry.Level <= 4)
            parents[entry.Level] = node;
    }
}

void FillMainPanels()
{
    frmMain *main = forms::frmMain.get();
    main->SyncFilePanelPath();

    FillCodeCombo(main->cmbCode, QStringLiteral("- "));
    FillCodeCombo(main->cmbCode2, QStringLiteral("- "));
    FillTypeFileCombo(main->cmbFilter, QStringLiteral("- "));
    main->cmbCode->insertItem(0, QStringLiteral("КОДИРОВКА ФАЙЛА:"));
    main->cmbCode2->insertItem(0, QStringLiteral("ОТКРЫТЬ В КОДИРОВКЕ:"));
    main->cmbFilter->insertItem(0, QStringLiteral("ТИП ФАЙЛОВ:"));
    // The panel is narrow: a list opens as wide as its longest item.
    for (QComboBox *list : {main->cmbCode, main->cmbCode2, main->cmbFilter})
        list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + list->view()->frameWidth() * 2);
    main->SelectFilePanelLists();

    main->picServiseFile->show();
    for (QWidget *page : {main->picServisePhrase, main->picServiseColor, main->picServiseSymbol})
        page->hide();
    main->SetServiseWidth(ServiseWidth);
    // The frame is not shown yet: its layout gives the panel its height now, which the tree's first
    // placement takes a third of.
    main->layout()->activate();
    main->centralWidget()->layout()->activate();
    PlaceFilePanel(main);

    main->imgTree.clear();
    for (int k = 1; k <= 4; ++k)
        main->imgTree.append(platform::widgets::LoadIcon(SettingFolder + QStringLiteral("tree%1.gif").arg(k)));
    FillTree(main->trvPhrase, Phrases, u'k', main->imgTree[0], main->imgTree[1]);
    FillTree(main->trvColor, Colors, u'c', main->imgTree[0], main->imgTree[2]);
    FillTree(main->trvSymbol, Symbols, u's', main->imgTree[0], main->imgTree[3]);

    if (PanelServis >= 1 && main->sstServise->Count() >= PanelServis)
        main->sstServise->Select(PanelServis);
    FillHelpMenu();
}

} // namespace mdlLoad
