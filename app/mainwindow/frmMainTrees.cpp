// The work panel's autotext, colour and symbol trees: a double-click inserts the selected entry into the
// active document, the colour tree shows its colour in a swatch, and a right click pops up a menu.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadTrees.h"
#include "app/core/mdlLoadWorkPanel.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/widgets/ColorNumbers.h"
#include "platform/widgets/PictureBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

namespace {

const QString NoColor = QStringLiteral("Цвет не выбран");

QTreeWidget *NewTree(QWidget *page)
{
    auto *tree = new QTreeWidget(page);
    tree->setHeaderHidden(true);
    // A long caption is scrolled to, never cut off.
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    return tree;
}

// The table entry of the tree's selected node, whose key is a letter and the entry's number.
const mdlLoad::TreeItem *SelectedItem(const QTreeWidget *tree, const Table<mdlLoad::TreeItem> &items)
{
    const QTreeWidgetItem *node = tree->currentItem();
    if (!node)
        return nullptr;
    const int index = mdlLoad::TreeNodeKey(node).mid(1).toInt();
    return items.contains(index) ? &items[index] : nullptr;
}

} // namespace

void frmMain::CreateTreePages()
{
    trvPhrase = NewTree(picServisePhrase);
    trvColor = NewTree(picServiseColor);
    trvSymbol = NewTree(picServiseSymbol);
    picServiseColorSelect = new PictureBox(picServiseColor);
    picServiseColorSelect->setEnabled(false);
    lblServiseColor = new QLabel(NoColor, picServiseColor);
    lblServiseColor->setAlignment(Qt::AlignCenter);
    lblServiseColor->resize(lblServiseColor->width(), lblServiseColor->sizeHint().height());

    mnuPopupPhrase = new QMenu(QStringLiteral("PopupPhrase"), this);
    mnuPopupPhrase_Expand = mnuPopupPhrase->addAction(QStringLiteral("Раскрыть узел"), this, &frmMain::mnuPopupPhrase_Expand_Click);
    mnuPopupPhrase_Coll = mnuPopupPhrase->addAction(QStringLiteral("Закрыть узел"), this, &frmMain::mnuPopupPhrase_Coll_Click);
    mnuPopupPhrase->addSeparator();
    mnuPopupPhrase_Paste = mnuPopupPhrase->addAction(QStringLiteral("Вставить содержание"), this, &frmMain::mnuPopupPhrase_Paste_Click);
    mnuPopupPhrase_Paste2 = mnuPopupPhrase->addAction(QStringLiteral("Вставить название"), this, &frmMain::mnuPopupPhrase_Paste2_Click);
    mnuPopupColor = new QMenu(QStringLiteral("PopupColor"), this);
    mnuPopupColor_Expand = mnuPopupColor->addAction(QStringLiteral("Раскрыть узел"), this, &frmMain::mnuPopupColor_Expand_Click);
    mnuPopupColor_Coll = mnuPopupColor->addAction(QStringLiteral("Закрыть узел"), this, &frmMain::mnuPopupColor_Coll_Click);
    mnuPopupColor->addSeparator();
    mnuPopupColor_Paste = mnuPopupColor->addAction(QStringLiteral("Вставить HTML-цвет"), this, &frmMain::mnuPopupColor_Paste_Click);
    mnuPopupColor_Paste2 = mnuPopupColor->addAction(QStringLiteral("Вставить название цвета"), this, &frmMain::mnuPopupColor_Paste2_Click);
    connect(mnuPopupPhrase, &QMenu::aboutToShow, this, &frmMain::mnuPopupPhrase_Click);
    connect(mnuPopupColor, &QMenu::aboutToShow, this, &frmMain::mnuPopupColor_Click);

    connect(trvPhrase, &QTreeWidget::itemDoubleClicked, this, &frmMain::trvPhrase_DblClick);
    connect(trvColor, &QTreeWidget::itemDoubleClicked, this, &frmMain::trvColor_DblClick);
    connect(trvSymbol, &QTreeWidget::itemDoubleClicked, this, &frmMain::trvSymbol_DblClick);
    connect(trvColor, &QTreeWidget::itemClicked, this, &frmMain::trvColor_NodeClick);
    connect(trvPhrase, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { trvPhrase_MouseDown(2, at); });
    connect(trvColor, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { trvColor_MouseDown(2, at); });
    connect(picServiseColorSelect, &PictureBox::MouseUp, this, [this](Qt::MouseButton button, int x, int y) {
        const bool inside = x >= 0 && y >= 0 && x < picServiseColorSelect->ScaleWidth() &&
                            y < picServiseColorSelect->ScaleHeight();
        if (button == Qt::LeftButton && inside)
            picServiseColorSelect_Click();
    });
}

void frmMain::trvPhrase_DblClick()
{
    frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex);
    const mdlLoad::TreeItem *item = SelectedItem(trvPhrase, mdlLoad::Phrases);
    if (!document || !item)
        return;
    const QString &value = item->Value;
    // ".." inside the value stands for the selection, which the two parts then wrap; at its very start
    // it is text like any other.
    if (const qsizetype dots = value.indexOf(QStringLiteral("..")); dots >= 1)
        document->PasteText2(QString(), value.left(dots), value.mid(dots + 2));
    else
        document->PasteText(value);
    document->SetFocusForm();
}

void frmMain::trvSymbol_DblClick()
{
    frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex);
    const mdlLoad::TreeItem *item = SelectedItem(trvSymbol, mdlLoad::Symbols);
    if (!document || !item)
        return;
    document->PasteText(item->Value);
    document->SetFocusForm();
}

bool frmMain::ShowTreeColor()
{
    const mdlLoad::TreeItem *item = SelectedItem(trvColor, mdlLoad::Colors);
    const QString value = item ? item->Value : QString();
    const QString digits = value.startsWith(u'#') ? value.mid(1) : value;
    const QString number = digits.size() == 6 || digits.size() == 7
                               ? mdlLibrary::ConvertColor(u'#' + digits, 2, 1)
                               : QString();
    if (!number.isEmpty()) {
        picServiseColorSelect->setEnabled(true);
        lblServiseColor->setText(u'#' + digits);
        picServiseColorSelect->SetBackColor(number.toInt());
        return true;
    }
    picServiseColorSelect->setEnabled(false);
    lblServiseColor->setText(NoColor);
    picServiseColorSelect->SetBackColor(
        platform::widgets::ColorNumberOf(picServiseColor->palette().color(QPalette::Window)));
    return false;
}

void frmMain::trvColor_NodeClick()
{
    if (trvColor->topLevelItemCount() > 0)
        ShowTreeColor();
}

void frmMain::trvColor_DblClick()
{
    if (trvColor->topLevelItemCount() == 0 || !ShowTreeColor())
        return;
    frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex);
    const mdlLoad::TreeItem *item = SelectedItem(trvColor, mdlLoad::Colors);
    if (!document || !item)
        return;
    // As stored: a colour written without "#" goes in without it.
    document->PasteText(item->Value);
    document->SetFocusForm();
}

void frmMain::trvPhrase_MouseDown(int button, const QPoint &at)
{
    if (button == 2)
        mnuPopupPhrase->popup(trvPhrase->viewport()->mapToGlobal(at));
}

void frmMain::trvColor_MouseDown(int button, const QPoint &at)
{
    if (button == 2)
        mnuPopupColor->popup(trvColor->viewport()->mapToGlobal(at));
}

void frmMain::EnableTreePopup(QTreeWidget *tree, const Table<mdlLoad::TreeItem> &items, QAction *expand,
                              QAction *collapse, QAction *paste, QAction *paste2)
{
    for (QAction *action : {expand, collapse, paste, paste2})
        action->setEnabled(false);
    const mdlLoad::TreeItem *item = SelectedItem(tree, items);
    if (!mdlFile::OpenDocumentWindow(ActiveFileIndex) || !item)
        return;
    if (const QTreeWidgetItem *node = tree->currentItem(); node->childCount() > 0) {
        collapse->setEnabled(node->isExpanded());
        expand->setEnabled(!node->isExpanded());
    }
    paste->setEnabled(!item->Value.isEmpty());
    paste2->setEnabled(!item->Caption.isEmpty());
}

void frmMain::mnuPopupPhrase_Click()
{
    EnableTreePopup(trvPhrase, mdlLoad::Phrases, mnuPopupPhrase_Expand, mnuPopupPhrase_Coll, mnuPopupPhrase_Paste,
                    mnuPopupPhrase_Paste2);
}

void frmMain::mnuPopupColor_Click()
{
    EnableTreePopup(trvColor, mdlLoad::Colors, mnuPopupColor_Expand, mnuPopupColor_Coll, mnuPopupColor_Paste,
                    mnuPopupColor_Paste2);
}

void frmMain::mnuPopupPhrase_Expand_Click()
{
    if (QTreeWidgetItem *node = trvPhrase->currentItem())
        node->setExpanded(true);
}

void frmMain::mnuPopupColor_Expand_Click()
{
    if (QTreeWidgetItem *node = trvColor->currentItem())
        node->setExpanded(true);
}

void frmMain::mnuPopupPhrase_Coll_Click()
{
    if (QTreeWidgetItem *node = trvPhrase->currentItem())
        node->setExpanded(false);
}

void frmMain::mnuPopupColor_Coll_Click()
{
    if (QTreeWidgetItem *node = trvColor->currentItem())
        node->setExpanded(false);
}

void frmMain::mnuPopupPhrase_Paste_Click()
{
    trvPhrase_DblClick();
}

void frmMain::mnuPopupColor_Paste_Click()
{
    trvColor_DblClick();
}

void frmMain::PasteTreeCaption(QTreeWidget *tree, const Table<mdlLoad::TreeItem> &items)
{
    frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex);
    const mdlLoad::TreeItem *item = SelectedItem(tree, items);
    if (!document || !item)
        return;
    document->PasteText(item->Caption);
    document->SetFocusForm();
}

void frmMain::mnuPopupPhrase_Paste2_Click()
{
    PasteTreeCaption(trvPhrase, mdlLoad::Phrases);
}

void frmMain::mnuPopupColor_Paste2_Click()
{
    PasteTreeCaption(trvColor, mdlLoad::Colors);
}
