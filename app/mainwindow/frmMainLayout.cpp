// The main window's work panel and how its boxes lay themselves out: the four pages over their tab strip,
// the splitter that sets the panel's width, the splitter between the file panel's folder tree and file
// list, and the strip of open documents, which starts where the panel ends. Lengths are twips.
#include "app/mainwindow/frmMain.h"

#include "app/core/mdlLoad.h"
#include "app/dialogs/MwFSOHost.h"
#include "app/dialogs/TwipLayout.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "platform/widgets/MultiRowTabStrip.h"
#include "platform/widgets/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QTreeWidget>

using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Rect;
using TwipLayout::Twips;

namespace {

// The thickness of both splitters.
constexpr int SplitterSize = 75;
// The narrowest work panel; the documents keep at least one and a half times that beside it.
constexpr int ServiseLeast = 1500;
// The lowest file list, which the folder tree gives way to.
constexpr int ListLeast = 700;
constexpr int SwatchHeight = 700;

// The buttons held as a mouse event's button code: 1 left, 2 right, 4 middle.
int ButtonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

// Where the file panel's parts stand between the steps of its layout.
struct FilePanelParts {
    QRect tree, splitter, list, filter;
};

// Moves the widget's top edge, keeping its left edge and its size.
void SetTop(QWidget *widget, int top)
{
    const QRect now = Rect(widget);
    Place(widget, now.left(), top, now.width(), now.height());
}

} // namespace

PictureBox *frmMain::NewSplitter(QWidget *parent, Qt::CursorShape cursor)
{
    auto *splitter = new PictureBox(parent);
    splitter->setFrameStyle(QFrame::NoFrame);
    splitter->Inside()->setCursor(cursor);
    splitter->resize(Pixels(SplitterSize), Pixels(SplitterSize));
    return splitter;
}

void frmMain::CreateServisePanel()
{
    sstServise = new MultiRowTabStrip(picServise);
    sstServise->setAccessibleName(QStringLiteral("Рабочая панель"));
    sstServise->Add(1, QStringLiteral("files"), QStringLiteral("Выбор файлов"));
    sstServise->Add(2, QStringLiteral("phrase"), QStringLiteral("Дерево автотекста"));
    sstServise->Add(3, QStringLiteral("color"), QStringLiteral("Дерево цветов"));
    sstServise->Add(4, QStringLiteral("symbol"), QStringLiteral("Дерево символов"));
    sstServise->move(0, 0);
    // Made after the tab strip, the pages lie over it.
    picServiseFile = new QWidget(picServise);
    picServisePhrase = new QWidget(picServise);
    picServiseColor = new QWidget(picServise);
    picServiseSymbol = new QWidget(picServise);
    for (QWidget *page : {picServisePhrase, picServiseColor, picServiseSymbol})
        page->hide();
    picSplServise = NewSplitter(picServise, Qt::SplitHCursor);
    CreateFilePanel();
    CreateTreePages();

    picServise->installEventFilter(this);
    picFiles->installEventFilter(this);
    connect(sstServise, &MultiRowTabStrip::BeforeClick, this, &frmMain::sstServise_BeforeClick);
    connect(sstServise, &MultiRowTabStrip::Click, this, &frmMain::sstServise_Click);
    connect(picSplServise, &PictureBox::MouseMove, this, [this](Qt::MouseButtons buttons, int x, int y) {
        picSplServise_MouseMove(ButtonCode(buttons), 0, float(x), float(y));
    });
    connect(picSplServise, &PictureBox::MouseUp, this, &frmMain::picSplServise_MouseUp);
    connect(picSplFiles, &PictureBox::MouseMove, this, [this](Qt::MouseButtons buttons, int x, int y) {
        picSplFiles_MouseMove(ButtonCode(buttons), 0, float(x), float(y));
    });
    connect(picSplFiles, &PictureBox::MouseUp, this, &frmMain::picSplFiles_MouseUp);
}

void frmMain::ShowServisePanel(bool visible)
{
    picServise->setVisible(visible);
    picFiles_Resize();
}

void frmMain::SetServiseWidth(int width)
{
    // The panel takes a fixed width at once, so that it is laid out before the next step reads it.
    if (width > 0)
        picServise->setFixedWidth(Pixels(width));
}

void frmMain::picFiles_Resize()
{
    const int width = Twips(picFiles->width());
    const int panel = Rect(picServise).width();
    if (!mdlLoad::ViewPanelServise) {
        if (width > 0)
            picFiles->layout()->setContentsMargins(0, 0, 0, 0);
    } else if (width > panel) {
        picFiles->layout()->setContentsMargins(Pixels(panel), 0, 0, 0);
    }
}

void frmMain::picServise_Resize()
{
    const QRect panel = Rect(picServise);
    if (mdlLoad::ProgramLoaded)
        mdlLoad::ServiseWidth = panel.width();
    const QRect tabs = Rect(sstServise);
    if (panel.width() - tabs.left() > 120 && panel.height() - tabs.top() > 120) {
        Place(sstServise, tabs.left(), tabs.top(), panel.width() - tabs.left() - Rect(picSplServise).width(),
              panel.height() - tabs.top() - 120);
        const QRect strip = Rect(sstServise);
        Place(picSplServise, strip.left() + strip.width(), 0, Rect(picSplServise).width(), panel.height());
        const QRect client = sstServise->ClientArea();
        const int w = Twips(client.width()) - 10;
        const int h = Twips(client.height()) - 20;
        if (h > 0 && w > 0) {
            for (QWidget *page : {picServiseFile, picServisePhrase, picServiseColor, picServiseSymbol})
                Place(page, Twips(client.x()), Twips(client.y()), w, h);
            // A box laid out anew lays out its own content, shown or not.
            picServiseFile_Resize();
            picServisePhrase_Resize();
            picServiseColor_Resize();
            picServiseSymbol_Resize();
        }
    }
    picFiles_Resize();
}

void frmMain::picSplServise_MouseMove(int button, int, float x, float)
{
    const int frame = Twips(width());
    if (frame < ServiseLeast * 3 / 2)
        return;
    const int upper = frame - ServiseLeast * 3 / 2;
    if (button != 1)
        return;
    int n = Rect(picSplServise).left() + int(x);
    if (n > upper)
        n = upper;
    if (n < ServiseLeast)
        n = ServiseLeast;
    SetServiseWidth(n);
    const QRect splitter = Rect(picSplServise);
    Place(picSplServise, n - splitter.width(), 0, splitter.width(), splitter.height());
}

void frmMain::picServiseFile_Resize()
{
    const QRect page = Rect(picServiseFile);
    const int W = page.width();
    int b = page.height();
    for (QComboBox *list : {cmbCode2, cmbCode}) {
        if (list == cmbCode2 ? mdlLoad::MainCode2 : mdlLoad::MainCode1) {
            const int height = Rect(list).height();
            Place(list, 0, b - height - 20, W, height);
            list->show();
            b = Rect(list).top();
        } else {
            list->hide();
        }
    }
    const QRect drive = Rect(cmbDrive->place);
    Place(cmbDrive->place, drive.left(), drive.top(), W - drive.left(), drive.height());
    const QRect tree = Rect(trvDir->place);
    Place(trvDir->place, tree.left(), tree.top(), W, tree.height());
    const QRect splitter = Rect(picSplFiles);
    Place(picSplFiles, splitter.left(), tree.top() + tree.height(), W, splitter.height());

    const auto placed = [this] {
        return FilePanelParts{Rect(trvDir->place), Rect(picSplFiles), Rect(lstDirFiles->place), Rect(cmbFilter)};
    };
    FilePanelParts now = placed();
    const int below = b - now.splitter.top() - now.splitter.height() - now.filter.height() - 40;
    if (below > 0)
        Place(lstDirFiles->place, now.list.left(), now.splitter.top() + now.splitter.height(), W, below);

    now = placed();
    const int r = b - now.tree.top() - now.filter.height() - 20;
    // The tree gives way, so that the list keeps its least height; never down to nothing.
    const auto giveWay = [&] {
        const int treeHeight = r - now.splitter.height() - ListLeast;
        if (treeHeight < 1)
            return;
        Place(trvDir->place, now.tree.left(), now.tree.top(), now.tree.width(), treeHeight);
        SetTop(picSplFiles, now.tree.top() + treeHeight);
        const QRect moved = Rect(picSplFiles);
        Place(lstDirFiles->place, now.list.left(), moved.top() + moved.height(), now.list.width(), ListLeast);
        now = placed();
    };
    if (now.list.height() < ListLeast && now.tree.height() > ListLeast)
        giveWay();
    if (now.list.top() + now.list.height() > now.tree.top() + r && now.splitter.height() + ListLeast < r)
        giveWay();
    Place(cmbFilter, now.filter.left(), now.list.top() + now.list.height() + 20, W, now.filter.height());
    if (waitingFilesSplit_ > 0 && MoveFilesSplitter(waitingFilesSplit_))
        waitingFilesSplit_ = 0;
}

void frmMain::picSplFiles_MouseMove(int button, int, float, float y)
{
    if (button != 1)
        return;
    waitingFilesSplit_ = 0;
    MoveFilesSplitter(Rect(picSplFiles).top() + int(y));
}

void frmMain::RestoreFilesSplit(int top)
{
    waitingFilesSplit_ = MoveFilesSplitter(top) ? 0 : top;
}

bool frmMain::MoveFilesSplitter(int p)
{
    const QRect splitter = Rect(picSplFiles);
    const QRect tree = Rect(trvDir->place);
    const QRect list = Rect(lstDirFiles->place);
    const QRect filter = Rect(cmbFilter);
    // Until the frame has loaded, its own height bounds the drag, as the stored position was bounded.
    const int m = mdlLoad::ProgramLoaded ? filter.top() - tree.top() - splitter.height() - ListLeast
                                         : Twips(height()) - ListLeast * 3 / 2;
    if (p < tree.top() + ListLeast || p > Rect(cmbDrive->place).height() + m)
        return false;
    mdlLoad::ServiseHeight = p;
    SetTop(picSplFiles, p);
    Place(trvDir->place, tree.left(), tree.top(), tree.width(), p - tree.top());
    Place(lstDirFiles->place, list.left(), p + splitter.height(), list.width(),
          filter.top() - p - splitter.height() - 20);
    return true;
}

void frmMain::picSplServise_MouseUp()
{
    if (frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex))
        document->SetFocusForm();
    else
        setFocus();
}

void frmMain::picSplFiles_MouseUp()
{
    picSplServise_MouseUp();
}

void frmMain::picServisePhrase_Resize()
{
    Place(trvPhrase, 0, 0, Rect(picServisePhrase).width(), Rect(picServisePhrase).height());
}

void frmMain::picServiseSymbol_Resize()
{
    Place(trvSymbol, 0, 0, Rect(picServiseSymbol).width(), Rect(picServiseSymbol).height());
}

void frmMain::picServiseColor_Resize()
{
    const QRect page = Rect(picServiseColor);
    const int label = Rect(lblServiseColor).height();
    if (page.height() - SwatchHeight - label > 60)
        Place(trvColor, 0, 0, page.width(), page.height() - SwatchHeight - label - 60);
    const QRect tree = Rect(trvColor);
    Place(picServiseColorSelect, 0, tree.top() + tree.height() + 40, page.width(), SwatchHeight);
    const QRect swatch = Rect(picServiseColorSelect);
    Place(lblServiseColor, 0, swatch.top() + swatch.height() + 20, page.width(), label);
}

void frmMain::sstServise_BeforeClick()
{
    for (QWidget *page : {picServiseFile, picServisePhrase, picServiseColor, picServiseSymbol})
        page->hide();
}

void frmMain::sstServise_Click()
{
    mdlLoad::PanelServis = sstServise->SelectedPosition();
    const QString key = sstServise->Key(sstServise->SelectedPosition());
    const QList<std::pair<QString, QWidget *>> pages{{QStringLiteral("files"), picServiseFile},
                                                       {QStringLiteral("phrase"), picServisePhrase},
                                                       {QStringLiteral("color"), picServiseColor},
                                                       {QStringLiteral("symbol"), picServiseSymbol}};
    for (const auto &[pageKey, page] : pages)
        if (pageKey == key)
            page->show();
    if (!mdlLoad::ProgramLoaded || sstServise->Count() < 1)
        return;
    if (frmContent *document = mdlFile::OpenDocumentWindow(ActiveFileIndex))
        document->SetFocusForm();
    else if (ActiveFileIndex < 1)
        setFocus();
}
