#include "app/dialogs/frmMoney.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/dialogs/TwipLayout.h"
#include "app/documents/mdlFileSave.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/keys/KeyCodes.h"
#include "platform/pages/PagePane.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

// Designed sizes in twips.
constexpr int InnerWidth = 7485;
constexpr int InnerHeight = 4710;
constexpr int CheckHeight = 300;

} // namespace

frmMoney::frmMoney() : PageWindow(nullptr, forms::frmMoney)
{
    setWindowTitle(QStringLiteral("Автор ждет..."));
    resize(Pixels(InnerWidth), Pixels(InnerHeight));

    wbbMoney = platform::pages::CreatePagePane(picBox);
    connect(wbbMoney, &platform::pages::PagePane::onkeydown, this, &frmMoney::wbbMoney_onkeydown);
    chcView = new QCheckBox(QStringLiteral("Больше никогда не показывать это окно"), picBox);
    chcView->resize(chcView->width(), Pixels(CheckHeight));
    cmmClose = TwipLayout::Button(QStringLiteral("Закрыть"), picBox);
    cmmClose->setDefault(true);
    connect(cmmClose, &QPushButton::clicked, this, &frmMoney::cmmClose_Click);
    Form_Load();
}

void frmMoney::Form_Load()
{
    Form_Resize();
    if (!mdlLoad::Viewform)
        chcView->setCheckState(Qt::Checked);
    // The page is shown from a copy in tmp/; a missing page gives an empty copy and an empty page. A copy
    // that cannot be written leaves whatever tmp/ holds to be shown, once the user has been told why.
    if (const mdlLibrary::TextWritten written =
            mdlLibrary::FileWriteText(mdlLoad::TmpMoneyHtm, mdlLibrary::FileReadText(mdlLoad::MoneyHtm));
        !written)
        mdlFile::ReportFileWriteError(written.error, mdlLoad::TmpMoneyHtm, this);
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

void frmMoney::Form_Activate()
{
    wbbMoney->setFocus();
}

// Button at the lower right, the check box above it across the width, the page above both; each step
// needs room, and the first one without it leaves the rest as they were.
void frmMoney::picBox_Resize()
{
    const std::optional<TwipLayout::Box> close = TwipLayout::PlaceLowerRight(cmmClose);
    if (!close)
        return;
    const int w = Twips(picBox->width());
    const int checkHeight = Twips(chcView->height());
    if (close->top < 80 || close->top - checkHeight < 20)
        return;
    const int checkTop = close->top - checkHeight - 20;
    Place(chcView, 0, checkTop, w, checkHeight);

    if (checkTop < 80)
        return;
    Place(wbbMoney, 0, 0, w, checkTop - 80);
}

void frmMoney::wbbMoney_onkeydown(int keyCode, bool shift, bool ctrl, bool alt)
{
    MoneyKey(keyCode, shift, ctrl, alt);
}

void frmMoney::MoneyKey(int keyCode, bool, bool, bool)
{
    // Esc on the page closes the window as the button does.
    if (keyCode == platform::keys::VK_ESCAPE)
        cmmClose_Click();
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
