#include "app/dialogs/frmAbout.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/TwipLayout.h"
#include "app/dialogs/frmMoney.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/widgets/Pictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

// The logo as designed, 348 by 248 pixels; the window keeps this size when the picture is missing.
const QSize DesignedLogoSize(348, 248);
constexpr int UserButtonWidth = 1575;
constexpr int UserButtonHeight = 372;
constexpr int ButtonGapBelowBar = 60;

// The splash shows before the folder variables are set, so the picture is found from the program's own.
QPixmap LoadLogo()
{
    QPixmap logo = platform::widgets::LoadPicture(platform::application::Path() + QStringLiteral("/setting/logo.png"));
    if (logo.isNull()) {
        logo = QPixmap(DesignedLogoSize);
        logo.fill(Qt::white);
    }
    return logo;
}

} // namespace

frmAbout::frmAbout()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("О программе"));

    imgLogo = new QLabel(this);
    imgLogo->setPixmap(LoadLogo());
    prgLoading = new QProgressBar(this);
    prgLoading->setRange(0, 100);
    prgLoading->setTextVisible(false);
    prgLoading->hide();
    cmbUser = new QPushButton(QStringLiteral("Автор ждет..."), this);
    connect(cmbUser, &QPushButton::clicked, this, &frmAbout::cmbUser_Click);
    Form_Load();
}

void frmAbout::Form_Load()
{
    const QPixmap logo = imgLogo->pixmap();
    imgLogo->setGeometry(QRect(QPoint(0, 0), logo.size()));
    setFixedSize(logo.size());

    const int w = TwipLayout::Twips(logo.width());
    const int h = TwipLayout::Twips(logo.height());
    const int barLeft = qRound(w * 0.32);
    const int barTop = qRound(h * 0.62);
    const int barWidth = qRound(w * 0.46);
    const int barHeight = qRound(h * 0.05);
    prgLoading->setGeometry(TwipLayout::PixelRect(barLeft, barTop, barWidth, barHeight));

    int buttonTop = barTop;
    if (!mdlLoad::ProgramLoaded) {
        prgLoading->show();
        cmbUser->setEnabled(false);
        buttonTop += barHeight + ButtonGapBelowBar;
    }
    cmbUser->setGeometry(TwipLayout::PixelRect(barLeft + barWidth - UserButtonWidth, buttonTop, UserButtonWidth,
                                               UserButtonHeight));
}

void frmAbout::TakeOwner(QWidget *owner)
{
    if (owner && parentWidget() != owner)
        setParent(owner, windowFlags());
    if (centred_)
        return;
    centred_ = true;
    if (QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmAbout::ShowSplash(QWidget *owner)
{
    TakeOwner(owner);
    setCursor(Qt::WaitCursor);
    show();
    raise();
    // The start-up keeps the window thread busy: let the window appear and paint before it goes on.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmAbout::SetLoadingValue(int value)
{
    prgLoading->setValue(value);
    prgLoading->repaint();
}

void frmAbout::ShowAbout(QWidget *owner)
{
    TakeOwner(owner);
    platform::dialogs::ShowModal(*this);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // Only Esc does anything, and only in the about box: the dialog's own Esc and Enter are not wanted.
    if (event->key() == Qt::Key_Escape && mdlLoad::ProgramLoaded)
        CloseAbout();
}

void frmAbout::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Form_Click();
}

void frmAbout::mouseDoubleClickEvent(QMouseEvent *)
{
    Form_Click();
}

// Clicks on the logo reach the window, the picture taking no mouse input of its own.
void frmAbout::Form_Click()
{
    if (mdlLoad::ProgramLoaded)
        CloseAbout();
}

void frmAbout::cmbUser_Click()
{
    forms::frmMoney->ShowMoney(this);
}

void frmAbout::CloseAbout()
{
    mdlLoad::UnloadForm(forms::frmAbout);
}
