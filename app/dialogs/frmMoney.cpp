#include "app/dialogs/frmMoney.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/TwipLayout.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/pages/PagePane.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {

using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

// Designed sizes in twips.
constexpr int InnerWidth = 7485;
constexpr int InnerHeight = 4710;
constexpr int CloseWidth = 1215;
constexpr int CloseHeight = 375;
constexpr int CheckHeight = 300;
constexpr int KeyEscape = 27;

} // namespace

frmMoney::frmMoney()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Автор ждет..."));
    resize(Pixels(InnerWidth), Pixels(InnerHeight));

    picBox = new QWidget(this);
    picBox->installEventFilter(this);
    wbbMoney = platform::pages::CreatePagePane(picBox);
    connect(wbbMoney, &platform::pages::PagePane::onkeydown, this, &frmMoney::wbbMoney_onkeydown);
    chcView = new QCheckBox(QStringLiteral("Больше никогда не показывать это окно"), picBox);
    chcView->resize(chcView->width(), Pixels(CheckHeight));
    cmmClose = new QPushButton(QStringLiteral("Закрыть"), picBox);
    cmmClose->resize(Pixels(CloseWidth), Pixels(CloseHeight));
    cmmClose->setDefault(true);
    connect(cmmClose, &QPushButton::clicked, this, &frmMoney::cmmClose_Click);
    Form_Load();
}

void frmMoney::Form_Load()
{
    Form_Resize();
    if (!mdlLoad::Viewform)
        chcView->setCheckState(Qt::Checked);
    // The page is shown from a copy in tmp/; a missing page gives an empty copy and an empty page.
    mdlLibrary::FileWriteText(mdlLoad::TmpMoneyHtm, mdlLibrary::FileReadText(mdlLoad::MoneyHtm));
    wbbMoney->LoadDocument(mdlLoad::TmpMoneyHtm);
    wbbMoney->SetBaseURL(mdlLoad::SettingFolder);
}

void frmMoney::ShowMoney(QWidget *owner)
{
    // The window is tied to its owner by the window system alone. Made a child of the owner after its
    // page pane holds the engine's view, it would mark the owner as a window of engine-drawn parts,
    // and the owner would never again repaint what closing menus and dialogs uncover.
    create();
    windowHandle()->setTransientParent(owner ? owner->window()->windowHandle() : nullptr);
    if (QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    platform::dialogs::ShowModal(*this);
}

void frmMoney::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Each opening loads a fresh modal window: its first showing is its activation, whether or not the
    // window system activates it.
    if (!event->spontaneous())
        Form_Activate();
}

void frmMoney::Form_Activate()
{
    wbbMoney->setFocus();
}

void frmMoney::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmMoney::Form_Resize()
{
    TwipLayout::PlacePicBox(this, picBox);
}

bool frmMoney::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picBox && event->type() == QEvent::Resize)
        picBox_Resize();
    return QDialog::eventFilter(watched, event);
}

// Button at the lower right, the check box above it across the width, the page above both; each step
// needs room, and the first one without it leaves the rest as they were.
void frmMoney::picBox_Resize()
{
    // The container has no border: its inner area starts at 0, 0.
    const int w = Twips(picBox->width());
    const int h = Twips(picBox->height());
    const int closeWidth = Twips(cmmClose->width());
    const int closeHeight = Twips(cmmClose->height());
    if (w < closeWidth || h < closeHeight)
        return;
    const int closeTop = h - closeHeight;
    Place(cmmClose, w - closeWidth, closeTop, closeWidth, closeHeight);

    const int checkHeight = Twips(chcView->height());
    if (closeTop < 80 || closeTop - checkHeight < 20)
        return;
    const int checkTop = closeTop - checkHeight - 20;
    Place(chcView, 0, checkTop, w, checkHeight);

    if (checkTop < 80)
        return;
    Place(wbbMoney, 0, 0, w, checkTop - 80);
}

void frmMoney::keyPressEvent(QKeyEvent *event)
{
    // The close button is also the cancel button.
    if (event->key() == Qt::Key_Escape) {
        cmmClose_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmMoney::wbbMoney_onkeydown(int keyCode, bool shift, bool ctrl, bool alt)
{
    MoneyKey(keyCode, shift, ctrl, alt);
}

void frmMoney::MoneyKey(int keyCode, bool, bool, bool)
{
    if (keyCode == KeyEscape)
        cmmClose_Click();
}

void frmMoney::cmmClose_Click()
{
    SaveMoneyState();
    mdlLoad::UnloadForm(forms::frmMoney);
}

void frmMoney::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    QDialog::closeEvent(event);
    // Every close unloads the window, so that the next showing loads it afresh.
    if (event->isAccepted() && forms::frmMoney.loaded() == this)
        mdlLoad::UnloadForm(forms::frmMoney);
}

void frmMoney::Form_QueryUnload()
{
    SaveMoneyState();
}

// Only a ticked box stops the showing; a grey one counts as not ticked.
void frmMoney::SaveMoneyState()
{
    mdlLoad::Viewform = chcView->checkState() != Qt::Checked;
}
