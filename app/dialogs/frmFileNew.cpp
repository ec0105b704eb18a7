#include "app/dialogs/frmFileNew.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/TwipLayout.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/forms/StoredRect.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/Pictures.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

// Designed sizes and distances in twips.
constexpr int PictureWidth = 810;
constexpr int ButtonGap = 120;
constexpr int PictureGapAbove = 80;
constexpr int TabGapRight = 60;
constexpr int ListLeft = 10;
constexpr int ListTop = 20;
constexpr int PictureSize = 48; // pixels
// One cell of the icon lists, in pixels: a 32-pixel icon over up to three lines of caption.
const QSize ListCell(116, 86);

constexpr int KeyRole = Qt::UserRole;

const QString StandartKey = QStringLiteral("standart");
const QString PatternKey = QStringLiteral("pattern");

QListWidget *IconList(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(32, 32));
    list->setGridSize(ListCell);
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The captions are the list files' own: they cannot be edited here.
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

// Adds the picture of every entry that has a loadable one to `images`; the entry keeps its number there.
// Only a regular file is loaded: a FIFO that a list names would hold the dialog until something wrote to
// it, and a device would be read without end.
template <typename Kind>
void LoadIcons(Table<Kind> &table, QList<QIcon> &images)
{
    for (Kind &entry : table) {
        const QString file = mdlLoad::IconsFolder + entry.Icon;
        const QPixmap picture = platform::widgets::LoadPicture(file);
        if (picture.isNull())
            continue;
        images.append(QIcon(picture));
        entry.ImageIndex = int(images.size());
    }
}

// One item per entry, keyed "k" and the entry's number; the first one is selected.
template <typename Kind>
void FillList(QListWidget *list, const Table<Kind> &table, const QList<QIcon> &images)
{
    for (int i = 1; i <= table.count(); ++i) {
        auto *item = new QListWidgetItem(images.value(table[i].ImageIndex - 1), table[i].Caption, list);
        item->setData(KeyRole, u'k' + QString::number(i));
    }
    if (list->count() > 0)
        list->setCurrentRow(0);
}

// The dialog's rectangle in the settings.
platform::forms::StoredRect StoredPosition()
{
    return {mdlLoad::FilenewLeft, mdlLoad::FilenewTop, mdlLoad::FilenewWidth, mdlLoad::FilenewHeight};
}

} // namespace

frmFileNew::frmFileNew() : ContainerWindow(forms::frmMain.loaded())
{
    setWindowTitle(QStringLiteral("Создать файл"));

    imgPicture = new QLabel(picBox);
    imgPicture->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(PictureSize, PictureSize));
    imgPicture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    imgPicture->resize(Pixels(PictureWidth), PictureSize); // the layout gives it its height

    tabPane_ = new QFrame(picBox);
    tabPane_->setFrameShape(QFrame::StyledPanel);
    tbsTypeDoc = new TabStrip(picBox);
    tbsTypeDoc->setAccessibleName(QStringLiteral("Виды файлов"));
    tbsTypeDoc->setDocumentMode(false);
    tbsTypeDoc->Add(1, StandartKey, QStringLiteral("Стандартные"));
    tbsTypeDoc->Add(2, PatternKey, QStringLiteral("Шаблоны"));
    lstStandart = IconList(picBox);
    lstPattern = IconList(picBox);

    cmmCreat = TwipLayout::Button(QStringLiteral("Создать"), picBox);
    cmmCreat->setDefault(true);
    cmmCancel = TwipLayout::Button(QStringLiteral("Отменить"), picBox);

    connect(tbsTypeDoc, &TabStrip::Click, this, &frmFileNew::tbsTypeDoc_Click);
    connect(cmmCreat, &QPushButton::clicked, this, &frmFileNew::cmmCreat_Click);
    connect(cmmCancel, &QPushButton::clicked, this, &frmFileNew::cmmCancel_Click);
    for (QListWidget *list : {lstStandart, lstPattern})
        connect(list, &QListWidget::itemDoubleClicked, this, &frmFileNew::lst_DblClick);
    Form_Load();
}

void frmFileNew::Form_Load()
{
    platform::forms::RestoreRect(*this, StoredPosition());
    // A window not shown yet gets no resize events: the first layout is run here.
    Form_Resize();
    picBox_Resize();

    lstStandart->clear();
    lstPattern->clear();
    lstStandart->show();
    lstPattern->hide();
    mdlLoad::LoadNewFiles(mdlLoad::NewfileIni);
    mdlLoad::LoadPatterns(mdlLoad::PatternIni);
    LoadIcons(mdlLoad::NewFiles, imgBig);
    LoadIcons(mdlLoad::Patterns, imgBig);
    FillList(lstStandart, mdlLoad::NewFiles, imgBig);
    FillList(lstPattern, mdlLoad::Patterns, imgBig);
    for (QListWidget *list : {lstStandart, lstPattern}) {
        list->setWordWrap(true);
        list->setFlow(QListView::LeftToRight);
        list->setWrapping(true);
        list->doItemsLayout();
    }
}

void frmFileNew::Form_Activate()
{
    tbsTypeDoc->Select(mdlLoad::NewDialog);
}

// Buttons at the lower right, the picture at the left above them, the tab strip beside the picture and
// the lists in the strip's client area; the first step without room leaves the rest as they were.
void frmFileNew::picBox_Resize()
{
    const std::optional<TwipLayout::Box> cancel = TwipLayout::PlaceLowerRight(cmmCancel);
    if (!cancel)
        return;
    const int w = Twips(picBox->width());

    const int creatWidth = Twips(cmmCreat->width());
    if (cancel->left - creatWidth < ButtonGap)
        return;
    Place(cmmCreat, cancel->left - ButtonGap - creatWidth, cancel->top, creatWidth, Twips(cmmCreat->height()));

    if (cancel->top - Twips(imgPicture->y()) < PictureGapAbove)
        return;
    const int pictureWidth = Twips(imgPicture->width());
    const int pictureHeight = cancel->top - PictureGapAbove;
    Place(imgPicture, 0, 0, pictureWidth, pictureHeight);

    if (w - pictureWidth < TabGapRight)
        return;
    // The strip is its row of tabs over a bordered pane, the client area being the pane's inside.
    const int tabLeft = pictureWidth + TabGapRight;
    const int tabWidth = w - tabLeft;
    const int tabsHeight = std::min(Twips(tbsTypeDoc->sizeHint().height()), pictureHeight);
    Place(tbsTypeDoc, tabLeft, 0, tabWidth, tabsHeight);
    Place(tabPane_, tabLeft, tabsHeight, tabWidth, pictureHeight - tabsHeight);

    const int border = Twips(tabPane_->frameWidth());
    const int clientWidth = tabWidth - 2 * border;
    const int clientHeight = pictureHeight - tabsHeight - 2 * border;
    if (clientWidth < 2 * ListLeft || clientHeight < 2 * ListTop)
        return;
    for (QListWidget *list : {lstStandart, lstPattern})
        Place(list, tabLeft + border + ListLeft, tabsHeight + border + ListTop, clientWidth - 2 * ListLeft,
              clientHeight - 2 * ListTop);
}

void frmFileNew::tbsTypeDoc_Click()
{
    lstStandart->hide();
    lstPattern->hide();
    cmmCreat->setEnabled(false);
    const QString key = SelectedTabKey();
    QListWidget *list = key == StandartKey ? lstStandart : key == PatternKey ? lstPattern : nullptr;
    if (!list)
        return;
    list->show();
    cmmCreat->setEnabled(list->count() > 0);
}

void frmFileNew::cmmCreat_Click()
{
    StoreState();
    // The operation unloads this dialog before it makes the document; a missing template leaves it open.
    const QString key = SelectedTabKey();
    if (key == StandartKey) {
        if (const int i = SelectedEntry(lstStandart, mdlLoad::NewFiles.count())) {
            const mdlLoad::NewFileType kind = mdlLoad::NewFiles[i];
            mdlFile::NewDocumentEmpty(kind.BaseName, kind.Ext, kind.Type, true);
        }
    } else if (key == PatternKey) {
        if (const int i = SelectedEntry(lstPattern, mdlLoad::Patterns.count())) {
            const mdlLoad::NewFilePattern pattern = mdlLoad::Patterns[i];
            mdlFile::NewDocumentFromPattern(pattern.BaseName, pattern.Ext, pattern.Type, pattern.TemplateFile,
                                            true);
        }
    }
}

void frmFileNew::lst_DblClick()
{
    cmmCreat_Click();
}

void frmFileNew::cmmCancel_Click()
{
    StoreState();
    mdlLoad::UnloadForm(forms::frmFileNew);
}

void frmFileNew::reject()
{
    cmmCancel_Click();
}

void frmFileNew::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    event->accept();
    // The close box unloads the window too, so that the next opening loads it afresh.
    if (forms::frmFileNew.loaded() == this)
        mdlLoad::UnloadForm(forms::frmFileNew);
}

void frmFileNew::Form_QueryUnload()
{
    StoreState();
}

void frmFileNew::StoreState()
{
    platform::forms::StoreRect(*this, StoredPosition());
    mdlLoad::NewDialog = tbsTypeDoc->SelectedPosition();
}

QString frmFileNew::SelectedTabKey() const
{
    return tbsTypeDoc->Key(tbsTypeDoc->SelectedPosition());
}

int frmFileNew::SelectedEntry(const QListWidget *list, int entries)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return 0;
    const int i = selected.first()->data(KeyRole).toString().mid(1).toInt();
    return i >= 1 && i <= entries ? i : 0;
}
